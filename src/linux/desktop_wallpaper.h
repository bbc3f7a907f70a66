#pragma once

#include <string>

namespace lumadisc {

enum class WallpaperStyle { Center, Tile, Stretch };

// Each desktop's own way of keeping its wallpaper. They report nothing: a desktop whose settings
// cannot be reached keeps its wallpaper.

// org.gnome.desktop.background: GNOME and Budgie, and the GNOME programs on Cinnamon and MATE.
void setGnomeBackground(const std::string& path, WallpaperStyle style);
// org.cinnamon.desktop.background, where installed.
void setCinnamonBackground(const std::string& path, WallpaperStyle style);
// org.mate.background, where installed.
void setMateBackground(const std::string& path, WallpaperStyle style);
// Every desktop of the Plasma shell, through its scripting interface on the session bus.
void setPlasmaWallpaper(const std::string& path, WallpaperStyle style);
// Every monitor and workspace of xfdesktop that has a backdrop, through xfconf.
void setXfceBackdrop(const std::string& path, WallpaperStyle style);

} // namespace lumadisc
