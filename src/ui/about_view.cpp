#include "ui/about_view.h"

#include "core/options/about_form.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace lumadisc {

namespace {
QLabel* linkLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

QString link(const std::string& caption) {
    const QString text = QString::fromStdString(caption).toHtmlEscaped();
    return QStringLiteral("<a href=\"#\">%1</a>").arg(text);
}

template <typename Widget> void setText(Widget* widget, const QString& text) {
    if (widget->text() != text)
        widget->setText(text);
}
} // namespace

AboutView::AboutView(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setModal(true);
    m_icon = new QLabel(QStringLiteral("\u25C9"), this);
    m_icon->setObjectName(QStringLiteral("picIcon"));
    m_icon->setStyleSheet(QStringLiteral("color: #4aa3ff; font-size: 40px;"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold;"));
    m_version = new QLabel(this);
    m_version->setObjectName(QStringLiteral("lblVersion"));
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("lblDescription"));
    m_description->setWordWrap(true);
    m_description->setMinimumWidth(340);
    m_site = linkLabel(this, QStringLiteral("siteLinkLabel"));
    m_mail = linkLabel(this, QStringLiteral("mailLinkLabel"));
    m_ok = new QPushButton(this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(m_title, 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(m_description, 2, 1);
    layout->addWidget(m_site, 3, 1);
    layout->addWidget(m_mail, 4, 1);
    layout->addWidget(m_ok, 5, 1, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &AboutView::okClicked);
    connect(m_site, &QLabel::linkActivated, this, &AboutView::siteClicked);
    connect(m_mail, &QLabel::linkActivated, this, &AboutView::mailClicked);
}

void AboutView::sync(const AboutForm& form) {
    const QString title = QString::fromStdString(form.caption);
    if (windowTitle() != title)
        setWindowTitle(title);
    setText(m_title, QString::fromStdString(form.lblTitle.caption));
    setText(m_version, QString::fromStdString(form.lblVersion.caption));
    setText(m_description, QString::fromStdString(form.lblDescription.caption));
    setText(m_site, link(form.siteLinkLabel.caption));
    setText(m_mail, link(form.mailLinkLabel.caption));
    setText(m_ok, QString::fromStdString(form.cmdOK.caption));
    if (isVisible() != form.visible)
        setVisible(form.visible);
}

void AboutView::closeEvent(QCloseEvent* event) {
    event->ignore();
    emit closeRequested();
}

} // namespace lumadisc
