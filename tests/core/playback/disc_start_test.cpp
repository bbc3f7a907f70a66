// Starting a disc by its root, the engine option list, the play command and the disc watch.
#include "core/drives/command_line_disc.h"
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using test::FakeDrives;
using test::ProgramHarness;
using ::testing::IsEmpty;
using Volume = Drives::VolumeInfo;
using Names = std::vector<std::string>;

class DiscStart : public ::testing::Test {
protected:
    explicit DiscStart(FakeDrives::Style style = FakeDrives::Style::Reference) : h(style) {
        h.writeConfig(configText(settings));
    }
    void start() {
        h.start();
        h.journal.entries.clear();
    }
    MainForm& main() { return h.program->mainForm(); }
    // Runs PlayDVD and tells which target the engine was given ("" for none).
    std::string playDvd(const std::string& root) {
        h.engine.target.clear();
        h.journal.entries.clear();
        main().PlayDVD(root);
        return h.engine.target;
    }
    std::vector<std::string> saveOptions(const SettingsRecord& record) {
        h.program->state.settings = record;
        main().SaveOptions();
        return h.program->state.engineOptions;
    }

    SettingsRecord settings{"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0};
    ProgramHarness h;
};

TEST_F(DiscStart, PlayDvdMatchesTheRootExactly) {
    h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
    h.drives.add("D:", Drives::kOptical, std::nullopt, false);
    h.drives.add("E:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    EXPECT_EQ(playDvd("E:\\"), "dvd://E:");
    EXPECT_EQ(h.program->state.lastDriveIndex, 1); // menu item i - 1 of list entry i
    for (const char* root : {"e:\\", "E:", "\"E:\\\"", " E:\\", "E:\\ ", "C:\\", "F:\\"}) {
        EXPECT_EQ(playDvd(root), "") << root;
        EXPECT_THAT(h.dialogs.shown, IsEmpty()) << root;
    }
    // An empty root does not even look at the drives.
    playDvd("");
    EXPECT_THAT(h.journal.entries, IsEmpty());
}

TEST_F(DiscStart, TheCommandLineStartsItsDisc) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.environment.commandLineText = "D:\\";
    start();
    EXPECT_EQ(h.engine.target, "dvd://D:");
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "FILM");
}

class LinuxDiscStart : public DiscStart {
protected:
    LinuxDiscStart() : DiscStart(FakeDrives::Style::Linux) {}
};

TEST_F(LinuxDiscStart, PlayDvdAcceptsWhatTheDesktopHandsOver) {
    h.drives.add("/dev/sr0", Drives::kOptical, std::nullopt, false, "");
    h.drives.add("/dev/sr1", Drives::kOptical, Volume{"MY (FILM)", "UDF"}, true,
                 "/media/u/MY (FILM)");
    start();
    for (const char* root :
         {"/media/u/MY (FILM)", "/media/u/MY (FILM)/", "file:///media/u/MY (FILM)", "/dev/sr1"}) {
        EXPECT_EQ(playDvd(root), "dvd:///dev/sr1") << root;
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "MY (FILM)");
    }
    for (const char* root : {"/media/u", "/media/u/MY", "/dev/sr1\\", "file:///dev/sr1"})
        EXPECT_EQ(playDvd(root), "") << root;
}

TEST_F(LinuxDiscStart, DroppedImagesAreListedOnceAndStarted) {
    h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "UDF"}, true, "/media/u/FILM");
    const std::string image = "/home/u/My (1) film.iso";
    h.drives.discImages[image] = Volume{"My (1) film", "UDF"};
    start();
    for (int drop = 0; drop < 2; ++drop) {
        h.engine.target.clear();
        playDroppedDisc(*h.program, image);
        EXPECT_EQ(h.engine.target, "dvd://" + image);
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "My (1) film");
    }
    EXPECT_EQ(h.program->state.driveLetters, (Names{"/dev/sr0", image}));
    EXPECT_EQ(h.journal.with("drives.addVirtual").size(), 1u);

    // A mounted disc's folder is its drive, not a disc of its own.
    h.journal.entries.clear();
    playDroppedDisc(*h.program, "/media/u/FILM/");
    EXPECT_EQ(h.engine.target, "dvd:///dev/sr0");
    EXPECT_THAT(h.journal.with("drives.addVirtual"), IsEmpty());

    // Anything else is no disc: nothing starts and nobody is told.
    h.engine.target.clear();
    for (const char* other : {"/home/u/notes.txt", ""})
        playDroppedDisc(*h.program, other);
    EXPECT_EQ(h.engine.target, "");
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
}

TEST_F(DiscStart, TheOptionListFollowsTheSettings) {
    start();
    const Names fileTarget = saveOptions({"English.ini", "/shots", 1, 1, 0, 0, 0});
    EXPECT_EQ(fileTarget,
              (Names{"overlay", "overlay", "snapshot-path=/shots", "disable-screensaver",
                     "snapshot-path=/shots", "no-osd", "no-snapshot-preview", "snapshot-sequential",
                     "snapshot-prefix=IMG_", "snapshot-format=jpg"}));
    EXPECT_EQ(saveOptions({"English.ini", "/shots", 0, 2, 0, 0, 0})[1], "no-overlay");
    EXPECT_EQ(saveOptions({"English.ini", "/shots", -1, 0, 0, 0, 0})[1], "overlay");
    EXPECT_EQ(saveOptions({"English.ini", "/shots", 1, 2, 0, 0, 0})[3], "no-disable-screensaver");
    EXPECT_EQ(saveOptions({"English.ini", "/shots", 1, -1, 0, 0, 0})[3], "no-disable-screensaver");
    for (std::int16_t target : {3, -1}) {
        const Names other = saveOptions({"English.ini", "/shots", 1, 0, target, 0, 0});
        EXPECT_EQ(other.size(), 10u);
        EXPECT_EQ(other[4], "") << target;
        EXPECT_EQ(other[5], "no-osd");
    }
}

TEST_F(DiscStart, ScratchTargetsAreClearedOfOldSnapshots) {
    start();
    test::TempDir appData;
    h.shellFolders.localAppData = appData.str();
    for (const fs::path& folder : {h.tempFolder.path(), appData.path()}) {
        for (const char* name :
             {"IMG_0001.jpg", "IMG_0002.JPG", "img_7.jpg", "IMG_3.png", "other.jpg", "IMG_.jpeg"})
            test::writeFile(folder / name, "x");
        fs::create_directory(folder / "IMG_dir.jpg");
    }
    const auto remaining = [](const fs::path& folder) {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    const Names kept{"IMG_.jpeg", "IMG_3.png", "IMG_dir.jpg", "other.jpg"};

    const Names clipboard = saveOptions({"English.ini", "/shots", 1, 0, 1, 0, 0});
    EXPECT_EQ(clipboard[2], "snapshot-path=/shots");
    EXPECT_EQ(clipboard[4], "snapshot-path=" + h.tempFolder.str());
    EXPECT_EQ(remaining(h.tempFolder.path()), kept);
    EXPECT_EQ(remaining(appData.path()).size(), 7u);

    const Names wallpaper = saveOptions({"English.ini", "/shots", 1, 0, 2, 0, 0});
    EXPECT_EQ(wallpaper[2], "snapshot-path=/shots");
    EXPECT_EQ(wallpaper[4], "snapshot-path=" + appData.str());
    EXPECT_EQ(remaining(appData.path()), kept);
    EXPECT_EQ(main().tempImages.path, appData.str());
    EXPECT_THAT(main().tempImages.names, IsEmpty());

    // Without a local data folder there is nothing to clear.
    h.shellFolders.localAppData = "";
    EXPECT_EQ(saveOptions({"English.ini", "/shots", 1, 0, 2, 0, 0})[4], "snapshot-path=");
}

TEST_F(DiscStart, PlayChangesNothingWithoutAnItemOrWhilePlaying) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    main().timeElapsed.caption = "00:00:01/00:10:00";
    main().playButton_Click(); // empty playlist
    EXPECT_EQ(main().timeElapsed.caption, "00:00:01/00:10:00");
    h.engine.items = 1;
    h.engine.playing = true;
    main().playButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "00:00:01/00:10:00");
    EXPECT_THAT(h.journal.entries, IsEmpty());
    // Before any drive was listed the play command only shows that it is loading.
    h.engine.playing = false;
    main().playButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
    EXPECT_THAT(h.journal.entries, IsEmpty());
}

TEST_F(DiscStart, PlayResumesAPausedDiscAndNamesIt) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"SECOND DISC", "UDF"}, true);
    start();
    main().PlayDVD("E:\\");
    h.engine.elapsed = 5;
    h.engine.length = 100;
    main().movieTimer_Timer(); // playing: transport enabled
    main().pauseButton_Click();
    h.journal.entries.clear();
    main().playButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "00:00:05/00:01:40"); // transport on: no "LOADING..."
    EXPECT_THAT(h.journal.entries,
                ::testing::ElementsAre("engine.play", "player.set _root.filename=SECOND DISC",
                                       "bar.set _level0.dvdName.text=SECOND DISC", "sleep 500"));
}

class DiscWatch : public DiscStart {
protected:
    void startDiscAndLetItEnd() {
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        h.drives.add("E:", Drives::kOptical, Volume{"WATCHED", "UDF"}, true);
        start();
        main().PlayDVD("E:\\");
        h.engine.elapsed = 5;
        h.engine.length = 100;
        main().movieTimer_Timer();
        ASSERT_FALSE(main().tmrCheckCD.enabled);
        // The disc is taken out: the engine goes idle by itself.
        h.drives.find("E:")->volume.reset();
        h.engine.playing = false;
        h.engine.pos = -1;
        main().movieTimer_Timer();
        h.engine.target.clear();
    }
};

TEST_F(DiscWatch, RestartsTheWatchedDriveWhenItsDiscReturns) {
    startDiscAndLetItEnd();
    ASSERT_TRUE(main().tmrCheckCD.enabled);
    main().tmrCheckCD_Timer();
    main().tmrCheckCD_Timer();
    EXPECT_TRUE(main().tmrCheckCD.enabled);
    EXPECT_EQ(h.engine.target, "");

    h.drives.find("E:")->volume = Volume{"WATCHED", "UDF"};
    main().tmrCheckCD_Timer();
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(h.program->state.lastDriveIndex, 1);
}

TEST_F(DiscWatch, ADiscThatNeverPlaysKeepsLoadingAndIsRestarted) {
    startDiscAndLetItEnd();
    h.drives.find("E:")->volume = Volume{"WATCHED", "UDF"};
    for (int round = 0; round < 2; ++round) {
        h.engine.target.clear();
        main().tmrCheckCD_Timer();
        EXPECT_EQ(h.engine.target, "dvd://E:");
        // The engine accepts the item but never plays it.
        h.engine.playing = false;
        h.engine.pos = -1;
        main().movieTimer_Timer();
        EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
        EXPECT_TRUE(main().logoHide.visible);
        EXPECT_TRUE(main().tmrCheckCD.enabled);
    }
}

} // namespace
} // namespace lumadisc
