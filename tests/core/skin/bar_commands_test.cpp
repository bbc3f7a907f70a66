// The control bar movie's commands, each reaching the same action as the main window's controls.
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "core/skin/dvd_bar_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumadisc {
namespace {

using test::ProgramHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Volume = Drives::VolumeInfo;
using Names = std::vector<std::string>;

class BarCommands : public ::testing::Test {
protected:
    BarCommands() {
        h.writeConfig(configText({"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0}));
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        h.start();
        h.journal.entries.clear();
    }
    MainForm& main() { return h.program->mainForm(); }
    DvdBarForm& bar() { return h.program->dvdBarForm(); }
    // Runs the command and returns what it made the fakes do.
    Names command(const std::string& name) {
        h.journal.entries.clear();
        h.barMovie.click(name, "ignored argument");
        return h.journal.entries;
    }
    void playing() {
        h.engine.pos = 0.5f;
        h.engine.playing = true;
        h.engine.items = 1;
    }

    ProgramHarness h;
};

TEST_F(BarCommands, TransportAndDvdMenuKeysReachTheEngine) {
    playing();
    EXPECT_THAT(command("pause"), ElementsAre("engine.pause"));
    EXPECT_THAT(command("play"), ElementsAre()); // no drive listed yet
    main().PlayDVD("D:\\");
    h.engine.pause();
    EXPECT_THAT(command("play"), ElementsAre("engine.play", "player.set _root.filename=FILM",
                                             "bar.set _level0.dvdName.text=FILM", "sleep 500"));
    EXPECT_THAT(command("ff"), ElementsAre("engine.jump 1"));
    EXPECT_THAT(command("rewind"), ElementsAre("engine.jump -1"));
    EXPECT_THAT(command("mute"), ElementsAre("engine.switchMute"));
    EXPECT_EQ(main().muteStatus.caption, "V");
    EXPECT_THAT(command("fullscreen"), ElementsAre("engine.setEngineVariable key-fullscreen=102",
                                                   "engine.setEngineVariable key-pressed=102"));
    main().timeElapsed.caption = "00:00:01/00:00:02";
    EXPECT_THAT(command("stop"), ElementsAre("engine.stop", "sleep 500"));
    EXPECT_THAT(command("ID_FS_drag"), ElementsAre("windows.drag bar"));

    const std::pair<const char*, const char*> keys[] = {{"navup", "key-nav-up=117"},
                                                        {"navdown", "key-nav-down=100"},
                                                        {"navright", "key-nav-right=114"},
                                                        {"navleft", "key-nav-left=108"},
                                                        {"enter", "key-nav-activate=97"}};
    for (const auto& [name, binding] : keys) {
        const std::string pressed = std::string(binding).substr(std::string(binding).find('='));
        EXPECT_THAT(command(name), ElementsAre("engine.setEngineVariable " + std::string(binding),
                                               "engine.setEngineVariable key-pressed" + pressed));
    }
}

TEST_F(BarCommands, NamesAreExactAndCaseSensitive) {
    playing();
    main().volumeSlider.value = 50;
    for (const char* name :
         {"VOL+", "Vol-", "PLAY", "Pause", "ID_FS_about", "ID_FS_About", "ID_FS  _about", " play",
          "stop ", "ID_FS_EXIT", "Power", "", "nav up", "IDC_FS_KnobReleased", "mini"})
        EXPECT_THAT(command(name), IsEmpty()) << name;
    EXPECT_EQ(main().volumeSlider.value, 50);
    EXPECT_TRUE(main().visible);
    EXPECT_EQ(bar().windowState, WindowState::Normal);
}

TEST_F(BarCommands, VolumeStepsStopAtTheEnds) {
    main().volumeSlider.value = 56;
    EXPECT_THAT(command("vol+"),
                ElementsAre("engine.setVolume 57", "bar.set _level0.volumeText1.text=Volume 57",
                            "bar.set _level0.volumeText2.text=Volume 57"));
    EXPECT_THAT(command("vol-"),
                ElementsAre("engine.setVolume 56", "bar.set _level0.volumeText1.text=Volume 56",
                            "bar.set _level0.volumeText2.text=Volume 56"));
    main().volumeSlider.value = 100;
    EXPECT_THAT(command("vol+"), IsEmpty());
    EXPECT_EQ(main().volumeSlider.value, 100);
    main().volumeSlider.value = 0;
    EXPECT_THAT(command("vol-"), IsEmpty());
    EXPECT_EQ(main().volumeSlider.value, 0);
    // A volume step ends a mute.
    main().muteStatus.caption = "V";
    EXPECT_THAT(command("vol+"), ElementsAre("engine.switchMute", "engine.setVolume 1",
                                             "bar.set _level0.volumeText1.text=Volume 1",
                                             "bar.set _level0.volumeText2.text=Volume 1"));
    EXPECT_EQ(main().muteStatus.caption, "U");
}

TEST_F(BarCommands, DriversRebuildsTheDriveMenuAndStartsTheChosenDrive) {
    OptionsDialog& options = h.program->optionsDialog();
    options.fileMenu_Click();
    h.drives.add("E:", Drives::kOptical, Volume{"NEW", "UDF"}, true);
    EXPECT_THAT(command("drivers"),
                ElementsAre("drives.volume D:", "drives.volume E:", "windows.popup bar openMenu"));
    EXPECT_EQ(h.windows.popupCaptions, (Names{"FILM (D:)", "NEW (E:)"}));
    EXPECT_EQ(h.engine.target, "");

    h.windows.choose = [](const MenuItem& menu) { return &menu.children.at(1); };
    command("drivers");
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(h.program->state.lastDriveIndex, 1);
}

TEST_F(BarCommands, AboutShowsTheHelpMenu) {
    EXPECT_THAT(command("ID_FS _about"), ElementsAre("windows.popup bar helpMenu"));
    EXPECT_EQ(h.windows.popupCaptions, (Names{"&How To Use?", "-", "&About"}));
    h.windows.choose = [](const MenuItem& menu) { return &menu.children.at(3); };
    EXPECT_THAT(command("ID_FS _about"),
                ElementsAre("windows.popup bar helpMenu", "windows.modal about"));
}

TEST_F(BarCommands, OpenTogglesTheTrayOfTheSelectedDrive) {
    main().PlayDVD("D:\\");
    EXPECT_FALSE(bar().doorOpen);
    for (const char* door : {"drives.door open D:", "drives.door close D:", "drives.door open D:"})
        EXPECT_THAT(command("open"),
                    ElementsAre("bar.set _level0.dvdName.text=<No DVD drive is selected>",
                                "engine.stop", door));
    EXPECT_TRUE(bar().doorOpen);
}

TEST_F(BarCommands, OpenWithoutADriveFailsSilently) {
    h.drives.doorFails = true;
    EXPECT_THAT(command("open"),
                ElementsAre("bar.set _level0.dvdName.text=<No DVD drive is selected>",
                            "engine.stop", "drives.door open "));
    EXPECT_TRUE(bar().doorOpen);
}

TEST_F(BarCommands, MiniHidesBothWindowsUntilTheBarIsRestored) {
    command("ID_FS_mini");
    EXPECT_EQ(bar().windowState, WindowState::Minimized);
    EXPECT_FALSE(main().visible);
    bar().Form_Resize(); // still minimised
    EXPECT_FALSE(main().visible);
    bar().windowState = WindowState::Normal;
    bar().Form_Resize();
    EXPECT_TRUE(main().visible);
}

} // namespace
} // namespace lumadisc
