// Starting a disc by its root, the engine option list, the play command and the disc watch.
#include "core/drives/command_line_disc.h"
#include "core/started_program.h"

#include <algorithm>
#include <filesystem>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using namespace test;

class DiscStart : public StartedProgram {
protected:
    using StartedProgram::StartedProgram;
    // Runs PlayDVD and tells which target the engine was given ("" for none).
    std::string playDvd(const std::string& root) {
        h.engine.target.clear();
        h.journal.entries.clear();
        main().PlayDVD(root);
        return h.engine.target;
    }
    Names saveOptions(std::int16_t useOverlay, std::int16_t screenSaver, std::int16_t target) {
        state().settings = {"English.ini", "/shots", useOverlay, screenSaver, target, 0, 0};
        main().SaveOptions();
        return state().engineOptions;
    }
};

TEST_F(DiscStart, PlayDvdMatchesTheRootExactly) {
    h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
    h.drives.add("D:", Drives::kOptical, std::nullopt, false);
    h.drives.add("E:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    EXPECT_EQ(playDvd("E:\\"), "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1); // menu item i - 1 of list entry i
    for (const char* root : {"e:\\", "E:", "\"E:\\\"", " E:\\", "E:\\ ", "C:\\", "F:\\"})
        EXPECT_EQ(playDvd(root), "") << root;
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
    // An empty root does not even look at the drives.
    playDvd("");
    EXPECT_THAT(h.journal.entries, IsEmpty());
}

class MountedDiscStart : public DiscStart {
protected:
    MountedDiscStart() : DiscStart(FakeDrives::Style::Linux) {}
};

TEST_F(MountedDiscStart, PlayDvdAcceptsWhatTheDesktopHandsOver) {
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

TEST_F(MountedDiscStart, DroppedImagesAreListedOnceAndStarted) {
    h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "UDF"}, true, "/media/u/FILM");
    const std::string image = "/home/u/My (1) film.iso";
    h.drives.discImages[image] = Volume{"My (1) film", "UDF"};
    start();
    for (int drop = 0; drop < 2; ++drop) {
        h.engine.target.clear();
        playDroppedDisc(program(), image);
        EXPECT_EQ(h.engine.target, "dvd://" + image);
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "My (1) film");
    }
    EXPECT_EQ(state().driveLetters, (Names{"/dev/sr0", image}));
    EXPECT_EQ(h.journal.with("drives.addVirtual").size(), 1u);

    // A mounted disc's folder is its drive, not a disc of its own.
    h.journal.entries.clear();
    playDroppedDisc(program(), "/media/u/FILM/");
    EXPECT_EQ(h.engine.target, "dvd:///dev/sr0");
    EXPECT_THAT(h.journal.with("drives.addVirtual"), IsEmpty());

    // Anything else is no disc: nothing starts and nobody is told.
    h.engine.target.clear();
    for (const char* other : {"/home/u/notes.txt", ""})
        playDroppedDisc(program(), other);
    EXPECT_EQ(h.engine.target, "");
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
}

TEST_F(DiscStart, TheOptionListFollowsTheSettings) {
    start();
    EXPECT_EQ(saveOptions(1, 1, 0),
              (Names{"overlay", "overlay", "snapshot-path=/shots", "disable-screensaver",
                     "snapshot-path=/shots", "no-osd", "no-snapshot-preview", "snapshot-sequential",
                     "snapshot-prefix=IMG_", "snapshot-format=jpg"}));
    EXPECT_EQ(saveOptions(0, 2, 0)[1], "no-overlay");
    EXPECT_EQ(saveOptions(-1, 0, 0)[1], "overlay");
    EXPECT_EQ(saveOptions(1, 2, 0)[3], "no-disable-screensaver");
    EXPECT_EQ(saveOptions(1, -1, 0)[3], "no-disable-screensaver");
    for (std::int16_t target : {3, -1}) {
        const Names other = saveOptions(1, 0, target);
        EXPECT_EQ(other.size(), 10u);
        EXPECT_EQ(other[4], "") << target;
        EXPECT_EQ(other[5], "no-osd");
    }
}

TEST_F(DiscStart, ScratchTargetsAreClearedOfOldSnapshots) {
    start();
    TempDir appData;
    h.shellFolders.localAppData = appData.str();
    for (const fs::path& folder : {h.tempFolder.path(), appData.path()}) {
        for (const char* name :
             {"IMG_0001.jpg", "IMG_0002.JPG", "img_7.jpg", "IMG_3.png", "other.jpg", "IMG_.jpeg"})
            writeFile(folder / name, "x");
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

    const Names clipboard = saveOptions(1, 0, 1);
    EXPECT_EQ(clipboard[2], "snapshot-path=/shots");
    EXPECT_EQ(clipboard[4], "snapshot-path=" + h.tempFolder.str());
    EXPECT_EQ(remaining(h.tempFolder.path()), kept);
    EXPECT_EQ(remaining(appData.path()).size(), 7u);

    const Names wallpaper = saveOptions(1, 0, 2);
    EXPECT_EQ(wallpaper[2], "snapshot-path=/shots");
    EXPECT_EQ(wallpaper[4], "snapshot-path=" + appData.str());
    EXPECT_EQ(remaining(appData.path()), kept);
    EXPECT_EQ(main().tempImages.path, appData.str());
    EXPECT_THAT(main().tempImages.names, IsEmpty());

    // Without a local data folder there is nothing to clear.
    h.shellFolders.localAppData = "";
    EXPECT_EQ(saveOptions(1, 0, 2)[4], "snapshot-path=");
}

TEST_F(DiscStart, PlayChangesNothingWithoutAnItemOrWhilePlaying) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    main().timeElapsed.caption = "00:00:01/00:10:00";
    main().playButton_Click(); // empty playlist
    engineState(0, true);
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
    EXPECT_THAT(journalOf([&] { main().playButton_Click(); }),
                ElementsAre("engine.play", "player.set _root.filename=SECOND DISC",
                            "bar.set _level0.dvdName.text=SECOND DISC", "sleep 500"));
    EXPECT_EQ(main().timeElapsed.caption, "00:00:05/00:01:40"); // transport on: no "LOADING..."
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
        engineState(-1, false);
        main().movieTimer_Timer();
        h.engine.target.clear();
        ASSERT_TRUE(main().tmrCheckCD.enabled);
    }
};

TEST_F(DiscWatch, RestartsTheWatchedDriveWhenItsDiscReturns) {
    startDiscAndLetItEnd();
    main().tmrCheckCD_Timer();
    main().tmrCheckCD_Timer();
    EXPECT_TRUE(main().tmrCheckCD.enabled);
    EXPECT_EQ(h.engine.target, "");

    h.drives.find("E:")->volume = Volume{"WATCHED", "UDF"};
    main().tmrCheckCD_Timer();
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1);
}

TEST_F(DiscWatch, ADiscThatNeverPlaysKeepsLoadingAndIsRestarted) {
    startDiscAndLetItEnd();
    h.drives.find("E:")->volume = Volume{"WATCHED", "UDF"};
    for (int round = 0; round < 2; ++round) {
        h.engine.target.clear();
        main().tmrCheckCD_Timer();
        EXPECT_EQ(h.engine.target, "dvd://E:");
        // The engine accepts the item but never plays it.
        engineState(-1, false);
        main().movieTimer_Timer();
        EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
        EXPECT_TRUE(main().logoHide.visible);
        EXPECT_TRUE(main().tmrCheckCD.enabled);
    }
}

} // namespace
} // namespace lumadisc
