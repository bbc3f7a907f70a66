#include "ui/qt_launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace lumadisc {

bool QtLauncher::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url = QFileInfo(text).isAbsolute() ? QUrl::fromLocalFile(text) : QUrl(text);
    return QDesktopServices::openUrl(url);
}

} // namespace lumadisc
