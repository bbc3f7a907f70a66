// The Linux services other than drives: clock, disk space, environment, shell folders and the
// single-instance lock.
#include "linux/linux_clock.h"
#include "linux/linux_disk_space.h"
#include "linux/linux_environment.h"
#include "linux/linux_shell_folders.h"
#include "linux/linux_single_instance.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
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

// The clock's date, checked against today's before and after the call (midnight may pass).
void expectToday(const std::string& date, const char* format) {
    const auto today = [format] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char text[32];
        return std::string(text, std::strftime(text, sizeof text, format, &local));
    };
    const std::string before = today();
    EXPECT_TRUE(date == before || date == today()) << date;
}

TEST(LinuxClockTest, SleepsAndFallsBackToDefaultFormatsWithoutTouchingTheProcessLocale) {
    LinuxClock clock;
    const auto start = std::chrono::steady_clock::now();
    clock.sleep(40);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));

    {
        ScopedEnv all("LC_ALL", "C.UTF-8");
        const std::string before = std::setlocale(LC_TIME, nullptr);
        clock.timeText();
        EXPECT_EQ(std::setlocale(LC_TIME, nullptr), before);
    }
    // An uninstalled locale.
    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv time("LC_TIME", "xx_YY.UTF-8");
    expectToday(clock.shortDateText(), "%m/%d/%y");
    EXPECT_TRUE(std::regex_match(clock.timeText(), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")))
        << clock.timeText();
}

// A locale of our own whose formats differ from the default ones: "05.12.2026", "17.27.38".
TEST(LinuxClockTest, WritesDateAndTimeInTheUsersFormats) {
    TempDir locales;
    writeFile(locales.path() / "xx_TEST.def",
              "LC_TIME\n"
              "abday \"Su\";\"Mo\";\"Tu\";\"We\";\"Th\";\"Fr\";\"Sa\"\n"
              "d_t_fmt \"%a %d.%m.%Y %T\"\n"
              "d_fmt \"%d.%m.%Y\"\n"
              "t_fmt \"%H.%M.%S\"\n"
              "am_pm \"\";\"\"\n"
              "t_fmt_ampm \"\"\n"
              "END LC_TIME\n");
    // localedef warns about the categories the file leaves out and says so in its exit code.
    const std::string command = "localedef -c -f ANSI_X3.4-1968 -i '" + locales.str() +
                                "/xx_TEST.def' '" + locales.str() + "/xx_TEST' >/dev/null 2>&1";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
    if (!fs::exists(locales.path() / "xx_TEST/LC_TIME"))
        GTEST_SKIP() << "localedef cannot build locales here (Debian package locales)";
    ScopedEnv path("LOCPATH", locales.str());
    ScopedEnv all("LC_ALL", "xx_TEST");
    LinuxClock clock;

    expectToday(clock.shortDateText(), "%d.%m.%Y");
    EXPECT_TRUE(
        std::regex_match(clock.timeText(), std::regex("[0-2][0-9]\\.[0-5][0-9]\\.[0-6][0-9]")))
        << clock.timeText();
}

TEST(LinuxDiskSpaceTest, ReportsTheFolderFileSystemOrLeavesTheFiguresAlone) {
    TempDir folder;
    LinuxDiskSpace space;
    DiskSpace::Figures figures;
    ASSERT_TRUE(space.query(folder.str(), figures));
    EXPECT_GT(figures.availableToUser, 0u);
    EXPECT_LE(figures.availableToUser, figures.totalFree);
    EXPECT_LE(figures.totalFree, figures.total);

    figures = {1, 2, 3};
    EXPECT_FALSE(space.query((folder.path() / "gone").string(), figures));
    EXPECT_EQ(figures.availableToUser, 1u);
    EXPECT_EQ(figures.total, 2u);
    EXPECT_EQ(figures.totalFree, 3u);
}

LinuxEnvironment environmentWith(std::vector<const char*> arguments) {
    return LinuxEnvironment(static_cast<int>(arguments.size()), arguments.data());
}

TEST(LinuxEnvironmentTest, CommandLineApplicationFolderAndJoinedPaths) {
    EXPECT_EQ(environmentWith({"lumadisc"}).commandLine(), "");
    EXPECT_EQ(environmentWith({"lumadisc", "/dev/sr0"}).commandLine(), "/dev/sr0");
    EXPECT_EQ(environmentWith({"lumadisc", "/home/u/My", "Film", "(2004).iso"}).commandLine(),
              "/home/u/My Film (2004).iso");
    EXPECT_EQ(environmentWith({"lumadisc", "/media/u/My Disc"}).commandLine(), "/media/u/My Disc");

    LinuxEnvironment environment = environmentWith({"x"});
    const std::string folder = environment.applicationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::equivalent(fs::path(folder) / fs::path(program_invocation_name).filename(),
                               program_invocation_name));

    EXPECT_EQ(environment.joinPath("/tmp/a b", "IMG_1.jpg"), "/tmp/a b/IMG_1.jpg");
    EXPECT_EQ(environment.joinPath("/", "IMG_1.jpg"), "/IMG_1.jpg");
    EXPECT_EQ(environment.joinPath("/tmp/", "IMG_1.jpg"), "/tmp/IMG_1.jpg");
}

TEST(LinuxEnvironmentTest, TheTempFolderIsTempOrAPrivateFolderOfTheUser) {
    TempDir runtime;
    LinuxEnvironment environment = environmentWith({"x"});
    const fs::path privateFolder = runtime.path() / "lumadisc";
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    {
        // TEMP wins and is created when absent.
        const std::string temp = (runtime.path() / "my temp").string();
        ScopedEnv tempVariable("TEMP", temp);
        EXPECT_EQ(environment.tempFolder(), temp);
        EXPECT_TRUE(fs::is_directory(temp));
        EXPECT_FALSE(fs::exists(privateFolder));
    }
    {
        // Without TEMP, or with an empty one, a private folder in the runtime directory.
        ScopedEnv tempVariable("TEMP", "");
        EXPECT_EQ(environment.tempFolder(), privateFolder.string());
        struct stat info {};
        ASSERT_EQ(::stat(privateFolder.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    ScopedEnv tempVariable("TEMP", nullptr);
    EXPECT_EQ(environment.tempFolder(), privateFolder.string());

    // A link planted in place of the private folder is refused.
    fs::remove(privateFolder);
    fs::create_directory(runtime.path() / "elsewhere");
    fs::create_directory_symlink(runtime.path() / "elsewhere", privateFolder);
    EXPECT_EQ(environment.tempFolder(), "");

    ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    const std::string inTmp = "/tmp/lumadisc-" + std::to_string(::getuid());
    EXPECT_EQ(environment.tempFolder(), inTmp);
    EXPECT_TRUE(fs::is_directory(inTmp));
}

// A temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME unset unless a test sets them.
class ShellFoldersTest : public ::testing::Test {
protected:
    std::string home() const { return homeDir.str(); }
    void writeUserDirs(const std::string& text, const fs::path& configHome = {}) {
        writeFile((configHome.empty() ? homeDir.path() / ".config" : configHome) / "user-dirs.dirs",
                  text);
    }

    TempDir homeDir;
    ScopedEnv homeVariable{"HOME", homeDir.str()};
    ScopedEnv configVariable{"XDG_CONFIG_HOME", nullptr};
    ScopedEnv dataVariable{"XDG_DATA_HOME", nullptr};
    LinuxShellFolders folders;
};

TEST_F(ShellFoldersTest, TheDesktopComesFromTheUserDirectoriesOrIsDesktopInHome) {
    EXPECT_EQ(folders.desktopFolder(), home() + "/Desktop");
    const std::pair<const char*, std::string> cases[] = {
        {"# written by xdg-user-dirs-update\n"
         "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
         "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch \\\"neu\\\"\"\n",
         home() + "/Schreibtisch \"neu\""},
        {"XDG_DESKTOP_DIR=\"/srv/desk/\"\n", "/srv/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", home()},
        {"XDG_DESKTOP_DIR=\"Desktop\"\nXDG_MUSIC_DIR=\"$HOME/Music\"\n", home() + "/Desktop"},
    };
    for (const auto& [text, desktop] : cases) {
        writeUserDirs(text);
        EXPECT_EQ(folders.desktopFolder(), desktop) << text;
    }

    // XDG_CONFIG_HOME counts when absolute.
    TempDir config;
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n", config.path());
    writeUserDirs("XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n");
    {
        ScopedEnv variable("XDG_CONFIG_HOME", config.str());
        EXPECT_EQ(folders.desktopFolder(), home() + "/Bureau");
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(folders.desktopFolder(), home() + "/Escritorio");

    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(folders.desktopFolder(), "");
}

TEST_F(ShellFoldersTest, TheProgramDataFolderIsMadeInTheDataHomeWhereItCanBe) {
    const fs::path expected = homeDir.path() / ".local/share/lumadisc";
    EXPECT_EQ(folders.localAppDataFolder(), expected.string());
    EXPECT_TRUE(fs::is_directory(expected));
    {
        TempDir data;
        ScopedEnv variable("XDG_DATA_HOME", data.str());
        EXPECT_EQ(folders.localAppDataFolder(), data.str() + "/lumadisc");
        EXPECT_TRUE(fs::is_directory(data.path() / "lumadisc"));
    }
    writeFile(homeDir.path() / "not-a-folder", "");
    {
        ScopedEnv variable("XDG_DATA_HOME", (homeDir.path() / "not-a-folder").string());
        EXPECT_EQ(folders.localAppDataFolder(), "");
    }
    ScopedEnv noHome("HOME", nullptr);
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
    EXPECT_TRUE(fs::exists(runtime.path() / "LumadiscTest.lock"));
    EXPECT_TRUE(second.previousInstanceRunning());
    EXPECT_FALSE(first->previousInstanceRunning());
    first.reset();
    EXPECT_FALSE(second.previousInstanceRunning());

    // Without a runtime directory the lock lives in /tmp.
    ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    const std::string name = "LumadiscTest" + std::to_string(::getpid());
    const fs::path lockFile = "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
    {
        LinuxSingleInstance lock(name);
        lock.createNamedLock(name);
        EXPECT_TRUE(fs::exists(lockFile));
        EXPECT_TRUE(LinuxSingleInstance(name).previousInstanceRunning());
    }
    EXPECT_FALSE(LinuxSingleInstance(name).previousInstanceRunning());
    fs::remove(lockFile);
}

} // namespace
} // namespace lumadisc::test
