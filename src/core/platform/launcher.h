#pragma once

#include <string>

namespace lumadisc {

// Opens a file, web address or mailto: address with the desktop's default program.
class Launcher {
public:
    virtual ~Launcher() = default;
    // False when nothing could be opened.
    virtual bool open(const std::string& target) = 0;
};

} // namespace lumadisc
