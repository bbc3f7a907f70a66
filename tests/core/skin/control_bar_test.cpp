// The control bar movie's commands, the keys and the other ways into the same actions, and the
// bar window's own events. The commands the end-to-end tests click (enter, the volume steps, mute,
// pause, play, stop, drivers, about, mini, the drags, option, snapshot) are theirs.
#include "core/skin/actions.h"
#include "core/started_program.h"

namespace lumadisc {
namespace {

using namespace test;

class ControlBar : public StartedProgram {
protected:
    ControlBar() {
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        start();
    }
    // Runs the command and returns what it made the fakes do.
    Names command(const std::string& name) {
        return journalOf([&] { h.barMovie.click(name, "ignored argument"); });
    }
    // Presses a key in a window; a key without an action does nothing.
    Names key(const std::string& name, bool fullScreen = false, bool autoRepeat = false) {
        return journalOf([&] {
            if (const Action* action = actionForKey(name, fullScreen, autoRepeat))
                action->perform(program());
        });
    }
    static Names fullScreen() {
        return {"engine.setEngineVariable key-fullscreen=102",
                "engine.setEngineVariable key-pressed=102"};
    }
};

TEST_F(ControlBar, EachCommandAndKeyReachesItsActionByItsExactName) {
    main().PlayDVD("D:\\");
    playingTick(0); // the disc plays: "LOADING..." is over
    // At the very start of the title (position 0) the transport acts; names are case-sensitive.
    const std::pair<const char*, Names> cases[] = {
        {"ff", {"engine.jump 1"}},
        {"rewind", {"engine.jump -1"}},
        {"fullscreen", fullScreen()},
        {"navup",
         {"engine.setEngineVariable key-nav-up=117", "engine.setEngineVariable key-pressed=117"}}};
    for (const auto& [name, journal] : cases) {
        engineState(0, true);
        EXPECT_EQ(command(name), journal) << "the bar's command " << name;
    }
    for (const char* name : {"Pause", "ID_FS_about", "stop ", ""})
        EXPECT_THAT(command(name), IsEmpty()) << "the bar's command '" << name << "'";
    // Esc only leaves full screen; the menu's Full Screen toggles it.
    EXPECT_THAT(key("Esc"), IsEmpty());
    EXPECT_EQ(key("Esc", true), fullScreen());
    for (const char* name : {"s", "Escape"})
        EXPECT_THAT(key(name, true), IsEmpty()) << "the key '" << name << "'";
    EXPECT_EQ(journalOf([&] { options().menuItemChosen(options().menuItem("fullScreenMenu")); }),
              fullScreen());
    // Space pauses while playing and plays otherwise.
    EXPECT_THAT(key("Space"), ElementsAre("engine.pause"));
    EXPECT_EQ(key("Space").at(0), "engine.play");
}

// "+" and "=" held are the keyboard test's (ui suite).
TEST_F(ControlBar, VolumeStepsStopAtTheEndsAndRepeatWhileHeld) {
    main().volumeSlider.value = 56;
    EXPECT_THAT(key("-", false, true), ::testing::Contains("engine.setVolume 55"))
        << "volume down did not repeat while its key was held";
    EXPECT_THAT(key("M", false, true), IsEmpty()) << "mute repeated while its key was held";
    // One step short of each end the last step is taken; at the end, none.
    for (const auto& [from, step, to] :
         {std::tuple{99, "vol+", 100}, {100, "vol+", 100}, {1, "vol-", 0}, {0, "vol-", 0}}) {
        main().volumeSlider.value = from;
        command(step);
        EXPECT_EQ(main().volumeSlider.value, to) << step << " from " << from;
    }
}

TEST_F(ControlBar, DriversStartsTheChosenDriveAndAStaleItemDoesNothing) {
    h.drives.add("E:", Drives::kOptical, Volume{"NEW", "UDF"}, true);
    h.windows.choose = [&](const MenuItem&) { return &options().dvdsList().at(1); };
    command("drivers");
    EXPECT_EQ(h.engine.target, "dvd://E:");
    const MenuItem stale = options().dvdsList().at(0);
    EXPECT_THAT(journalOf([&] { options().menuItemChosen(stale); }), IsEmpty());
}

TEST_F(ControlBar, OpenStopsTheDiscAndTogglesTheTrayOfTheSelectedDrive) {
    main().PlayDVD("D:\\");
    EXPECT_EQ(command("open"), (Names{"bar.set _level0.dvdName.text=<No DVD drive is selected>",
                                      "engine.stop", "drives.door open D:"}));
    for (const char* door : {"drives.door close D:", "drives.door open D:"})
        EXPECT_EQ(command("open").back(), door);
}

TEST_F(ControlBar, AMinimisedBarKeepsTheMainWindowHidden) {
    bar().windowState = WindowState::Minimized;
    main().visible = false;
    bar().Form_Resize();
    EXPECT_FALSE(main().visible) << "resizing the minimised bar showed the main window";
}

} // namespace
} // namespace lumadisc
