#include "linux/linux_shell_folders.h"

#include "linux/xdg_dirs.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

constexpr std::string_view kHomeVariable = "$HOME";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The value of `key` in user-dirs.dirs: a shell assignment such as
// XDG_DESKTOP_DIR="$HOME/Desktop", either absolute or relative to $HOME. Nothing when the key is
// absent or its value has neither form.
std::optional<std::string> userDirectory(const std::string& file, const std::string& key) {
    std::ifstream dirs(file);
    std::string line;
    const std::string prefix = key + "=\"";
    while (std::getline(dirs, line)) {
        if (!line.starts_with(prefix))
            continue;
        std::string value;
        bool closed = false;
        for (std::size_t i = prefix.size(); i < line.size() && !closed; ++i) {
            if (line[i] == '\\' && i + 1 < line.size())
                value += line[++i];
            else if (line[i] == '"')
                closed = true;
            else
                value += line[i];
        }
        if (!closed)
            return std::nullopt;
        if (value == kHomeVariable || value.starts_with(std::string(kHomeVariable) + "/")) {
            const std::string home = environment("HOME");
            if (home.empty())
                return std::nullopt;
            return withoutTrailingSlashes(home + value.substr(kHomeVariable.size()));
        }
        if (value.starts_with('/'))
            return withoutTrailingSlashes(value);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::string LinuxShellFolders::desktopFolder() {
    const std::string config = xdgBaseDirectory("XDG_CONFIG_HOME", ".config");
    if (!config.empty()) {
        if (auto desktop = userDirectory(config + "/user-dirs.dirs", "XDG_DESKTOP_DIR"))
            return *desktop;
    }
    const std::string home = environment("HOME");
    return home.empty() ? "" : withoutTrailingSlashes(home) + "/Desktop";
}

std::string LinuxShellFolders::localAppDataFolder() {
    const std::string data = xdgBaseDirectory("XDG_DATA_HOME", ".local/share");
    if (data.empty())
        return "";
    const std::string folder = withoutTrailingSlashes(data) + "/lumadisc";
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error) ? folder : "";
}

} // namespace lumadisc
