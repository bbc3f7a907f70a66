#include "ui/disc_drop.h"

#include "core/drives/command_line_disc.h"
#include "ui/view_hub.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace lumadisc {

namespace {
QString droppedPath(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}
} // namespace

DiscDrop::DiscDrop(ViewHub& hub, QWidget* window) : QObject(window), m_hub(hub) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

bool DiscDrop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::DragEnter) {
        auto* enter = static_cast<QDragEnterEvent*>(event);
        if (!droppedPath(enter->mimeData()).isEmpty())
            enter->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::string path = droppedPath(drop->mimeData()).toStdString();
        if (!path.empty()) {
            drop->acceptProposedAction();
            m_hub.call([this, path] { playDroppedDisc(m_hub.program(), path); });
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace lumadisc
