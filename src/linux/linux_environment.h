#pragma once

#include "core/platform/environment.h"

#include <string>

namespace lumadisc {

class LinuxEnvironment : public Environment {
public:
    LinuxEnvironment(int argc, const char* const* argv);

    std::string applicationFolder() override;
    // A folder holding Resources beside the executable is a program of its own (the build
    // folder, a copy run from anywhere): data and settings stay there while it can be written.
    // Otherwise the program is installed: the data is in the installed data folder, the
    // settings in $XDG_CONFIG_HOME/lumadisc, the user's own packs in $XDG_DATA_HOME/lumadisc/Lang.
    std::string dataFolder() override;
    std::string settingsFolder() override;
    std::string userLanguageFolder() override;
    std::string commandLine() override;
    // TEMP when set; otherwise a folder of the program's own, so that clearing old snapshots
    // there never touches other programs' files in a shared /tmp.
    std::string tempFolder() override;
    // Always the user's folder, even for a program run from its own folder: what it keeps there
    // (where each disc was left) belongs to the user, not to a copy of the program.
    std::string stateFolder() override;
    std::string joinPath(const std::string& folder, const std::string& name) override;

private:
    bool runsFromOwnFolder();
    std::string m_commandLine;
};

} // namespace lumadisc
