// The Linux services other than drives: clock, disk space, environment, shell folders, the
// single-instance lock and the wallpaper.
#include "linux/linux_clock.h"
#include "linux/linux_disk_space.h"
#include "linux/linux_environment.h"
#include "linux/linux_shell_folders.h"
#include "linux/linux_single_instance.h"
#include "linux/linux_wallpaper.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <regex>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

// Today's date in `format`, before and after `text` was made (midnight may pass).
void expectToday(const std::string& text, const char* format) {
    const auto today = [format] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buffer[32];
        return std::string(buffer, std::strftime(buffer, sizeof buffer, format, &local));
    };
    const std::string before = today();
    EXPECT_TRUE(text == before || text == today()) << text << " is not today in " << format;
}

// A locale of our own ("05.12.2026", "17.27.38"), and one that is not installed.
TEST(LinuxClockTest, WritesDateAndTimeInTheUsersFormatsOrTheDefaultOnes) {
    const auto start = std::chrono::steady_clock::now();
    LinuxClock().sleep(40);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
    TempDir locales;
    writeFile(locales.path() / "xx_TEST.def",
              "LC_TIME\nabday \"Su\";\"Mo\";\"Tu\";\"We\";\"Th\";\"Fr\";\"Sa\"\n"
              "d_t_fmt \"%a %d.%m.%Y %T\"\nd_fmt \"%d.%m.%Y\"\nt_fmt \"%H.%M.%S\"\n"
              "am_pm \"\";\"\"\nt_fmt_ampm \"\"\nEND LC_TIME\n");
    // localedef warns about the categories the file leaves out and says so in its exit code.
    [[maybe_unused]] const int ignored =
        std::system(("localedef -c -f ANSI_X3.4-1968 -i '" + locales.str() + "/xx_TEST.def' '" +
                     locales.str() + "/xx_TEST' >/dev/null 2>&1")
                        .c_str());
    if (!fs::exists(locales.path() / "xx_TEST/LC_TIME"))
        GTEST_SKIP() << "localedef cannot build locales here (Debian package locales)";
    ScopedEnv path("LOCPATH", locales.str());
    ScopedEnv all("LC_ALL", "xx_TEST");
    const std::string processLocale = std::setlocale(LC_TIME, nullptr);
    LinuxClock clock;
    expectToday(clock.shortDateText(), "%d.%m.%Y");
    EXPECT_TRUE(std::regex_match(clock.timeText(), std::regex("[0-2]\\d\\.[0-5]\\d\\.[0-6]\\d")))
        << clock.timeText();
    EXPECT_EQ(std::setlocale(LC_TIME, nullptr), processLocale) << "the process locale changed";

    ScopedEnv missing("LC_ALL", "xx_YY.UTF-8");
    LinuxClock fallback;
    expectToday(fallback.shortDateText(), "%m/%d/%y");
    EXPECT_TRUE(std::regex_match(fallback.timeText(), std::regex("[0-2]\\d:[0-5]\\d:[0-6]\\d")))
        << fallback.timeText();
}

TEST(LinuxDiskSpaceTest, ReportsTheFolderFileSystemOrLeavesTheFiguresAlone) {
    TempDir folder;
    LinuxDiskSpace space;
    DiskSpace::Figures figures;
    ASSERT_TRUE(space.query(folder.str(), figures));
    EXPECT_TRUE(0 < figures.availableToUser && figures.availableToUser <= figures.totalFree &&
                figures.totalFree <= figures.total)
        << "available " << figures.availableToUser << ", free " << figures.totalFree << ", total "
        << figures.total;
    struct statvfs volume {};
    ASSERT_EQ(::statvfs(folder.str().c_str(), &volume), 0);
    if (volume.f_bavail < volume.f_bfree) {
        EXPECT_LT(figures.availableToUser, figures.totalFree)
            << "blocks reserved for the administrator counted as available to the user";
    }
    figures = {1, 2, 3};
    EXPECT_FALSE(space.query((folder.path() / "gone").string(), figures));
    EXPECT_EQ(figures.availableToUser + figures.total + figures.totalFree, 6u);
}

LinuxEnvironment environmentWith(std::vector<const char*> arguments) {
    return LinuxEnvironment(static_cast<int>(arguments.size()), arguments.data());
}

TEST(LinuxEnvironmentTest, CommandLineApplicationFolderAndJoinedPaths) {
    EXPECT_EQ(environmentWith({"lumadisc"}).commandLine(), "");
    EXPECT_EQ(environmentWith({"lumadisc", "/home/u/My", "Film", "(2004).iso"}).commandLine(),
              "/home/u/My Film (2004).iso");
    LinuxEnvironment environment = environmentWith({"x"});
    const std::string folder = environment.applicationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::equivalent(fs::path(folder) / fs::path(program_invocation_name).filename(),
                               program_invocation_name));
    for (const char* parent : {"/tmp/a b", "/tmp/a b/"})
        EXPECT_EQ(environment.joinPath(parent, "IMG_1.jpg"), "/tmp/a b/IMG_1.jpg") << parent;
    EXPECT_EQ(environment.joinPath("/", "IMG_1.jpg"), "/IMG_1.jpg");
}

TEST(LinuxEnvironmentTest, TheTempFolderIsTempOrAPrivateFolderOfTheUser) {
    TempDir runtime;
    LinuxEnvironment environment = environmentWith({"x"});
    const fs::path privateFolder = runtime.path() / "lumadisc";
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    {
        // TEMP wins, created when absent, but the program keeps to a private folder of its own
        // there: TEMP may be a shared /tmp where clearing "IMG_*.jpg" would hit others' files.
        const std::string temp = (runtime.path() / "my temp").string();
        const std::string own = temp + "/lumadisc-" + std::to_string(::getuid());
        ScopedEnv tempVariable("TEMP", temp);
        EXPECT_EQ(environment.tempFolder(), own) << "TEMP itself may be shared with others";
        EXPECT_TRUE(fs::is_directory(temp)) << "TEMP was not created";
        EXPECT_FALSE(fs::exists(privateFolder));
    }
    ScopedEnv emptyTemp("TEMP", ""); // an empty TEMP is no TEMP
    EXPECT_EQ(environment.tempFolder(), privateFolder.string());
    struct stat info {};
    ASSERT_EQ(::stat(privateFolder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "the private folder is open to others";

    // A link planted in place of the private folder is refused.
    fs::remove(privateFolder);
    fs::create_directory(runtime.path() / "elsewhere");
    fs::create_directory_symlink(runtime.path() / "elsewhere", privateFolder);
    EXPECT_EQ(environment.tempFolder(), "");

    ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    EXPECT_EQ(environment.tempFolder(), "/tmp/lumadisc-" + std::to_string(::getuid()));
}

TEST(LinuxEnvironmentTest, TheStateFolderIsMadeInStateHomeOrIsNone) {
    TempDir state;
    LinuxEnvironment environment = environmentWith({"x"});
    ScopedEnv variable("XDG_STATE_HOME", state.str());
    EXPECT_EQ(environment.stateFolder(), state.str() + "/lumadisc");
    EXPECT_TRUE(fs::is_directory(state.path() / "lumadisc")) << "the state folder was not made";
    writeFile(state.path() / "file", "");
    ScopedEnv inAFile("XDG_STATE_HOME", state.str() + "/file");
    EXPECT_EQ(environment.stateFolder(), "") << "a state folder inside a file";
}

// A temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME unset unless a test sets them.
class ShellFoldersTest : public ::testing::Test {
protected:
    std::string home() const { return homeDir.str(); }
    void writeUserDirs(const std::string& text, const fs::path& configHome) {
        writeFile(configHome / "user-dirs.dirs", text);
    }

    TempDir homeDir;
    ScopedEnv homeVariable{"HOME", homeDir.str()};
    ScopedEnv configVariable{"XDG_CONFIG_HOME", nullptr};
    ScopedEnv dataVariable{"XDG_DATA_HOME", nullptr};
    LinuxShellFolders folders;
};

TEST_F(ShellFoldersTest, TheDesktopComesFromTheUserDirectoriesAndTheDataFolderIsMadeInDataHome) {
    EXPECT_EQ(folders.desktopFolder(), home() + "/Desktop");
    const std::pair<const char*, std::string> cases[] = {
        {"# written by xdg-user-dirs-update\nXDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch \\\"neu\\\"\"\n",
         home() + "/Schreibtisch \"neu\""},
        {"XDG_DESKTOP_DIR=\"/srv/desk/\"\n", "/srv/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", home()},
        {"XDG_DESKTOP_DIR=\"Bureau\"\n", home() + "/Desktop"}, // relative: ignored
        {"XDG_DESKTOP_DIR=\"$HOMEWORK/Bureau\"\n", home() + "/Desktop"},
    };
    for (const auto& [text, desktop] : cases) {
        writeUserDirs(text, homeDir.path() / ".config");
        EXPECT_EQ(folders.desktopFolder(), desktop) << text;
    }
    // XDG_CONFIG_HOME counts when absolute.
    TempDir config;
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", config.path());
    {
        ScopedEnv variable("XDG_CONFIG_HOME", config.str());
        EXPECT_EQ(folders.desktopFolder(), home() + "/Bureau");
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(folders.desktopFolder(), home() + "/Desktop");

    // The program's data folder is made in the data home where it can be.
    const fs::path expected = homeDir.path() / ".local/share/lumadisc";
    EXPECT_EQ(folders.localAppDataFolder(), expected.string());
    EXPECT_TRUE(fs::is_directory(expected));
    {
        TempDir data;
        ScopedEnv variable("XDG_DATA_HOME", data.str());
        EXPECT_EQ(folders.localAppDataFolder(), data.str() + "/lumadisc");
    }
    writeFile(homeDir.path() / "not-a-folder", "");
    {
        ScopedEnv variable("XDG_DATA_HOME", (homeDir.path() / "not-a-folder").string());
        EXPECT_EQ(folders.localAppDataFolder(), "");
    }
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(folders.desktopFolder(), "");
    EXPECT_EQ(folders.localAppDataFolder(), "");
}

TEST(SingleInstanceTest, ASecondCopySeesTheLockOfItsNameUntilTheFirstEnds) {
    TempDir runtime;
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    auto first = std::make_unique<LinuxSingleInstance>("LumadiscTest");
    LinuxSingleInstance second("LumadiscTest");
    LinuxSingleInstance other("SomethingElse");
    other.createNamedLock("SomethingElse");
    // Asking does not take the lock, and locks of other names do not count.
    EXPECT_FALSE(first->previousInstanceRunning());
    EXPECT_FALSE(second.previousInstanceRunning());
    first->createNamedLock("LumadiscTest");
    EXPECT_TRUE(second.previousInstanceRunning()) << "the lock of a running copy went unseen";
    EXPECT_FALSE(first->previousInstanceRunning()) << "a copy sees its own lock";
    first.reset();
    EXPECT_FALSE(second.previousInstanceRunning()) << "the lock outlived its copy";
}

// The wallpaper on GNOME-family desktops, in a private GSettings keyfile read back through
// GSettings.
TEST(GnomeWallpaper, TheFamilyGetsTheUriAndItsStyleNameOtherDesktopsNothing) {
    // Before GLib's first use: it settles its backend and configuration folder once.
    TempDir config;
    ScopedEnv home("XDG_CONFIG_HOME", config.str()), backend("GSETTINGS_BACKEND", "keyfile");
    GSettings* settings = g_settings_new("org.gnome.desktop.background");
    const auto value = [&](const char* key) {
        GVariant* set = g_settings_get_user_value(settings, key);
        const std::string text = set ? g_variant_get_string(set, nullptr) : "(unchanged)";
        if (set)
            g_variant_unref(set);
        return text;
    };
    const std::string uri = "file://" + config.str() + "/my%20shots/Lumadisc-Wallpaper.bmp";
    const std::tuple<const char*, int, const char*> cases[] = {
        {"GNOME", 0, "centered"},         {"ubuntu:GNOME", 1, "wallpaper"},
        {"Budgie:GNOME", 2, "stretched"}, {"X-Cinnamon", 1, "wallpaper"},
        {"MATE", 2, "stretched"}, // without MATE's own schema
        {"Enlightenment", 1, nullptr},    {"", 1, nullptr},
        {"GNOMEish", 1, nullptr},
    };
    for (const auto& [desktop, style, options] : cases) {
        ScopedEnv current("XDG_CURRENT_DESKTOP", desktop);
        for (const char* key : {"picture-uri", "picture-uri-dark", "picture-options"})
            g_settings_reset(settings, key);
        LinuxWallpaper().set(config.str() + "/my shots/Lumadisc-Wallpaper.bmp", style);
        const std::string expected = options ? uri : "(unchanged)";
        EXPECT_EQ(value("picture-uri"), expected) << desktop;
        EXPECT_EQ(value("picture-uri-dark"), expected) << desktop << ": the dark theme's picture";
        EXPECT_EQ(value("picture-options"), options ? options : "(unchanged)")
            << desktop << ", style " << style;
    }
    EXPECT_TRUE(std::filesystem::exists(config.path() / "glib-2.0/settings/keyfile"))
        << "the settings went elsewhere than the private keyfile";
    g_object_unref(settings);
}

} // namespace
} // namespace lumadisc::test
