#pragma once

#include <cstdint>
#include <string>

namespace lumadisc {

// The user's settings, in the order of the lines of "Config.cfg".
struct SettingsRecord {
    std::string languageFile;
    std::string snapshotFolder;
    std::int16_t useOverlay = 0;
    std::int16_t disableScreenSaver = 0;
    std::int16_t snapshotTarget = 0; // 0 file, 1 clipboard, 2 wallpaper
    std::int16_t wallpaperStyle = 0; // 0 center, 1 tile, 2 stretch
    std::int16_t autoPlay = 0;

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace lumadisc
