#pragma once

#include <cstdint>
#include <string_view>

namespace lumadisc {

class Program;

// When a key runs its action.
enum class KeyUse {
    Once,          // on the press only, not while the key is held down
    Repeats,       // on the press and again while the key is held down
    FullScreenOnly // only while the video fills the screen; otherwise the key is left alone
};

// One thing the user can ask of the player, every way of asking for it, and what it does, so an
// action behaves alike from every source. An empty field means "not this way".
struct Action {
    // The control bar movie's command, compared exactly (case and blanks count).
    std::string_view command;
    // The keys of either window, by their portable names ("Space", "S", "Up", "Esc", "+"),
    // separated by blanks.
    std::string_view keys;
    KeyUse keyUse;
    // The name of the menu item that runs it.
    std::string_view menuItem;
    // The remote-control method that runs it ("Play", "Quit").
    std::string_view remote;
    // `index` is the chosen item's index in a menu item array (the drive menu), else 0.
    void (*run)(Program& program, std::int16_t index);

    void perform(Program& program, std::int16_t index = 0) const;
};

// The action of a control bar command: the first, in the order in which the control bar's
// commands are documented, whose command is exactly `command`.
const Action* actionForCommand(std::string_view command);
// The action of a key press, or none: the key has no action, is held down and its action does
// not repeat, or needs full screen.
const Action* actionForKey(std::string_view key, bool fullScreen, bool autoRepeat);
const Action* actionForMenuItem(std::string_view name);
const Action* actionForRemote(std::string_view method);

} // namespace lumadisc
