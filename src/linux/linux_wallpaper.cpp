#include "linux/linux_wallpaper.h"

#include "linux/desktop_wallpaper.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumadisc {

namespace {

enum class Desktop { Unknown, Gnome, Cinnamon, Mate, Plasma, Xfce };

// XDG_CURRENT_DESKTOP lists names from the most to the least specific ("Budgie:GNOME"); the
// first name we know decides.
Desktop currentDesktop() {
    const QList<QByteArray> names = qgetenv("XDG_CURRENT_DESKTOP").toLower().split(':');
    for (const QByteArray& name : names) {
        if (name == "gnome" || name.startsWith("gnome-") || name == "budgie" || name == "unity")
            return Desktop::Gnome;
        if (name == "x-cinnamon" || name == "cinnamon")
            return Desktop::Cinnamon;
        if (name == "mate")
            return Desktop::Mate;
        if (name == "kde")
            return Desktop::Plasma;
        if (name == "xfce")
            return Desktop::Xfce;
    }
    return Desktop::Unknown;
}

} // namespace

void LinuxWallpaper::set(const std::string& path, int style) {
    const WallpaperStyle fit = style == 1   ? WallpaperStyle::Tile
                               : style == 2 ? WallpaperStyle::Stretch
                                            : WallpaperStyle::Center;
    switch (currentDesktop()) {
    case Desktop::Gnome:
        setGnomeBackground(path, fit);
        break;
    case Desktop::Cinnamon:
        setGnomeBackground(path, fit);
        setCinnamonBackground(path, fit);
        break;
    case Desktop::Mate:
        setGnomeBackground(path, fit);
        setMateBackground(path, fit);
        break;
    case Desktop::Plasma:
        setPlasmaWallpaper(path, fit);
        break;
    case Desktop::Xfce:
        setXfceBackdrop(path, fit);
        break;
    case Desktop::Unknown:
        break;
    }
}

} // namespace lumadisc
