#include "ui/options_view.h"

#include "core/options/options_dialog.h"
#include "ui/view_hub.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumadisc {

namespace {
QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void setCaption(QAbstractButton* button, const std::string& caption) {
    if (button->text() != qt(caption))
        button->setText(qt(caption));
}

// A check box shows 0 clear and 1 ticked; a setting with any other value shows half ticked
// until the user clicks it.
void syncCheckBox(QCheckBox* box, const CheckBox& control) {
    setCaption(box, control.caption);
    const Qt::CheckState state = control.value == 0   ? Qt::Unchecked
                                 : control.value == 1 ? Qt::Checked
                                                      : Qt::PartiallyChecked;
    box->setTristate(state == Qt::PartiallyChecked);
    if (box->checkState() != state)
        box->setCheckState(state);
    box->setEnabled(control.enabled);
}

void syncOption(QRadioButton* button, const OptionButton& control) {
    setCaption(button, control.caption);
    if (button->isChecked() != control.value) {
        // An exclusive group refuses to clear its checked button.
        button->setAutoExclusive(false);
        button->setChecked(control.value);
        button->setAutoExclusive(true);
    }
    button->setEnabled(control.enabled);
}

void syncCombo(QComboBox* combo, const ComboBox& control) {
    QStringList items;
    for (const std::string& item : control.items)
        items << qt(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    if (shown != items) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != control.listIndex)
        combo->setCurrentIndex(control.listIndex);
    combo->setEnabled(control.enabled);
}
} // namespace

OptionsView::OptionsView(ViewHub& hub, OptionsDialog& form, QWidget* parent)
    : QDialog(parent), m_hub(hub), m_form(form) {
    setObjectName(QStringLiteral("OptionsDialog"));

    m_snapshots = named(new QGroupBox(this), "snapshotsFrame");
    m_toFile = named(new QRadioButton(m_snapshots), "optToFile");
    m_path = named(new QLineEdit(m_snapshots), "snapshotPath");
    m_path->setMinimumWidth(300);
    m_browse = named(new QPushButton(m_snapshots), "snapshotsBrowse");
    m_browse->setAutoDefault(false);
    m_toClipboard = named(new QRadioButton(m_snapshots), "optToClipboard");
    m_toDesktop = named(new QRadioButton(m_snapshots), "optToDesktop");
    m_wallpaperType = named(new QComboBox(m_snapshots), "cmbWallpaperType");
    auto* snapshots = new QGridLayout(m_snapshots);
    snapshots->addWidget(m_toFile, 0, 0);
    snapshots->addWidget(m_path, 0, 1);
    snapshots->addWidget(m_browse, 0, 2);
    snapshots->addWidget(m_toClipboard, 1, 0, 1, 3);
    snapshots->addWidget(m_toDesktop, 2, 0);
    snapshots->addWidget(m_wallpaperType, 2, 1, Qt::AlignLeft);
    snapshots->setColumnStretch(1, 1);

    m_video = named(new QGroupBox(this), "frameVideo");
    m_overlay = named(new QCheckBox(m_video), "chkOverlay");
    (new QVBoxLayout(m_video))->addWidget(m_overlay);

    m_miscellaneous = named(new QGroupBox(this), "frameMiscellaneous");
    m_autoPlay = named(new QCheckBox(m_miscellaneous), "chkAutoPlay");
    m_screenSaver = named(new QCheckBox(m_miscellaneous), "chkScreenSaver");
    auto* miscellaneous = new QVBoxLayout(m_miscellaneous);
    miscellaneous->addWidget(m_autoPlay);
    miscellaneous->addWidget(m_screenSaver);

    m_language = named(new QGroupBox(this), "languageFrame");
    m_languageLabel = named(new QLabel(m_language), "languageLabel");
    m_languages = named(new QComboBox(m_language), "availableLanguages");
    m_languages->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_languageLabel->setBuddy(m_languages);
    auto* language = new QHBoxLayout(m_language);
    language->addWidget(m_languageLabel);
    language->addWidget(m_languages, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = named(buttons->addButton(QString(), QDialogButtonBox::AcceptRole), "OKButton");
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "CancelButton");
    m_ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_snapshots, 0, 0, 1, 2);
    layout->addWidget(m_video, 1, 0);
    layout->addWidget(m_miscellaneous, 1, 1);
    layout->addWidget(m_language, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto box = [this](QCheckBox* widget, CheckBox OptionsDialog::*control) {
        connect(widget, &QCheckBox::clicked, this, [this, control](bool ticked) {
            edit([=](OptionsDialog& f) { (f.*control).value = ticked ? 1 : 0; });
        });
    };
    box(m_overlay, &OptionsDialog::chkOverlay);
    box(m_autoPlay, &OptionsDialog::chkAutoPlay);
    box(m_screenSaver, &OptionsDialog::chkScreenSaver);
    connect(m_toFile, &QRadioButton::clicked, this,
            [this] { edit([](OptionsDialog& f) { f.optToFile_Click(); }); });
    connect(m_toClipboard, &QRadioButton::clicked, this,
            [this] { edit([](OptionsDialog& f) { f.optToClipboard_Click(); }); });
    connect(m_toDesktop, &QRadioButton::clicked, this,
            [this] { edit([](OptionsDialog& f) { f.optToDesktop_Click(); }); });
    connect(m_path, &QLineEdit::textEdited, this, [this](const QString& text) {
        edit([text](OptionsDialog& f) { f.snapshotPath.text = text.toStdString(); });
    });
    connect(m_wallpaperType, &QComboBox::activated, this, [this](int index) {
        edit([index](OptionsDialog& f) { f.cmbWallpaperType.listIndex = index; });
    });
    connect(m_languages, &QComboBox::activated, this, [this](int index) {
        edit([index](OptionsDialog& f) { f.availableLanguages.listIndex = index; });
    });
    connect(m_browse, &QPushButton::clicked, this,
            [this] { edit([](OptionsDialog& f) { f.snapshotsBrowse_Click(); }); });
    connect(m_ok, &QPushButton::clicked, this,
            [this] { edit([](OptionsDialog& f) { f.OKButton_Click(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &OptionsView::reject);
}

void OptionsView::edit(const std::function<void(OptionsDialog&)>& change) {
    OptionsDialog& form = m_form;
    m_hub.call([&form, &change] { change(form); });
}

void OptionsView::sync() {
    const OptionsDialog& f = m_form;
    setWindowTitle(qt(f.caption));
    // The window's controls, not the window: the folder dialog shown over it is its child and
    // would be disabled with it.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->setEnabled(f.enabled);
    m_snapshots->setTitle(qt(f.snapshotsFrame.caption));
    syncOption(m_toFile, f.optToFile);
    if (m_path->text() != qt(f.snapshotPath.text))
        m_path->setText(qt(f.snapshotPath.text));
    m_path->setEnabled(f.snapshotPath.enabled);
    setCaption(m_browse, f.snapshotsBrowse.caption);
    m_browse->setEnabled(f.snapshotsBrowse.enabled);
    syncOption(m_toClipboard, f.optToClipboard);
    syncOption(m_toDesktop, f.optToDesktop);
    syncCombo(m_wallpaperType, f.cmbWallpaperType);
    m_video->setTitle(qt(f.frameVideo.caption));
    syncCheckBox(m_overlay, f.chkOverlay);
    m_miscellaneous->setTitle(qt(f.frameMiscellaneous.caption));
    syncCheckBox(m_autoPlay, f.chkAutoPlay);
    syncCheckBox(m_screenSaver, f.chkScreenSaver);
    m_language->setTitle(qt(f.languageFrame.caption));
    m_languageLabel->setText(qt(f.languageLabel.caption));
    syncCombo(m_languages, f.availableLanguages);
    setCaption(m_ok, f.OKButton.caption);
    setCaption(m_cancel, f.CancelButton.caption);
}

// Esc and the title bar's close button are the Cancel button.
void OptionsView::reject() {
    edit([](OptionsDialog& f) { f.CancelButton_Click(); });
}

// Each opening starts on the chosen destination, however the window was left.
void OptionsView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QRadioButton* button : {m_toFile, m_toClipboard, m_toDesktop})
        if (button->isChecked())
            button->setFocus();
}

void OptionsView::closeEvent(QCloseEvent* event) {
    event->ignore();
    reject();
}

} // namespace lumadisc
