#pragma once

#include "core/platform/shell_folders.h"

namespace lumadisc {

// The XDG base and user directories; the environment is read on every call.
class LinuxShellFolders : public ShellFolders {
public:
    std::string desktopFolder() override;
    std::string localAppDataFolder() override;
};

} // namespace lumadisc
