#include "engine/key_bindings.h"

#include <array>
#include <utility>

namespace lumadisc {

void KeyBindings::bind(const std::string& variable, int code) {
    static const std::array<std::pair<const char*, Action>, 7> variables{{
        {"key-fullscreen", Action::FullScreen},
        {"key-snapshot", Action::Snapshot},
        {"key-nav-up", Action::NavUp},
        {"key-nav-down", Action::NavDown},
        {"key-nav-left", Action::NavLeft},
        {"key-nav-right", Action::NavRight},
        {"key-nav-activate", Action::NavActivate},
    }};
    for (const auto& [name, action] : variables) {
        if (variable == name) {
            m_codes[action] = code;
            return;
        }
    }
}

std::optional<KeyBindings::Action> KeyBindings::actionFor(int code) const {
    for (const auto& [action, bound] : m_codes) {
        if (bound == code)
            return action;
    }
    return std::nullopt;
}

} // namespace lumadisc
