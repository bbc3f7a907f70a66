#include "linux/linux_environment.h"

#include "linux/xdg_dirs.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

// A private folder: created 0700, and refused when it is a link or another user's (a shared
// /tmp lets anyone create the name first).
std::string privateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return "";
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
        return "";
    return path;
}

} // namespace

// The whole argument text is one drive root, which may itself contain blanks.
LinuxEnvironment::LinuxEnvironment(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            m_commandLine += ' ';
        m_commandLine += argv[i];
    }
}

std::string LinuxEnvironment::applicationFolder() {
    std::error_code error;
    const fs::path executable = fs::canonical("/proc/self/exe", error);
    return error ? "" : executable.parent_path().string();
}

bool LinuxEnvironment::runsFromOwnFolder() {
    const std::string folder = applicationFolder();
    std::error_code error;
    return fs::is_directory(fs::path(folder) / "Resources", error) &&
           ::access(folder.c_str(), W_OK) == 0;
}

std::string LinuxEnvironment::dataFolder() {
    const fs::path folder = applicationFolder();
    std::error_code error;
    if (fs::is_directory(folder / "Resources", error))
        return folder.string();
    // Relative to the executable, so that an installed tree can be moved as a whole.
    return (folder / LUMADISC_DATA_FROM_BIN).lexically_normal().string();
}

std::string LinuxEnvironment::settingsFolder() {
    const std::string config = xdgConfigHome();
    if (runsFromOwnFolder() || config.empty())
        return applicationFolder();
    const std::string folder = config + "/lumadisc";
    std::error_code ignored;
    fs::create_directories(folder, ignored);
    return folder;
}

std::string LinuxEnvironment::userLanguageFolder() {
    const std::string data = xdgDataHome();
    return runsFromOwnFolder() || data.empty() ? "" : data + "/lumadisc/Lang";
}

std::string LinuxEnvironment::commandLine() {
    return m_commandLine;
}

// A folder of our own even inside TEMP: clearing old snapshots there must never touch another
// program's files, and TEMP may well name a shared /tmp.
std::string LinuxEnvironment::tempFolder() {
    const std::string user = std::to_string(::getuid());
    if (const char* temp = std::getenv("TEMP"); temp && *temp) {
        std::error_code ignored;
        fs::create_directories(temp, ignored);
        return privateFolder(std::string(temp) + "/lumadisc-" + user);
    }
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/')
        return privateFolder(std::string(runtime) + "/lumadisc");
    return privateFolder("/tmp/lumadisc-" + user);
}

std::string LinuxEnvironment::stateFolder() {
    const std::string state = xdgStateHome();
    if (state.empty())
        return "";
    const std::string folder = state + "/lumadisc";
    std::error_code error;
    fs::create_directories(folder, error);
    return !error && fs::is_directory(folder, error) ? folder : "";
}

std::string LinuxEnvironment::joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace lumadisc
