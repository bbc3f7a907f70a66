#pragma once

#include <string>

namespace lumadisc {

// An XDG base directory: the variable when it holds an absolute path (others are to be
// ignored), else its default below HOME; "" without either.
std::string xdgBaseDirectory(const char* variable, const char* homeDefault);

// $XDG_DATA_HOME, $XDG_CONFIG_HOME and $XDG_STATE_HOME with their defaults.
inline std::string xdgDataHome() {
    return xdgBaseDirectory("XDG_DATA_HOME", ".local/share");
}
inline std::string xdgConfigHome() {
    return xdgBaseDirectory("XDG_CONFIG_HOME", ".config");
}
inline std::string xdgStateHome() {
    return xdgBaseDirectory("XDG_STATE_HOME", ".local/state");
}

} // namespace lumadisc
