#include "support/fake_environment.h"

namespace lumadisc::test {

std::string FakeEnvironment::applicationFolder() {
    return appFolder;
}

std::string FakeEnvironment::commandLine() {
    return commandLineText;
}

std::string FakeEnvironment::tempFolder() {
    return temp;
}

std::string FakeEnvironment::joinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

} // namespace lumadisc::test
