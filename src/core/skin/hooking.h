#pragma once

namespace lumadisc {

// Messages as a movie window receives them.
namespace msg {
constexpr int Null = 0;
constexpr int KeyDown = 0x100;
constexpr int KeyUp = 0x101;
constexpr int LeftButtonDown = 0x201;
constexpr int LeftButtonUp = 0x202;
constexpr int RightButtonDown = 0x204;
constexpr int RightButtonUp = 0x205;
constexpr int VkApps = 0x5D; // the context-menu key
} // namespace msg

// The movies' replacement window procedure: the right-button press and the context-menu key's
// press become the null message, so the movie's own context menu never opens. Everything else,
// the right-button release included, passes unchanged.
constexpr int MovieProc(int message, int wParam) {
    if (message == msg::RightButtonDown || (message == msg::KeyDown && wParam == msg::VkApps))
        return msg::Null;
    return message;
}

} // namespace lumadisc
