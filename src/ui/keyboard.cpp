#include "ui/keyboard.h"

#include "core/skin/shortcuts.h"
#include "ui/main_window_view.h"
#include "ui/view_hub.h"

#include <QKeyEvent>

#include <optional>

namespace lumadisc {

namespace {
std::optional<ShortcutKey> shortcutKey(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Space:
        return ShortcutKey::Space;
    case Qt::Key_S:
        return ShortcutKey::S;
    case Qt::Key_Up:
        return ShortcutKey::Up;
    case Qt::Key_Down:
        return ShortcutKey::Down;
    case Qt::Key_Left:
        return ShortcutKey::Left;
    case Qt::Key_Right:
        return ShortcutKey::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ShortcutKey::Enter;
    case Qt::Key_F:
        return ShortcutKey::F;
    case Qt::Key_Escape:
        return ShortcutKey::Escape;
    case Qt::Key_M:
        return ShortcutKey::M;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return ShortcutKey::Plus;
    case Qt::Key_Minus:
        return ShortcutKey::Minus;
    default:
        return std::nullopt;
    }
}
} // namespace

bool handleShortcut(ViewHub& hub, QKeyEvent* event) {
    const auto key = shortcutKey(*event);
    if (!key)
        return false;
    const bool repeats = *key == ShortcutKey::Plus || *key == ShortcutKey::Minus;
    if (event->isAutoRepeat() && !repeats)
        return false;
    bool handled = false;
    hub.call(
        [&] { handled = runShortcut(hub.program(), *key, hub.mainView().isFullScreenVideo()); });
    return handled;
}

} // namespace lumadisc
