// The control bar movie's commands, the keys and the other ways into the same actions, and the
// bar window's own events.
#include "core/skin/actions.h"
#include "core/started_program.h"

#include <tuple>

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
    static Names volume(long value) {
        const std::string text = "Volume " + std::to_string(value);
        return {"engine.setVolume " + std::to_string(value),
                "bar.set _level0.volumeText1.text=" + text,
                "bar.set _level0.volumeText2.text=" + text};
    }
    static Names menuKey(const std::string& variable, const std::string& code) {
        return {"engine.setEngineVariable " + variable + "=" + code,
                "engine.setEngineVariable key-pressed=" + code};
    }
};

TEST_F(ControlBar, EachCommandReachesItsAction) {
    main().PlayDVD("D:\\");
    engineState(0.5f, true);
    main().movieTimer_Timer(); // the disc plays: "LOADING..." is over
    const std::pair<const char*, Names> cases[] = {
        {"pause", {"engine.pause"}},
        {"ff", {"engine.jump 1"}},
        {"rewind", {"engine.jump -1"}},
        {"mute", {"engine.switchMute"}},
        {"fullscreen", menuKey("key-fullscreen", "102")},
        {"stop", {"engine.stop", "sleep 500"}},
        {"ID_FS_drag", {"windows.drag bar"}},
        {"navup", menuKey("key-nav-up", "117")},
        {"navdown", menuKey("key-nav-down", "100")},
        {"navright", menuKey("key-nav-right", "114")},
        {"navleft", menuKey("key-nav-left", "108")},
        {"enter", menuKey("key-nav-activate", "97")},
        {"option", {"windows.modal options", "bar.set _level0.volumeText1.text=Volume 50"}},
        {"snapshot",
         {"engine.setEngineVariable key-snapshot=83", "engine.setEngineVariable key-pressed=83",
          "sleep 500"}},
    };
    for (const auto& [name, journal] : cases) {
        engineState(0.5f, true);
        EXPECT_EQ(command(name), journal) << "the bar's command " << name;
    }
    // Esc only leaves full screen; the menu's Full Screen toggles it.
    EXPECT_THAT(key("Esc"), IsEmpty());
    EXPECT_EQ(key("Esc", true), menuKey("key-fullscreen", "102"));
    EXPECT_EQ(journalOf([&] { options().menuItemChosen(options().menuItem("fullScreenMenu")); }),
              menuKey("key-fullscreen", "102"));
    // Space pauses while playing and plays otherwise.
    EXPECT_THAT(key("Space"), ElementsAre("engine.pause"));
    EXPECT_THAT(key("Space"), ElementsAre("engine.play", "player.set _root.filename=FILM",
                                          "bar.set _level0.dvdName.text=FILM", "sleep 500"));
}

TEST_F(ControlBar, NamesAreExactAndCaseSensitive) {
    engineState(0.5f, true);
    for (const char* name : {"VOL+", "Pause", "ID_FS_about", "ID_FS  _about", " play", "stop ",
                             "ID_FS_EXIT", "Power", "", "IDC_FS_KnobReleased", "mini"})
        EXPECT_THAT(command(name), IsEmpty()) << "the bar's command '" << name << "'";
    for (const char* name : {"s", "Escape", "E", "D", "", "Return Enter", "+ ="})
        EXPECT_THAT(key(name, true), IsEmpty()) << "the key '" << name << "'";
    EXPECT_EQ(main().volumeSlider.value, 50);
    EXPECT_TRUE(main().visible);
}

TEST_F(ControlBar, VolumeStepsStopAtTheEndsRepeatWhileHeldAndEndTheMute) {
    main().volumeSlider.value = 56;
    const std::pair<const char*, long> held[] = {{"+", 57}, {"=", 58}, {"-", 57}};
    for (const auto& [name, value] : held)
        EXPECT_EQ(key(name, false, true), volume(value)) << "the key " << name << " held";
    EXPECT_THAT(key("M", false, true), IsEmpty()) << "mute repeated while its key was held";
    const std::tuple<int, const char*, int> ends[] = {
        {99, "vol+", 100}, {100, "vol+", 100}, {1, "vol-", 0}, {0, "vol-", 0}};
    for (const auto& [from, step, to] : ends) {
        main().volumeSlider.value = from;
        EXPECT_EQ(command(step), from == to ? Names{} : volume(to)) << step << " at " << from;
        EXPECT_EQ(main().volumeSlider.value, to) << step << " at " << from;
    }
    // "V" is the muted glyph; anything else counts as not muted. A step ends a mute.
    for (const auto& [before, after] : {std::pair{"U", "V"}, {"V", "U"}, {"x", "U"}}) {
        main().muteStatus.caption = before;
        command("mute");
        EXPECT_EQ(main().muteStatus.caption, after) << "mute pressed on " << before;
    }
    main().muteStatus.caption = "V";
    Names unmuted = volume(1);
    unmuted.insert(unmuted.begin(), "engine.switchMute");
    EXPECT_EQ(command("vol+"), unmuted);
    EXPECT_EQ(main().muteStatus.caption, "U");
}

TEST_F(ControlBar, DriversRebuildsTheDriveMenuAndStartsTheChosenDrive) {
    options().fileMenu_Click();
    h.drives.add("E:", Drives::kOptical, Volume{"NEW", "UDF"}, true);
    command("drivers");
    EXPECT_EQ(h.windows.popupCaptions, (Names{"FILM (D:)", "NEW (E:)"}));
    EXPECT_EQ(h.engine.target, "");

    h.windows.choose = [&](const MenuItem&) { return &options().dvdsList().at(1); };
    command("drivers");
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1);
    // An item that is no longer in the menu does nothing.
    const MenuItem stale = options().dvdsList().at(0);
    EXPECT_THAT(journalOf([&] { options().menuItemChosen(stale); }), IsEmpty());
}

TEST_F(ControlBar, OpenTogglesTheTrayOfTheSelectedDrive) {
    // Without a drive the door fails silently.
    h.drives.doorFails = true;
    EXPECT_EQ(command("open"), (Names{"bar.set _level0.dvdName.text=<No DVD drive is selected>",
                                      "engine.stop", "drives.door open "}));
    bar().doorOpen = false;
    h.drives.doorFails = false;
    main().PlayDVD("D:\\");
    for (const char* door : {"drives.door open D:", "drives.door close D:", "drives.door open D:"})
        EXPECT_EQ(command("open").back(), door);
    EXPECT_TRUE(bar().doorOpen);
}

TEST_F(ControlBar, MiniHidesBothWindowsAndTheBarBringsTheMainWindowBack) {
    command("ID_FS_mini");
    EXPECT_EQ(bar().windowState, WindowState::Minimized);
    EXPECT_FALSE(main().visible);
    using enum WindowState;
    // The bar's state, a repaint (else a resize), main shown before and after.
    const std::tuple<WindowState, bool, bool, bool> cases[] = {
        {Minimized, false, false, false}, {Minimized, false, true, true},
        {Normal, false, false, true},     {Maximized, false, false, true},
        {Minimized, true, false, true}, // a repaint shows main whatever the bar's state
    };
    for (const auto& [state, repaint, mainBefore, mainAfter] : cases) {
        bar().windowState = state;
        main().visible = mainBefore;
        repaint ? bar().Form_Paint() : bar().Form_Resize();
        EXPECT_EQ(main().visible, mainAfter)
            << (repaint ? "repaint" : "resize") << " of the bar in state "
            << static_cast<int>(state) << ", main shown before: " << mainBefore;
    }
}

} // namespace
} // namespace lumadisc
