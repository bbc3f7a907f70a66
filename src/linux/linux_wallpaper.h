#pragma once

#include "core/platform/wallpaper.h"

#include <string>

namespace lumadisc {

// Sets the wallpaper the way the running desktop keeps it, chosen by XDG_CURRENT_DESKTOP: the
// GNOME family (GNOME, Budgie, Cinnamon, MATE) through GSettings, KDE Plasma through its
// shell's scripting interface, XFCE through xfconf. An unknown desktop changes nothing.
class LinuxWallpaper : public Wallpaper {
public:
    void set(const std::string& path, int style) override;
};

} // namespace lumadisc
