#pragma once

#include "core/platform/environment.h"

#include <string>

namespace lumadisc::test {

// An Environment whose answers are plain fields; paths are joined with "/".
class FakeEnvironment : public Environment {
public:
    std::string appFolder;
    std::string commandLineText;
    std::string temp;

    std::string applicationFolder() override;
    std::string commandLine() override;
    std::string tempFolder() override;
    std::string joinPath(const std::string& folder, const std::string& name) override;
};

} // namespace lumadisc::test
