#include "ui/keyboard.h"

#include "core/skin/actions.h"
#include "ui/main_window_view.h"
#include "ui/view_hub.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace lumadisc {

const Action* keyAction(const QKeyEvent& event, bool fullScreen) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return nullptr;
    // The key's portable name ("Space", "S", "Esc", "+") is how the action table lists it.
    const QString key = QKeySequence(event.key()).toString(QKeySequence::PortableText);
    return actionForKey(key.toStdString(), fullScreen, event.isAutoRepeat());
}

bool handleShortcut(ViewHub& hub, QKeyEvent* event) {
    const Action* action = keyAction(*event, hub.mainView().isFullScreenVideo());
    if (!action)
        return false;
    hub.call([&] { action->perform(hub.program()); });
    return true;
}

} // namespace lumadisc
