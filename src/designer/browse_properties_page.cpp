#include "designer/browse_properties_page.h"

#include "ui/folderbrowse/folder_browse_widget.h"

#include <QCheckBox>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lumadisc {

BrowsePropertiesPage::BrowsePropertiesPage(FolderBrowseWidget* clicked, QWidget* parent)
    : QDialog(parent), m_clicked(clicked), m_page(*this) {
    setObjectName(QStringLiteral("BrowseProperties"));
    setWindowTitle(QString::fromStdString(m_page.caption));
    auto* layout = new QGridLayout(this);

    using Click = void (BrowseProperties::*)();
    const std::pair<CheckBox BrowseProperties::*, Click> boxes[] = {
        {&BrowseProperties::chkIncludeFiles, &BrowseProperties::chkIncludeFiles_Click},
        {&BrowseProperties::chkBrowseForPrinter, &BrowseProperties::chkBrowseForPrinter_Click},
        {&BrowseProperties::chkBrowseForComputer, &BrowseProperties::chkBrowseForComputer_Click},
        {&BrowseProperties::chkUseNewUI, &BrowseProperties::chkUseNewUI_Click},
        {&BrowseProperties::chkValidateSelection, &BrowseProperties::chkValidateSelection_Click},
        {&BrowseProperties::chkAllowEditBox, &BrowseProperties::chkAllowEditBox_Click},
        {&BrowseProperties::chkDontGoBelowDomain, &BrowseProperties::chkDontGoBelowDomain_Click},
        {&BrowseProperties::chkOnlyFileSystemDirectories,
         &BrowseProperties::chkOnlyFileSystemDirectories_Click},
        {&BrowseProperties::chkEnabled, &BrowseProperties::chkEnabled_Click},
    };
    int row = 0;
    for (const auto& [member, click] : boxes) {
        CheckBox& control = m_page.*member;
        auto* box = new QCheckBox(QString::fromStdString(control.caption), this);
        m_boxes.emplace_back(box, &control);
        // Enabled stands below the two texts, as on the page's design.
        layout->addWidget(box, member == &BrowseProperties::chkEnabled ? 12 : row++, 0, 1, 2);
        connect(box, &QCheckBox::clicked, this, [this, &control, click = click](bool ticked) {
            control.value = ticked ? 1 : 0;
            (m_page.*click)();
            sync();
        });
    }
    auto text = [&](Label& label, TextBox& control, void (BrowseProperties::*change)(), int at) {
        auto* edit = new QLineEdit(this);
        auto* caption = new QLabel(QString::fromStdString(label.caption), this);
        caption->setBuddy(edit);
        layout->addWidget(caption, at, 0);
        layout->addWidget(edit, at, 1);
        connect(edit, &QLineEdit::textEdited, this, [this, &control, change](const QString& t) {
            control.text = t.toStdString();
            (m_page.*change)();
            sync();
        });
        return edit;
    };
    m_caption =
        text(m_page.lblCaption, m_page.txtCaption, &BrowseProperties::txtCaption_Change, 10);
    m_startDirectory = text(m_page.lblStartDirectory, m_page.txtStartDirectory,
                            &BrowseProperties::txtStartDirectory_Change, 11);
    m_caption->setObjectName(QStringLiteral("txtCaption"));
    m_startDirectory->setObjectName(QStringLiteral("txtStartDirectory"));

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    m_apply = buttons->button(QDialogButtonBox::Apply);
    layout->addWidget(buttons, 13, 0, 1, 2);
    connect(m_apply, &QPushButton::clicked, this, &BrowsePropertiesPage::apply);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_page.Changed)
            apply();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    m_page.SelectionChanged();
    m_page.Changed = false;
    sync();
}

// The first FolderBrowse among the designer's selected widgets.
std::vector<FolderBrowse*> BrowsePropertiesPage::SelectedControls() {
    std::vector<FolderBrowse*> selected;
    if (QDesignerFormWindowInterface* form =
            m_clicked ? QDesignerFormWindowInterface::findFormWindow(m_clicked) : nullptr) {
        QDesignerFormWindowCursorInterface* cursor = form->cursor();
        for (int i = 0; i < cursor->selectedWidgetCount(); ++i)
            if (auto* widget = qobject_cast<FolderBrowseWidget*>(cursor->selectedWidget(i)))
                selected.push_back(&widget->control());
    }
    if (selected.empty() && m_clicked)
        selected.push_back(&m_clicked->control());
    return selected;
}

void BrowsePropertiesPage::apply() {
    m_page.ApplyChanges();
    m_page.Changed = false;
    sync();
}

void BrowsePropertiesPage::sync() {
    for (const auto& [box, control] : m_boxes)
        box->setChecked(control->value == 1);
    const QString caption = QString::fromStdString(m_page.txtCaption.text);
    if (m_caption->text() != caption)
        m_caption->setText(caption);
    const QString start = QString::fromStdString(m_page.txtStartDirectory.text);
    if (m_startDirectory->text() != start)
        m_startDirectory->setText(start);
    m_apply->setEnabled(m_page.Changed);
}

} // namespace lumadisc
