#pragma once

namespace lumadisc {

class Program;

enum class ShortcutKey { Space, S, Up, Down, Left, Right, Enter, F, Escape, M, Plus, Minus };

// The keyboard of either window: each key runs the control bar command it stands for, so it
// behaves exactly like the button. Space plays or pauses; Esc only leaves full screen. Returns
// whether the key had something to do.
bool runShortcut(Program& program, ShortcutKey key, bool fullScreen);

} // namespace lumadisc
