#include "ui/folderbrowse/folder_browse_widget.h"

#include "ui/folderbrowse/folder_picker_dialog.h"

#include <QPainter>
#include <QStyle>

namespace lumadisc {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

FolderBrowseWidget::FolderBrowseWidget(QWidget* parent) : QWidget(parent), m_control(*this, this) {
    setObjectName(QStringLiteral("FolderBrowse"));
    keepFixedSize();
}

QString FolderBrowseWidget::textOf(const char* name) const {
    return QString::fromStdString(m_control.text(name));
}

void FolderBrowseWidget::setText(const char* name, const QString& text) {
    m_control.let(name, text.toStdString());
}

void FolderBrowseWidget::propertyChanged(const std::string& name) {
    emit propertyWritten(QString::fromStdString(name));
}

std::string FolderBrowseWidget::BrowseForFolderPath(const BrowseInfo& info) {
    return FolderPickerDialog::run(info, window());
}

void FolderBrowseWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->standardIcon(QStyle::SP_DirIcon).paint(&painter, rect());
}

void FolderBrowseWidget::resizeEvent(QResizeEvent*) {
    keepFixedSize();
}

// Whatever size the form gives, the control keeps its fixed square (in twips).
void FolderBrowseWidget::keepFixedSize() {
    int widthTwips = 0;
    int heightTwips = 0;
    m_control.UserControl_Resize(widthTwips, heightTwips);
    const QSize fixed(qRound(widthTwips * logicalDpiX() / kTwipsPerInch),
                      qRound(heightTwips * logicalDpiY() / kTwipsPerInch));
    if (size() != fixed)
        setFixedSize(fixed);
}

} // namespace lumadisc
