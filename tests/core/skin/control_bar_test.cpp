// The control bar movie's commands, the keys and the other ways into the same actions; the bar
// window's own events and the movies' context-menu suppression.
#include "core/skin/actions.h"
#include "core/skin/hooking.h"
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

TEST_F(ControlBar, EachCommandAndItsKeysReachTheSameAction) {
    main().PlayDVD("D:\\");
    engineState(0.5f, true);
    main().movieTimer_Timer(); // the disc plays: "LOADING..." is over
    const struct {
        const char* command;
        Names keys;
        Names journal;
    } cases[] = {
        {"pause", {}, {"engine.pause"}},
        {"ff", {}, {"engine.jump 1"}},
        {"rewind", {}, {"engine.jump -1"}},
        {"mute", {"M"}, {"engine.switchMute"}},
        {"fullscreen", {"F"}, menuKey("key-fullscreen", "102")},
        {"stop", {"S"}, {"engine.stop", "sleep 500"}},
        {"ID_FS_drag", {}, {"windows.drag bar"}},
        {"navup", {"Up"}, menuKey("key-nav-up", "117")},
        {"navdown", {"Down"}, menuKey("key-nav-down", "100")},
        {"navright", {"Right"}, menuKey("key-nav-right", "114")},
        {"navleft", {"Left"}, menuKey("key-nav-left", "108")},
        {"enter", {"Return", "Enter"}, menuKey("key-nav-activate", "97")},
        {"option", {}, {"windows.modal options", "bar.set _level0.volumeText1.text=Volume 50"}},
        {"snapshot",
         {},
         {"engine.setEngineVariable key-snapshot=83", "engine.setEngineVariable key-pressed=83",
          "sleep 500"}},
    };
    for (const auto& c : cases) {
        engineState(0.5f, true);
        EXPECT_EQ(command(c.command), c.journal) << "the bar's command " << c.command;
        for (const std::string& name : c.keys) {
            engineState(0.5f, true);
            EXPECT_EQ(key(name), c.journal) << "the key " << name << " as " << c.command;
        }
    }
    // Esc only leaves full screen; F and the menu's Full Screen toggle it.
    EXPECT_THAT(key("Esc"), IsEmpty());
    EXPECT_EQ(key("Esc", true), menuKey("key-fullscreen", "102"));
    EXPECT_EQ(journalOf([&] { options().menuItemChosen(options().menuItem("fullScreenMenu")); }),
              menuKey("key-fullscreen", "102"));
}

TEST_F(ControlBar, SpacePausesWhilePlayingAndPlaysOtherwise) {
    main().PlayDVD("D:\\");
    EXPECT_THAT(key("Space"), ElementsAre("engine.pause"));
    EXPECT_THAT(key("Space"), ElementsAre("engine.play", "player.set _root.filename=FILM",
                                          "bar.set _level0.dvdName.text=FILM", "sleep 500"));
}

TEST_F(ControlBar, NamesAreExactAndCaseSensitive) {
    engineState(0.5f, true);
    main().volumeSlider.value = 50;
    for (const char* name :
         {"VOL+", "Vol-", "PLAY", "Pause", "ID_FS_about", "ID_FS_About", "ID_FS  _about", " play",
          "stop ", "ID_FS_EXIT", "Power", "", "nav up", "IDC_FS_KnobReleased", "mini", "Play"})
        EXPECT_THAT(command(name), IsEmpty()) << "the bar's command '" << name << "'";
    for (const char* name : {"s", "space", "Escape", "f", "E", "R", "D", "", "Return Enter", "+ ="})
        EXPECT_THAT(key(name, true), IsEmpty()) << "the key '" << name << "'";
    EXPECT_EQ(main().volumeSlider.value, 50);
    EXPECT_TRUE(main().visible);
    EXPECT_EQ(bar().windowState, WindowState::Normal);
}

TEST_F(ControlBar, VolumeStepsStopAtTheEndsAndRepeatWhileTheKeyIsHeld) {
    main().volumeSlider.value = 56;
    EXPECT_EQ(command("vol+"), volume(57));
    EXPECT_EQ(command("vol-"), volume(56));
    EXPECT_EQ(key("+", false, true), volume(57));
    EXPECT_EQ(key("=", false, true), volume(58));
    EXPECT_EQ(key("-", false, true), volume(57));
    // Other keys act once per press, not while held.
    EXPECT_THAT(key("M", false, true), IsEmpty());
    for (const auto& [start, name] : {std::pair{100, "vol+"}, {0, "vol-"}}) {
        main().volumeSlider.value = start;
        EXPECT_THAT(command(name), IsEmpty()) << name << " at " << start;
        EXPECT_EQ(main().volumeSlider.value, start);
    }
    // A volume step ends a mute.
    main().muteStatus.caption = "V";
    Names unmuted = volume(1);
    unmuted.insert(unmuted.begin(), "engine.switchMute");
    EXPECT_EQ(command("vol+"), unmuted);
    EXPECT_EQ(main().muteStatus.caption, "U");
}

TEST_F(ControlBar, DriversRebuildsTheDriveMenuAndStartsTheChosenDrive) {
    options().fileMenu_Click();
    h.drives.add("E:", Drives::kOptical, Volume{"NEW", "UDF"}, true);
    EXPECT_THAT(command("drivers"),
                ElementsAre("drives.volume D:", "drives.volume E:", "windows.popup bar openMenu"));
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
    const auto open = [](const std::string& door) {
        return Names{"bar.set _level0.dvdName.text=<No DVD drive is selected>", "engine.stop",
                     "drives.door " + door};
    };
    // Without a drive the door fails silently.
    h.drives.doorFails = true;
    EXPECT_EQ(command("open"), open("open "));
    EXPECT_TRUE(bar().doorOpen);
    bar().doorOpen = false;
    h.drives.doorFails = false;
    main().PlayDVD("D:\\");
    for (const char* door : {"open D:", "close D:", "open D:"})
        EXPECT_EQ(command("open"), open(door));
    EXPECT_TRUE(bar().doorOpen);
}

TEST_F(ControlBar, MiniHidesBothWindowsAndTheBarBringsTheMainWindowBack) {
    command("ID_FS_mini");
    EXPECT_EQ(bar().windowState, WindowState::Minimized);
    EXPECT_FALSE(main().visible);
    using enum WindowState;
    const struct {
        WindowState bar;
        bool repaint; // else a resize
        bool mainBefore;
        bool mainAfter;
    } cases[] = {
        {Minimized, false, false, false}, // still minimised
        {Minimized, false, true, true},   // minimising the bar by itself leaves main as it is
        {Normal, false, false, true},     {Maximized, false, false, true},
        {Minimized, true, false, true}, // a repaint shows main whatever the bar's state
    };
    for (const auto& c : cases) {
        bar().windowState = c.bar;
        main().visible = c.mainBefore;
        c.repaint ? bar().Form_Paint() : bar().Form_Resize();
        EXPECT_EQ(main().visible, c.mainAfter)
            << (c.repaint ? "repaint" : "resize") << " of the bar in state "
            << static_cast<int>(c.bar) << ", main shown before: " << c.mainBefore;
    }
}

TEST(MovieHook, OnlyTheContextMenuPressesBecomeNull) {
    const std::tuple<int, int, int> cases[] = {
        {msg::RightButtonDown, 0, msg::Null},
        {msg::RightButtonDown, 2, msg::Null},
        {msg::KeyDown, msg::VkApps, msg::Null},
        {msg::RightButtonUp, 0, msg::RightButtonUp},
        {msg::KeyUp, msg::VkApps, msg::KeyUp},
        {msg::KeyDown, 'A', msg::KeyDown},
        {msg::KeyDown, 0x5C, msg::KeyDown},
        {msg::LeftButtonDown, msg::VkApps, msg::LeftButtonDown},
        {msg::LeftButtonUp, 0, msg::LeftButtonUp}};
    for (const auto& [message, key, result] : cases)
        EXPECT_EQ(MovieProc(message, key), result) << message << " " << key;
}

} // namespace
} // namespace lumadisc
