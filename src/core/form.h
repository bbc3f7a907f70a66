#pragma once

#include "core/controls.h"

#include <string>

namespace lumadisc {

enum class WindowState { Normal, Minimized, Maximized };

// What every window has: its caption, visibility, state and place. Sizes and positions are in
// twips, as the screen's twips-per-pixel factors convert them.
struct Form {
    Shown<std::string> caption;
    Shown<bool> visible = false;
    Shown<bool> enabled = true;
    Shown<WindowState> windowState = WindowState::Normal;
    Shown<int> left = 0;
    Shown<int> top = 0;
    Shown<int> width = 0;
    Shown<int> height = 0;
};

} // namespace lumadisc
