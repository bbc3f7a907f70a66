#pragma once

class QKeyEvent;

namespace lumadisc {

class ViewHub;

// Runs the shortcut of a key pressed in either window; false when the key has none.
bool handleShortcut(ViewHub& hub, QKeyEvent* event);

} // namespace lumadisc
