// Starting a disc by its root, the engine option list, the play command and the disc watch.
#include "core/drives/command_line_disc.h"
#include "core/started_program.h"

#include <filesystem>
#include <set>
#include <tuple>

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

// Which roots name a drive is the backend's to say (the linux suite); here the drive it names.
TEST_F(DiscStart, PlayDvdStartsTheDriveTheRootNames) {
    h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
    h.drives.add("D:", Drives::kOptical, std::nullopt, false);
    h.drives.add("E:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    EXPECT_EQ(playDvd("E:\\"), "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1); // the second optical drive
    EXPECT_EQ(playDvd("F:\\"), "") << "a root of no drive started a disc";
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
    playDvd("");
    EXPECT_THAT(h.journal.entries, IsEmpty()) << "an empty root looked at the drives";
}

class MountedDiscStart : public DiscStart {
protected:
    MountedDiscStart() : DiscStart(FakeDrives::Style::Linux) {}
};

TEST_F(MountedDiscStart, RootsTheDesktopHandsOverAndDroppedImagesStartTheirDisc) {
    h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "UDF"}, true, "/media/u/FILM");
    h.drives.add("/dev/sr1", Drives::kOptical, Volume{"MY (FILM)", "UDF"}, true,
                 "/media/u/MY (FILM)");
    const std::string image = "/home/u/My (1) film.iso";
    h.drives.discImages[image] = Volume{"My (1) film", "UDF"};
    start();
    EXPECT_EQ(playDvd("file:///media/u/MY (FILM)"), "dvd:///dev/sr1");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "MY (FILM)");

    for (int drop = 0; drop < 2; ++drop) {
        h.engine.target.clear();
        playDroppedDisc(program(), image);
        EXPECT_EQ(h.engine.target, "dvd://" + image);
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "My (1) film");
    }
    EXPECT_EQ(state().driveLetters, (Names{"/dev/sr0", "/dev/sr1", image}))
        << "listed twice or not at all";

    // A copied disc at the root of a mounted stick is a folder disc, not the stick.
    h.drives.add("/dev/sdb1", 0, Volume{"STICK", "vfat"}, true, "/media/u/STICK");
    h.drives.discImages["/media/u/STICK"] = Volume{"STICK", "UDF"};
    playDroppedDisc(program(), "/media/u/STICK");
    EXPECT_EQ(h.engine.target, "dvd:///media/u/STICK") << "a copied disc on a stick did not play";

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
    // Overlay, screen saver and target settings; the options they give at indexes 1, 3 and 4.
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, Names> cases[] = {
        {1, 1, 0, {"overlay", "disable-screensaver", "snapshot-path=/shots"}},
        {0, 2, 0, {"no-overlay", "no-disable-screensaver", "snapshot-path=/shots"}},
        {-1, 0, 0, {"overlay", "no-disable-screensaver", "snapshot-path=/shots"}},
        {1, -1, 3, {"overlay", "no-disable-screensaver", ""}},
        {1, 0, -1, {"overlay", "no-disable-screensaver", ""}}};
    for (const auto& [overlay, screenSaver, target, chosen] : cases)
        EXPECT_EQ(saveOptions(overlay, screenSaver, target),
                  (Names{"overlay", chosen[0], "snapshot-path=/shots", chosen[1], chosen[2],
                         "no-osd", "no-snapshot-preview", "snapshot-sequential",
                         "snapshot-prefix=IMG_", "snapshot-format=jpg"}))
            << "overlay " << overlay << ", screen saver " << screenSaver << ", target " << target;
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
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    };
    const std::set<std::string> kept{"IMG_.jpeg", "IMG_3.png", "IMG_dir.jpg", "other.jpg"};

    EXPECT_EQ(saveOptions(1, 0, 1)[4], "snapshot-path=" + h.tempFolder.str());
    EXPECT_EQ(remaining(h.tempFolder.path()), kept) << "clipboard target: scratch folder";
    EXPECT_EQ(remaining(appData.path()).size(), 7u) << "clipboard target touched the data folder";

    EXPECT_EQ(saveOptions(1, 0, 2)[4], "snapshot-path=" + appData.str());
    EXPECT_EQ(remaining(appData.path()), kept) << "wallpaper target: data folder";
    EXPECT_THAT(main().tempImages.names, IsEmpty());

    h.shellFolders.localAppData = ""; // no data folder: nothing to clear
    EXPECT_EQ(saveOptions(1, 0, 2)[4], "snapshot-path=");
}

TEST_F(DiscStart, PlayNeedsAnIdleItemAndResumesAPausedDiscNamingIt) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"SECOND DISC", "UDF"}, true);
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

    main().PlayDVD("E:\\");
    h.engine.elapsed = 5;
    h.engine.length = 100;
    main().movieTimer_Timer(); // playing: transport enabled
    main().pauseButton_Click();
    EXPECT_THAT(journalOf([&] { main().playButton_Click(); }),
                ElementsAre("engine.play", "player.set _root.filename=SECOND DISC",
                            "bar.set _level0.dvdName.text=SECOND DISC", "sleep 500"));
    EXPECT_EQ(main().timeElapsed.caption, "00:00:05/00:01:40") << "LOADING... over the time";
}

// The watched disc is taken out while playing, comes back, and then never plays.
TEST_F(DiscStart, TheWatchRestartsTheWatchedDriveWhenItsDiscReturnsUntilItPlays) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"WATCHED", "UDF"}, true);
    start();
    main().PlayDVD("E:\\");
    h.engine.elapsed = 5;
    h.engine.length = 100;
    main().movieTimer_Timer();
    h.drives.find("E:")->volume.reset();
    engineState(-1, false); // the engine goes idle by itself
    main().movieTimer_Timer();
    ASSERT_TRUE(main().tmrCheckCD.enabled) << "the watch did not start when the disc went";
    h.engine.target.clear();
    main().tmrCheckCD_Timer();
    main().tmrCheckCD_Timer();
    EXPECT_TRUE(main().tmrCheckCD.enabled);
    EXPECT_EQ(h.engine.target, "") << "started a disc that is not there";

    h.drives.find("E:")->volume = Volume{"WATCHED", "UDF"};
    for (int round = 0; round < 2; ++round) {
        h.engine.target.clear();
        main().tmrCheckCD_Timer();
        EXPECT_EQ(h.engine.target, "dvd://E:") << "round " << round;
        EXPECT_EQ(state().lastDriveIndex, 1);
        EXPECT_FALSE(main().tmrCheckCD.enabled) << "the watch stays on while the disc starts";
        // The engine accepts the item but never plays it: the watch comes back.
        engineState(-1, false);
        main().movieTimer_Timer();
        EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
        EXPECT_TRUE(main().logoHide.visible && main().tmrCheckCD.enabled) << "round " << round;
    }
}

} // namespace
} // namespace lumadisc
