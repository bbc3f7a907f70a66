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
    Names saveOptions(std::int16_t useOverlay, std::int16_t screenSaver, std::int16_t target) {
        state().settings = {"English.ini", "/shots", useOverlay, screenSaver, target, 0, 0};
        main().SaveOptions();
        return state().engineOptions;
    }
};

class MountedDiscStart : public StartedProgram {
protected:
    MountedDiscStart() : StartedProgram(FakeDrives::Style::Linux) {}
};

// Which roots name a drive (a URI, a trailing slash) is the backend's to say (the linux suite);
// here the drive it names.
TEST_F(MountedDiscStart, RootsTheDesktopHandsOverAndDroppedImagesStartTheirDisc) {
    h.drives.add("/dev/sr1", Drives::kOptical, Volume{"MY (FILM)", "UDF"}, true, "/media/u/MY");
    const std::string image = "/home/u/My (1) film.iso";
    h.drives.discImages[image] = Volume{"My (1) film", "UDF"};
    // A copied disc at the root of a mounted stick is a folder disc, not the stick.
    h.drives.add("/dev/sdb1", 0, Volume{"STICK", "vfat"}, true, "/media/u/STICK");
    h.drives.discImages["/media/u/STICK"] = Volume{"STICK", "UDF"};
    start();
    // What is handed over, the disc it starts and the label shown; anything else is no disc.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"/media/u/MY", "dvd:///dev/sr1", "MY (FILM)"},
        {image, "dvd://" + image, "My (1) film"},
        {"/media/u/STICK", "dvd:///media/u/STICK", "STICK"},
        {"/home/u/notes.txt", "", "STICK"}};
    for (const auto& [root, target, label] : cases) {
        h.engine.target.clear();
        playDroppedDisc(program(), root);
        EXPECT_EQ(h.engine.target, target) << root;
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], label) << root;
    }
}

TEST_F(DiscStart, TheOptionListFollowsTheSettingsAndScratchTargetsAreClearedOfOldSnapshots) {
    start();
    // Overlay, screen saver and target settings; the options they give at indexes 1, 3 and 4.
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, Names> cases[] = {
        {0, 1, 0, {"no-overlay", "disable-screensaver", "snapshot-path=/shots"}},
        {-1, 2, 3, {"overlay", "no-disable-screensaver", ""}}};
    for (const auto& [overlay, screenSaver, target, chosen] : cases)
        EXPECT_EQ(saveOptions(overlay, screenSaver, target),
                  (Names{"overlay", chosen[0], "snapshot-path=/shots", chosen[1], chosen[2],
                         "no-osd", "no-snapshot-preview", "snapshot-sequential",
                         "snapshot-prefix=IMG_", "snapshot-format=jpg"}))
            << "overlay " << overlay << ", screen saver " << screenSaver << ", target " << target;

    TempDir appData;
    h.shellFolders.localAppData = appData.str();
    for (const auto& [target, folder] : {std::pair{1, h.tempFolder.path()}, {2, appData.path()}}) {
        for (const char* name : {"IMG_1.jpg", "img_7.JPG", "IMG_3.png", "other.jpg"})
            writeFile(folder / name, "x");
        fs::create_directory(folder / "IMG_dir.jpg");
        EXPECT_EQ(saveOptions(1, 0, target)[4], "snapshot-path=" + folder.string());
        std::set<std::string> kept;
        for (const auto& entry : fs::directory_iterator(folder))
            kept.insert(entry.path().filename().string());
        EXPECT_EQ(kept, (std::set<std::string>{"IMG_3.png", "IMG_dir.jpg", "other.jpg"}))
            << "snapshot target " << target;
    }
    h.shellFolders.localAppData = ""; // no data folder: nothing to clear
    EXPECT_EQ(saveOptions(1, 0, 2)[4], "snapshot-path=");
}

TEST_F(DiscStart, PlayNeedsAnIdleItemAndResumesAPausedDiscNamingIt) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"SECOND DISC", "UDF"}, true);
    start();
    main().playButton_Click(); // empty playlist
    engineState(0, true);
    main().playButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "") << "play acted on a playing disc";
    // Before any drive was listed the play command only shows that it is loading.
    h.engine.playing = false;
    main().playButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
    EXPECT_THAT(h.journal.entries, IsEmpty());

    main().PlayDVD("E:\\");
    playingTick(); // transport enabled
    main().pauseButton_Click();
    EXPECT_THAT(journalOf([&] { main().playButton_Click(); }),
                ElementsAre("engine.play", "player.set _root.filename=SECOND DISC",
                            "bar.set _level0.dvdName.text=SECOND DISC", "sleep 500"));
}

// That the watch waits for a disc that went and restarts it when it is back is test_disc_end's.
TEST_F(DiscStart, TheWatchRestartsTheWatchedDriveUntilItsDiscPlays) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"WATCHED", "UDF"}, true);
    start();
    main().PlayDVD("E:\\");
    // The engine accepts the item but does not play it.
    engineState(-1, false);
    main().movieTimer_Timer();
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
    ASSERT_TRUE(main().logoHide.visible && main().tmrCheckCD.enabled) << "the watch is off";
    h.engine.target.clear();
    main().tmrCheckCD_Timer();
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_FALSE(main().tmrCheckCD.enabled) << "the watch stays on while the disc starts";
}

class Transport : public StartedProgram {
protected:
    Transport() { start(); }
    bool transportEnabled() {
        const bool edit = options().editMenu.enabled;
        for (const Button* button : {&main().playButton, &main().stopButton, &main().pauseButton,
                                     &main().rewindButton, &main().ffButton})
            EXPECT_EQ(button->enabled, edit) << button->caption << " out of step with the rest";
        return edit;
    }
};

// Playing at the very start of a title, they act: the control bar's test. What stop does is
// test_playback's; here that it waits for the disc to load, in any language.
TEST_F(Transport, PauseAndJumpsNeedAPlayingTitleTheKnobALoadedOneAndStopALoadedDisc) {
    // Loading (no position yet, though the engine plays) and paused.
    for (const auto& [position, playing] : {std::pair{-1.f, true}, {0.3f, false}}) {
        for (void (MainForm::*press)() : {&MainForm::pauseButton_Click, &MainForm::ffButton_Click,
                                          &MainForm::rewindButton_Click}) {
            engineState(position, playing);
            EXPECT_THAT(journalOf([&] { (main().*press)(); }), IsEmpty()) << "at " << position;
        }
        h.playerMovie.click("IDC_FS_KnobReleased", "12.5xyz");
        EXPECT_FLOAT_EQ(h.engine.pos, position < 0 ? position : 0.125f)
            << "knob released at position " << position;
    }
    h.playerMovie.click("IDC_FS_KnobMoved", "10");
    EXPECT_FLOAT_EQ(h.engine.pos, 0.125f) << "moving the knob (not releasing it) seeked";

    h.writePack("French.ini", "[Language Pack]\r\n020=CHARGEMENT...\r\n");
    state().settings.languageFile = "French.ini";
    playingTick();
    for (const auto& [status, stops] : {std::pair{"CHARGEMENT...", false}, {"LOADING...", true}}) {
        main().timeElapsed.caption = status;
        main().stopButton_Click();
        EXPECT_EQ(h.engine.playing, !stops) << "stop pressed while the status says " << status;
    }
}

TEST_F(Transport, TheProgressBarFollowsTheLeftButtonOnly) {
    h.windows.metrics = {1024, 768, 12, 15}; // twips across differ from twips down
    const float quarter = static_cast<float>(main().movieProgress.bounds.width * 12) / 4;
    // Items loaded, the button clicked a quarter along the bar, and where the disc is then.
    for (const auto& [items, button, pos] :
         {std::tuple{0L, 1, -1.f}, {1L, 2, -1.f}, {1L, 1, .25f}}) {
        engineState(-1, false, items);
        main().movieProgress_MouseDown(button, 0, quarter, 3);
        EXPECT_FLOAT_EQ(h.engine.pos, pos) << "button " << button << " with " << items << " items";
    }
}

// That it shows the time in both windows, the knob and the name, and what the idle tick shows
// (the loading frame, the stopped texts) are test_playback's.
TEST_F(Transport, ThePlayingTickEnablesTheTransportAndTheIdleTickDisablesItOnce) {
    main().tmrCheckCD.enabled = true;
    state().userStopped = true;
    playingTick(0.25f, 760, 6303);
    EXPECT_EQ(main().timeElapsed.caption, "00:12:40/01:45:03");
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().tmrCheckCD.enabled || state().userStopped);

    // The knob keeps fractions. That a tick writes the disc name only when it differs is
    // Navigation.ChapterVariables…'s (a tick's whole journal).
    playingTick(0.125f, 760, 6303);
    EXPECT_EQ(h.playerMovie.variables["_root.KnobPosition"], "12.5");

    engineState(0.25f, false);
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty()) << "a paused tick";
    engineState(-1, true);
    h.engine.failing = {"position"};
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty()) << "a failing tick";
    EXPECT_TRUE(transportEnabled());

    h.engine.failing.clear();
    engineState(-1, false);
    main().movieTimer_Timer();
    EXPECT_FALSE(transportEnabled());
    main().timeElapsed.caption = "LOADING...";
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty()) << "a second idle tick";
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
}

} // namespace
} // namespace lumadisc
