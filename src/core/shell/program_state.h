#pragma once

#include "core/platform/disc_info.h"
#include "core/shell/settings_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumadisc {

// Program-wide state shared by the windows.
struct ProgramState {
    SettingsRecord settings;

    // Drive menu: element k stands for drive-menu item k.
    std::vector<std::string> driveLetters;
    std::vector<std::string> driveCaptions;
    std::string selectedDrive;
    std::string watchedDrive;
    std::int16_t lastDriveIndex = 0;
    bool noDriveListed = false;

    std::vector<std::string> engineOptions;
    bool userStopped = false;
    // The disc whose start failed (its identity): the disc watch leaves it alone until it
    // changes or leaves the drive.
    std::string failedDisc;
    // The structure of the disc started last, read once as it starts; nothing when it has none
    // that can be read.
    std::optional<DiscFacts> disc;

    // The OK and Cancel texts of the current language.
    std::string okText;
    std::string cancelText;
};

} // namespace lumadisc
