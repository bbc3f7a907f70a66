#pragma once

#include <string>

namespace lumadisc {

// The desktop's wallpaper.
class Wallpaper {
public:
    virtual ~Wallpaper() = default;
    // Shows the picture in `path` as the wallpaper and keeps it for the next sessions; `style` is
    // 0 centred, 1 tiled, 2 stretched. Reports nothing: where the desktop's settings cannot be
    // reached, the wallpaper stays as it was.
    virtual void set(const std::string& path, int style) = 0;
};

} // namespace lumadisc
