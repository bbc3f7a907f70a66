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
    // Where the three folders are not set, everything is beside the executable.
    std::string data;
    std::string settings;
    std::string userLanguages;
    std::string state;

    std::string applicationFolder() override { return appFolder; }
    std::string dataFolder() override { return data.empty() ? appFolder : data; }
    std::string settingsFolder() override { return settings.empty() ? appFolder : settings; }
    std::string userLanguageFolder() override { return userLanguages; }
    std::string commandLine() override { return commandLineText; }
    std::string tempFolder() override { return temp; }
    std::string stateFolder() override { return state; }
    std::string joinPath(const std::string& folder, const std::string& name) override {
        return folder + "/" + name;
    }
};

} // namespace lumadisc::test
