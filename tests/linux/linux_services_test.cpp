// The Linux services other than drives: clock, disk space, environment, shell folders and the
// wallpaper.
#include "linux/linux_clock.h"
#include "linux/linux_disk_space.h"
#include "linux/linux_environment.h"
#include "linux/linux_shell_folders.h"
#include "linux/linux_wallpaper.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdlib>
#include <regex>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

// A locale that is not installed must not stop the program: the default formats then.
TEST(LinuxClockTest, WithoutTheUsersLocaleDateAndTimeAreInTheDefaultFormats) {
    ScopedEnv missing("LC_ALL", "xx_YY.UTF-8");
    LinuxClock clock;
    const std::string now = clock.shortDateText() + " " + clock.timeText();
    EXPECT_TRUE(
        std::regex_match(now, std::regex("[01]\\d/[0-3]\\d/\\d\\d [0-2]\\d:[0-5]\\d:[0-6]\\d")))
        << "not in the default formats: " << now;
}

// The blocks a file system keeps for the administrator are not the user's to fill.
TEST(LinuxDiskSpaceTest, TheBlocksReservedForTheAdministratorAreNotAvailableToTheUser) {
    TempDir folder;
    LinuxDiskSpace space;
    DiskSpace::Figures figures;
    struct statvfs volume {};
    ASSERT_TRUE(space.query(folder.str(), figures) &&
                ::statvfs(folder.str().c_str(), &volume) == 0);
    EXPECT_EQ(figures.availableToUser < figures.totalFree, volume.f_bavail < volume.f_bfree)
        << "blocks reserved for the administrator counted as available to the user, or not";
    EXPECT_FALSE(space.query((folder.path() / "gone").string(), figures));
}

TEST(LinuxEnvironmentTest, TheArgumentsAreOneDiscRootTheTempFolderAPrivateFolderInTempRunOrTmp) {
    const char* arguments[] = {"lumadisc", "/home/u/My", "Film", "(2004).iso"};
    LinuxEnvironment environment(4, arguments);
    EXPECT_EQ(environment.commandLine(), "/home/u/My Film (2004).iso") << "arguments not joined";
    TempDir runtime;
    const fs::path privateFolder = runtime.path() / "lumadisc";
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    {
        // TEMP wins, made when absent, but the program keeps to a folder of its own there: TEMP
        // may be a shared /tmp where clearing "IMG_*.jpg" would hit others' files.
        const std::string temp = (runtime.path() / "my temp").string();
        ScopedEnv tempVariable("TEMP", temp);
        EXPECT_EQ(environment.tempFolder(), temp + "/lumadisc-" + std::to_string(::getuid()));
    }
    ScopedEnv emptyTemp("TEMP", ""); // an empty TEMP is no TEMP
    EXPECT_EQ(environment.tempFolder(), privateFolder.string());
    struct stat info {};
    ASSERT_EQ(::stat(privateFolder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "the private folder is open to others";
    // A link planted in place of the private folder is refused.
    fs::remove(privateFolder);
    fs::create_directory_symlink(runtime.path() / "my temp", privateFolder);
    EXPECT_EQ(environment.tempFolder(), "") << "a link followed";
    ScopedEnv noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    EXPECT_EQ(environment.tempFolder(), "/tmp/lumadisc-" + std::to_string(::getuid()));
}

TEST(LinuxShellFoldersTest, TheDesktopComesFromTheUserDirectoriesTheDataFolderFromDataHome) {
    TempDir homeDir, config;
    const std::string home = homeDir.str();
    ScopedEnv homeVariable("HOME", home), configVariable("XDG_CONFIG_HOME", std::nullopt),
        dataVariable("XDG_DATA_HOME", std::nullopt);
    LinuxShellFolders folders;
    EXPECT_EQ(folders.desktopFolder(), home + "/Desktop");
    const std::pair<const char*, std::string> cases[] = {
        {"# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch \\\"neu\\\"\"\n",
         home + "/Schreibtisch \"neu\""},
        {"XDG_DESKTOP_DIR=\"Bureau\"\n", home + "/Desktop"}, // relative: ignored
        {"XDG_DESKTOP_DIR=\"$HOMEWORK/Bureau\"\n", home + "/Desktop"},
        {"XDG_DESKTOP_DIR=\"/srv/desk/\"\n", "/srv/desk"},
    };
    for (const auto& [text, desktop] : cases) {
        writeFile(homeDir.path() / ".config/user-dirs.dirs", text);
        EXPECT_EQ(folders.desktopFolder(), desktop) << text;
    }
    // XDG_CONFIG_HOME counts when absolute.
    writeFile(config.path() / "user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    for (const auto& [folder, desktop] : {std::pair{config.str(), home + "/Bureau"},
                                          {"relative/config", std::string("/srv/desk")}}) {
        ScopedEnv variable("XDG_CONFIG_HOME", folder);
        EXPECT_EQ(folders.desktopFolder(), desktop) << "XDG_CONFIG_HOME=" << folder;
    }
    // The program's data folder is made in the data home where it can be.
    EXPECT_EQ(folders.localAppDataFolder(), home + "/.local/share/lumadisc");
    writeFile(homeDir.path() / "not-a-folder", "");
    {
        ScopedEnv variable("XDG_DATA_HOME", home + "/not-a-folder");
        EXPECT_EQ(folders.localAppDataFolder(), "");
    }
    ScopedEnv noHome("HOME", std::nullopt);
    EXPECT_EQ(folders.desktopFolder() + folders.localAppDataFolder(), "") << "without a home";
}

// The wallpaper on GNOME-family desktops, in a private GSettings keyfile read back through
// GSettings.
TEST(GnomeWallpaper, TheFamilyGetsTheUriAndItsStyleNameOtherDesktopsNothing) {
    // Before GLib's first use: it settles its backend and configuration folder once.
    TempDir config;
    ScopedEnv home("XDG_CONFIG_HOME", config.str()), backend("GSETTINGS_BACKEND", "keyfile");
    g_autoptr(GSettings) settings = g_settings_new("org.gnome.desktop.background");
    const auto value = [&](const char* key) {
        g_autoptr(GVariant) set = g_settings_get_user_value(settings, key);
        return set ? std::string(g_variant_get_string(set, nullptr)) : "(unchanged)";
    };
    const std::string uri = "file://" + config.str() + "/my%20shots/Lumadisc-Wallpaper.bmp";
    const std::tuple<const char*, int, const char*> cases[] = {
        {"GNOME", 0, "centered"},
        {"ubuntu:GNOME", 1, "wallpaper"},
        {"X-Cinnamon", 2, "stretched"},
        {"MATE", 2, "stretched"}, // without MATE's own schema
        {"GNOMEish", 1, nullptr}};
    for (const auto& [desktop, style, options] : cases) {
        ScopedEnv current("XDG_CURRENT_DESKTOP", desktop);
        for (const char* key : {"picture-uri", "picture-uri-dark", "picture-options"})
            g_settings_reset(settings, key);
        LinuxWallpaper().set(config.str() + "/my shots/Lumadisc-Wallpaper.bmp", style);
        EXPECT_EQ(value("picture-uri") + " " + value("picture-uri-dark") + " " +
                      value("picture-options"),
                  options ? uri + " " + uri + " " + options : "(unchanged) (unchanged) (unchanged)")
            << desktop << ", style " << style << ": picture, dark theme's picture, options";
    }
}

} // namespace
} // namespace lumadisc::test
