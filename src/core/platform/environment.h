#pragma once

#include <string>

namespace lumadisc {

class Environment {
public:
    virtual ~Environment() = default;
    // The folder of the executable, without a trailing separator.
    virtual std::string applicationFolder() = 0;
    // The folder of the program's read-only files (Resources, Lang, the help pages): the
    // application folder when they are beside the executable, else where they were installed.
    virtual std::string dataFolder() = 0;
    // The folder of "Config.cfg" and "errorlog.txt": the application folder when the program
    // runs from a folder of its own, else the user's settings folder of the program.
    virtual std::string settingsFolder() = 0;
    // The user's own language packs, which join those of the data folder; "" when the
    // application folder holds the only packs.
    virtual std::string userLanguageFolder() = 0;
    // The argument text after the executable's name.
    virtual std::string commandLine() = 0;
    // The program's own scratch folder, inside "TEMP" when that is set; created when absent,
    // "" when it cannot be had.
    virtual std::string tempFolder() = 0;
    // The user's state folder of the program ($XDG_STATE_HOME/lumadisc, else
    // ~/.local/state/lumadisc); created when absent, "" when it cannot be had.
    virtual std::string stateFolder() = 0;
    // Joins a folder and a name with the platform's separator.
    virtual std::string joinPath(const std::string& folder, const std::string& name) = 0;
};

} // namespace lumadisc
