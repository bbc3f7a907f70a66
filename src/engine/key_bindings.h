#pragma once

#include <map>
#include <optional>
#include <string>

namespace lumadisc {

// The engine's hot keys, emulated: the program binds a key variable ("key-snapshot", ...) to a
// code and then reports that code as pressed.
class KeyBindings {
public:
    enum class Action { FullScreen, Snapshot, NavUp, NavDown, NavLeft, NavRight, NavActivate };

    // Binds `code` to the action of `variable`, replacing the action's earlier code; a variable
    // that names no action binds nothing.
    void bind(const std::string& variable, int code);
    // The action bound to `code`, if any.
    std::optional<Action> actionFor(int code) const;

private:
    std::map<Action, int> m_codes;
};

} // namespace lumadisc
