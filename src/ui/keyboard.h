#pragma once

class QKeyEvent;

namespace lumadisc {

struct Action;
class ViewHub;

// The action of a key pressed in either window (`core/skin/actions.h`), or none.
const Action* keyAction(const QKeyEvent& event, bool fullScreen);
// Runs the action of a key pressed in either window; false when the key has none.
bool handleShortcut(ViewHub& hub, QKeyEvent* event);

} // namespace lumadisc
