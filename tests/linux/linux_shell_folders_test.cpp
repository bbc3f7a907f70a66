#include "linux/linux_shell_folders.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

// A temporary home; XDG_CONFIG_HOME and XDG_DATA_HOME unset unless a test sets them.
class ShellFoldersTest : public ::testing::Test {
protected:
    std::string home() const { return homeDir.str(); }
    void writeUserDirs(const fs::path& configHome, const std::string& text) {
        writeFile(configHome / "user-dirs.dirs", text);
    }

    TempDir homeDir;
    ScopedEnv homeVariable{"HOME", homeDir.str()};
    ScopedEnv configVariable{"XDG_CONFIG_HOME", nullptr};
    ScopedEnv dataVariable{"XDG_DATA_HOME", nullptr};
    LinuxShellFolders folders;
};

TEST_F(ShellFoldersTest, TheDesktopComesFromTheUserDirectories) {
    writeUserDirs(homeDir.path() / ".config",
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch \\\"neu\\\"\"\n");

    EXPECT_EQ(folders.desktopFolder(), home() + "/Schreibtisch \"neu\"");
}

TEST_F(ShellFoldersTest, TheUserDirectoriesMayNameAnAbsoluteFolderOrHomeItself) {
    writeUserDirs(homeDir.path() / ".config", "XDG_DESKTOP_DIR=\"/srv/desk/\"\n");
    EXPECT_EQ(folders.desktopFolder(), "/srv/desk");

    writeUserDirs(homeDir.path() / ".config", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(folders.desktopFolder(), home());
}

TEST_F(ShellFoldersTest, TheConfigHomeVariableIsUsedWhenAbsolute) {
    TempDir config;
    writeUserDirs(config.path(), "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    writeUserDirs(homeDir.path() / ".config", "XDG_DESKTOP_DIR=\"$HOME/Escritorio\"\n");

    {
        ScopedEnv variable("XDG_CONFIG_HOME", config.str());
        EXPECT_EQ(folders.desktopFolder(), home() + "/Bureau");
    }
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(folders.desktopFolder(), home() + "/Escritorio");
}

TEST_F(ShellFoldersTest, FallsBackToDesktopInHome) {
    EXPECT_EQ(folders.desktopFolder(), home() + "/Desktop");

    writeUserDirs(homeDir.path() / ".config", "XDG_DESKTOP_DIR=\"Desktop\"\n"
                                              "XDG_MUSIC_DIR=\"$HOME/Music\"\n");
    EXPECT_EQ(folders.desktopFolder(), home() + "/Desktop");
}

TEST_F(ShellFoldersTest, WithoutHomeThereIsNoDesktop) {
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(folders.desktopFolder(), "");
}

TEST_F(ShellFoldersTest, TheProgramDataFolderIsCreatedInTheDataHome) {
    const fs::path expected = homeDir.path() / ".local/share/lumadisc";
    EXPECT_EQ(folders.localAppDataFolder(), expected.string());
    EXPECT_TRUE(fs::is_directory(expected));

    TempDir data;
    ScopedEnv variable("XDG_DATA_HOME", data.str());
    EXPECT_EQ(folders.localAppDataFolder(), data.str() + "/lumadisc");
    EXPECT_TRUE(fs::is_directory(data.path() / "lumadisc"));
}

TEST_F(ShellFoldersTest, NoProgramDataFolderWhenItCannotBeMade) {
    writeFile(homeDir.path() / "not-a-folder", "");
    {
        ScopedEnv variable("XDG_DATA_HOME", (homeDir.path() / "not-a-folder").string());
        EXPECT_EQ(folders.localAppDataFolder(), "");
    }
    ScopedEnv noHome("HOME", nullptr);
    EXPECT_EQ(folders.localAppDataFolder(), "");
}

} // namespace
} // namespace lumadisc::test
