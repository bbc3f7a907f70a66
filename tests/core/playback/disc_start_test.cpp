// Starting a disc by its root, the engine option list, the play command and the disc watch;
// then the transport commands, seeking, the volume slider, time formatting and the status tick.
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
    playingTick(0.25f, 5, 100); // transport enabled
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
    playingTick();
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

class Transport : public StartedProgram {
protected:
    Transport() { start(); }
    void knob(const std::string& value) { h.playerMovie.click("IDC_FS_KnobReleased", value); }
    bool transportEnabled() {
        const bool edit = options().editMenu.enabled;
        for (const Button* button : {&main().playButton, &main().stopButton, &main().pauseButton,
                                     &main().rewindButton, &main().ffButton})
            EXPECT_EQ(button->enabled, edit) << button->caption << " out of step with the rest";
        return edit;
    }
    std::string bar(const std::string& name) { return h.barMovie.variables[name]; }
};

TEST_F(Transport, PauseAndJumpsNeedAPlayingTitleTheKnobALoadedOne) {
    const std::tuple<float, bool, Names> cases[] = {
        {-1, false, {}},   // idle: the knob is ignored too
        {0.3f, false, {}}, // paused: only the knob acts
        // At the very start of the title (position 0) everything acts.
        {0, true, {"engine.pause", "engine.jump 1", "engine.jump -1"}},
    };
    for (const auto& [position, playing, expected] : cases) {
        Names acted;
        for (void (MainForm::*press)() : {&MainForm::pauseButton_Click, &MainForm::ffButton_Click,
                                          &MainForm::rewindButton_Click}) {
            engineState(position, playing);
            const Names journal = journalOf([&] { (main().*press)(); });
            acted.insert(acted.end(), journal.begin(), journal.end());
        }
        EXPECT_EQ(acted, expected) << "at position " << position << ", playing " << playing;
        knob("50");
        EXPECT_FLOAT_EQ(h.engine.pos, position < 0 ? position : 0.5f)
            << "knob released at position " << position;
    }
    const std::pair<const char*, float> knobs[] = {{"12.5xyz", 0.125f}, {"0", 0}, {"100", 1}};
    for (const auto& [value, position] : knobs) {
        knob(value);
        EXPECT_FLOAT_EQ(h.engine.pos, position) << "knob released at " << value;
    }
    h.playerMovie.click("IDC_FS_KnobMoved", "10");
    EXPECT_FLOAT_EQ(h.engine.pos, 1) << "moving the knob (not releasing it) seeked";
}

TEST_F(Transport, StopIsRefusedWhileLoadingAndKeepsTheWatchOffUntilPlayingAgain) {
    h.writePack("French.ini", "[Language Pack]\r\n020=CHARGEMENT...\r\n");
    state().settings.languageFile = "French.ini";
    playingTick();
    main().movieProgress.value = 40;
    main().timeElapsed.caption = "CHARGEMENT...";
    main().stopButton_Click();
    EXPECT_EQ(main().movieProgress.value, 40);
    EXPECT_TRUE(h.engine.playing) << "stop acted while the disc was loading";
    // The English text is no loading text in French.
    main().timeElapsed.caption = "LOADING...";
    main().stopButton_Click();
    EXPECT_FALSE(h.engine.playing);
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    main().movieTimer_Timer();
    EXPECT_FALSE(main().tmrCheckCD.enabled) << "the disc watch would restart a stopped disc";
    playingTick(0.1f);
    EXPECT_FALSE(state().userStopped);

    // Stop with nothing loaded clears the display only.
    engineState(-1, false);
    main().movieTimer_Timer();
    main().timeElapsed.caption = "x";
    EXPECT_THAT(journalOf([&] { main().stopButton_Click(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_FALSE(state().userStopped);
}

TEST_F(Transport, TheBarsFollowTheLeftButtonOnly) {
    h.windows.metrics = {1024, 768, 12, 15}; // twips across differ from twips down
    const float widthTwips = static_cast<float>(main().movieProgress.bounds.width * 12);
    engineState(-1, false, 1);
    const std::pair<float, float> clicks[] = {{widthTwips / 4, 0.25f}, {0, 0}, {widthTwips, 1}};
    for (const auto& [x, position] : clicks) {
        main().movieProgress_MouseDown(1, 0, x, 3);
        EXPECT_FLOAT_EQ(h.engine.pos, position) << "click at " << x << " twips";
    }
    main().movieProgress_MouseDown(2, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, 1) << "a right click seeked";
    engineState(-1, false, 0);
    main().movieProgress_MouseDown(1, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, -1) << "seeked with no item loaded";
    engineState(-1, false, 1);
    h.engine.failing = {"setPosition"};
    EXPECT_NO_THROW(main().movieProgress_MouseDown(1, 0, 10, 3));

    main().muteStatus.caption = "V";
    main().volumeSlider.value = 70;
    main().volumeSlider_MouseMove(2, 0, 10, 5);
    EXPECT_EQ(h.engine.vol, 50) << "a right drag on the volume slider set the volume";
    main().volumeSlider_MouseMove(1, 0, 10, 5);
    EXPECT_EQ(h.engine.vol, 70);
    EXPECT_EQ(main().muteStatus.caption, "U") << "moving the slider did not end the mute";
}

TEST(FormatTime, HoursMinutesSecondsAndTheRemainder) {
    const std::pair<long, const char*> cases[] = {
        {0, "00:00:00"},    {9, "00:00:09"},     {59, "00:00:59"},
        {60, "00:01:00"},   {3599, "00:59:59"},  {3600, "01:00:00"},
        {3725, "01:02:05"}, {36000, "10:00:00"}, {360000, "100:00:00"}};
    for (const auto& [seconds, text] : cases) {
        long value = seconds;
        EXPECT_EQ(MainForm::FormatTime(value), text) << seconds << " s";
        EXPECT_EQ(value, seconds % 60) << "remainder left of " << seconds << " s";
    }
}

TEST_F(Transport, ThePlayingTickShowsTimeKnobNameAndTransport) {
    h.playerMovie.variables["_root.filename"] = "FILM";
    main().tmrCheckCD.enabled = true;
    state().userStopped = true;
    playingTick(0.25f, 760, 6303);
    EXPECT_EQ(main().timeElapsed.caption, "00:12:40/01:45:03");
    EXPECT_EQ(bar("_level0.timeElapsed1.text"), "00:12:40/01:45:03");
    EXPECT_EQ(h.playerMovie.variables["_root.KnobPosition"], "25");
    EXPECT_EQ(bar("_level0.dvdName.text"), "FILM");
    EXPECT_FALSE(main().logoHide.visible) << "the loading frame hides the picture";
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    EXPECT_FALSE(state().userStopped);

    // The disc name is written only when it differs; the knob keeps fractions.
    const int writes = h.barMovie.writes;
    playingTick(0.125f, 760, 6303);
    EXPECT_EQ(h.barMovie.writes, writes + 1) << "the bar was written more than the time";
    EXPECT_EQ(h.playerMovie.variables["_root.KnobPosition"], "12.5");

    // Paused and failing ticks change nothing.
    h.journal.entries.clear();
    engineState(0.25f, false);
    main().movieTimer_Timer();
    engineState(-1, true);
    h.engine.failing = {"position"};
    EXPECT_NO_THROW(main().movieTimer_Timer());
    EXPECT_THAT(h.journal.entries, IsEmpty());
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().logoHide.visible || main().tmrCheckCD.enabled);
}

TEST_F(Transport, TheIdleTickStopsTheDisplayOnceAndStartsTheWatch) {
    playingTick();
    main().movieProgress.value = 30;
    engineState(-1, false);
    main().movieTimer_Timer();
    EXPECT_EQ(bar("_level0.timeElapsed1.text"), "");
    EXPECT_EQ(bar("_level0.dvdName.text"), "The dvd is stopped");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "Lumadisc");
    EXPECT_FALSE(transportEnabled());
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_TRUE(main().logoHide.visible);
    EXPECT_TRUE(main().tmrCheckCD.enabled) << "the disc watch did not start";

    // Further idle ticks leave the screen alone.
    main().timeElapsed.caption = "LOADING...";
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
}

} // namespace
} // namespace lumadisc
