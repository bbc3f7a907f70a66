#pragma once

#include "core/platform/environment.h"

#include <string>

namespace lumadisc {

class LinuxEnvironment : public Environment {
public:
    LinuxEnvironment(int argc, const char* const* argv);

    std::string applicationFolder() override;
    std::string commandLine() override;
    // TEMP when set; otherwise a folder of the program's own, so that clearing old snapshots
    // there never touches other programs' files in a shared /tmp.
    std::string tempFolder() override;
    std::string joinPath(const std::string& folder, const std::string& name) override;

private:
    std::string m_commandLine;
};

} // namespace lumadisc
