#include "ui/movie_hook.h"

#include "core/skin/hooking.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace lumadisc {

namespace {
int messageOf(QEvent* event, int& wParam) {
    wParam = 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        return button == Qt::RightButton  ? msg::RightButtonDown
               : button == Qt::LeftButton ? msg::LeftButtonDown
                                          : -1;
    }
    case QEvent::MouseButtonRelease: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        return button == Qt::RightButton  ? msg::RightButtonUp
               : button == Qt::LeftButton ? msg::LeftButtonUp
                                          : -1;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu)
            wParam = msg::VkApps;
        return event->type() == QEvent::KeyPress ? msg::KeyDown : msg::KeyUp;
    case QEvent::ContextMenu:
        // The toolkit's own context-menu request follows the right press or the menu key.
        return msg::RightButtonDown;
    default:
        return -1;
    }
}
} // namespace

bool MovieHook::eventFilter(QObject* watched, QEvent* event) {
    int wParam = 0;
    const int message = messageOf(event, wParam);
    if (message >= 0 && MovieProc(message, wParam) == msg::Null)
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace lumadisc
