#pragma once

#include <string>

namespace lumadisc {

class ShellFolders {
public:
    virtual ~ShellFolders() = default;
    // The user's desktop folder, or "" when it cannot be found.
    virtual std::string desktopFolder() = 0;
    // The program's folder under the user's local application data, or "" when it cannot be
    // found; created when absent.
    virtual std::string localAppDataFolder() = 0;
};

} // namespace lumadisc
