#pragma once

#include <string>

namespace lumadisc {

enum class WindowState { Normal, Minimized, Maximized };

// What every window has: its caption, visibility, state and place. Sizes and positions are in
// twips, as the screen's twips-per-pixel factors convert them.
struct Form {
    std::string caption;
    bool visible = false;
    bool enabled = true;
    WindowState windowState = WindowState::Normal;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

} // namespace lumadisc
