#pragma once

#include <string>

namespace lumadisc {

class Environment {
public:
    virtual ~Environment() = default;
    // The folder of the executable, without a trailing separator.
    virtual std::string applicationFolder() = 0;
    // The argument text after the executable's name.
    virtual std::string commandLine() = 0;
    // The program's own scratch folder, inside "TEMP" when that is set; created when absent,
    // "" when it cannot be had.
    virtual std::string tempFolder() = 0;
    // Joins a folder and a name with the platform's separator.
    virtual std::string joinPath(const std::string& folder, const std::string& name) = 0;
};

} // namespace lumadisc
