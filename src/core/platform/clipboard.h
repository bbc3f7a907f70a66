#pragma once

#include <string>

namespace lumadisc {

// The desktop's clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    // Loads the picture in `file` and places it on the clipboard as an image, where it stays
    // while the program runs. Throws Failure when the file holds no readable picture.
    virtual void setPicture(const std::string& file) = 0;
};

} // namespace lumadisc
