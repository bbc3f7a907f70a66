// The control bar movie's commands and keys, each reaching the same action as the main window's
// controls; the bar window's own events and the movies' context-menu suppression.
#include "core/skin/hooking.h"
#include "core/skin/shortcuts.h"
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
    Names key(ShortcutKey key, bool fullScreen = false, bool handled = true) {
        return journalOf([&] { EXPECT_EQ(runShortcut(program(), key, fullScreen), handled); });
    }
    static Names volume(long value) {
        const std::string text = "Volume " + std::to_string(value);
        return {"engine.setVolume " + std::to_string(value),
                "bar.set _level0.volumeText1.text=" + text,
                "bar.set _level0.volumeText2.text=" + text};
    }
};

TEST_F(ControlBar, CommandsAndKeysReachTheEngine) {
    engineState(0.5f, true);
    main().PlayDVD("D:\\");
    const Names fullScreen{"engine.setEngineVariable key-fullscreen=102",
                           "engine.setEngineVariable key-pressed=102"};
    EXPECT_THAT(command("pause"), ElementsAre("engine.pause"));
    engineState(0.5f, true);
    EXPECT_THAT(command("ff"), ElementsAre("engine.jump 1"));
    EXPECT_THAT(command("rewind"), ElementsAre("engine.jump -1"));
    EXPECT_THAT(command("mute"), ElementsAre("engine.switchMute"));
    EXPECT_EQ(main().muteStatus.caption, "V");
    EXPECT_EQ(command("fullscreen"), fullScreen);
    main().timeElapsed.caption = "00:00:01/00:00:02";
    EXPECT_THAT(command("stop"), ElementsAre("engine.stop", "sleep 500"));
    EXPECT_THAT(command("ID_FS_drag"), ElementsAre("windows.drag bar"));

    const std::pair<const char*, ShortcutKey> keys[] = {{"navup", ShortcutKey::Up},
                                                        {"navdown", ShortcutKey::Down},
                                                        {"navright", ShortcutKey::Right},
                                                        {"navleft", ShortcutKey::Left},
                                                        {"enter", ShortcutKey::Enter}};
    const std::pair<const char*, const char*> bindings[] = {{"key-nav-up", "117"},
                                                            {"key-nav-down", "100"},
                                                            {"key-nav-right", "114"},
                                                            {"key-nav-left", "108"},
                                                            {"key-nav-activate", "97"}};
    for (int i = 0; i < 5; ++i) {
        const auto& [variable, code] = bindings[i];
        const Names pressed{"engine.setEngineVariable " + std::string(variable) + "=" + code,
                            "engine.setEngineVariable key-pressed=" + std::string(code)};
        EXPECT_EQ(command(keys[i].first), pressed) << keys[i].first;
        EXPECT_EQ(key(keys[i].second), pressed) << keys[i].first;
    }
    EXPECT_EQ(key(ShortcutKey::F), fullScreen);
    main().muteStatus.caption = "U";
    EXPECT_EQ(key(ShortcutKey::Plus), volume(51));
    EXPECT_EQ(key(ShortcutKey::Minus), volume(50));
    EXPECT_THAT(key(ShortcutKey::M), ElementsAre("engine.switchMute"));
    // Escape only leaves full screen.
    EXPECT_THAT(key(ShortcutKey::Escape, false, false), IsEmpty());
    EXPECT_EQ(key(ShortcutKey::Escape, true), fullScreen);
}

TEST_F(ControlBar, SpacePausesWhilePlayingAndPlaysOtherwise) {
    main().PlayDVD("D:\\");
    EXPECT_THAT(key(ShortcutKey::Space), ElementsAre("engine.pause"));
    EXPECT_THAT(key(ShortcutKey::Space),
                ElementsAre("engine.play", "player.set _root.filename=FILM",
                            "bar.set _level0.dvdName.text=FILM", "sleep 500"));
}

TEST_F(ControlBar, NamesAreExactAndCaseSensitive) {
    engineState(0.5f, true);
    main().volumeSlider.value = 50;
    for (const char* name :
         {"VOL+", "Vol-", "PLAY", "Pause", "ID_FS_about", "ID_FS_About", "ID_FS  _about", " play",
          "stop ", "ID_FS_EXIT", "Power", "", "nav up", "IDC_FS_KnobReleased", "mini"})
        EXPECT_THAT(command(name), IsEmpty()) << name;
    EXPECT_EQ(main().volumeSlider.value, 50);
    EXPECT_TRUE(main().visible);
    EXPECT_EQ(bar().windowState, WindowState::Normal);
}

TEST_F(ControlBar, VolumeStepsStopAtTheEnds) {
    main().volumeSlider.value = 56;
    EXPECT_EQ(command("vol+"), volume(57));
    EXPECT_EQ(command("vol-"), volume(56));
    for (const auto& [start, name] : {std::pair{100, "vol+"}, {0, "vol-"}}) {
        main().volumeSlider.value = start;
        EXPECT_THAT(command(name), IsEmpty());
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

    h.windows.choose = [](const MenuItem& menu) { return &menu.children.at(1); };
    command("drivers");
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1);
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

TEST_F(ControlBar, MiniHidesBothWindowsUntilTheBarIsRestored) {
    command("ID_FS_mini");
    EXPECT_EQ(bar().windowState, WindowState::Minimized);
    EXPECT_FALSE(main().visible);
    bar().Form_Resize(); // still minimised
    EXPECT_FALSE(main().visible);
    bar().windowState = WindowState::Normal;
    bar().Form_Resize();
    EXPECT_TRUE(main().visible);
}

TEST_F(ControlBar, TheWindowBringsTheMainWindowBackButNeverHidesIt) {
    // Minimising the bar by itself leaves the main window as it is.
    bar().windowState = WindowState::Minimized;
    bar().Form_Resize();
    EXPECT_TRUE(main().visible);
    bar().windowState = WindowState::Maximized;
    main().visible = false;
    bar().Form_Resize();
    EXPECT_TRUE(main().visible);
    // A repaint shows a hidden main window whatever the bar's state.
    bar().windowState = WindowState::Minimized;
    main().visible = false;
    bar().Form_Paint();
    EXPECT_TRUE(main().visible);
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
