// Start-up order, the single-instance rule, settings recovery, window geometry and the ways out.
#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "core/shell/splash_form.h"
#include "core/skin/dvd_bar_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace lumadisc {
namespace {

using test::ProgramEnded;
using test::ProgramHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using namespace std::string_literals;

const SettingsRecord kSaved{"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0};
const std::string kDefaultFile =
    "English.ini\r\n/home/user/Desktop\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
const SettingsRecord kDefaults{"English.ini", "/home/user/Desktop", 1, 0, 0, 0, 0};

TEST(StartUp, RunsItsStepsInOrder) {
    ProgramHarness h;
    h.writeConfig(configText(kSaved));
    h.drives.add("D:", Drives::kOptical, Drives::VolumeInfo{"FILM", "UDF"}, true);
    h.environment.commandLineText = "D:\\";

    // What the program looks like when the command-line disc is first asked about.
    bool checked = false;
    h.journal.onAdd = [&](const std::string& entry) {
        if (checked || entry != "drives.volume D:")
            return;
        checked = true;
        Program& p = *h.program;
        EXPECT_EQ(p.state.settings, kSaved);
        EXPECT_EQ(p.state.engineOptions.at(2), "snapshot-path=/home/user/Shots");
        EXPECT_EQ(p.optionsDialog().openMenu().caption, "&Open"); // captions applied
        EXPECT_FALSE(p.isLoaded(WindowId::Splash));
        EXPECT_TRUE(p.dvdBarForm().visible);
        EXPECT_FALSE(p.mainForm().visible);
    };
    const std::string app = h.appFolder.str();
    Program& p = h.create();
    p.mainForm().Form_Initialize();
    EXPECT_TRUE(p.splashForm().visible);
    p.mainForm().Form_Load();

    EXPECT_TRUE(checked);
    EXPECT_TRUE(p.mainForm().visible);
    EXPECT_EQ(h.engine.target, "dvd://D:");
    const auto& j = h.journal.entries;
    const auto upToCommandLine = std::vector<std::string>(j.begin(), j.begin() + 14);
    EXPECT_THAT(upToCommandLine,
                ElementsAre("instance.test", "instance.lock QuorvaneLumadisc", "windows.hook main",
                            "player.load " + app + "/Resources/Player.qml", "player.size 385x400",
                            "player.size 385x400", "windows.hook bar",
                            "bar.load " + app + "/Resources/GUI.qml", "bar.size 800x100",
                            "bar.set _level0.volumeText1.text=Volume 50",
                            "bar.set _level0.volumeText2.text=Volume 50",
                            "player.set _root.filename=Lumadisc",
                            "bar.set _level0.timeElapsed1.text=", "drives.volume D:"));
    // The controls the load prepares.
    MainForm& main = p.mainForm();
    EXPECT_EQ(main.volumeSlider.value, 50);
    EXPECT_EQ(main.movieProgress.value, 0);
    EXPECT_EQ(main.logoHide.bounds.left, main.stage.bounds.left);
    EXPECT_FALSE(p.state.noDriveListed); // the command line filled the drive menu
}

TEST(StartUp, TransportStartsDisabledAndNothingPlaysWithoutACommandLine) {
    ProgramHarness h;
    h.writeConfig(configText(kSaved));
    h.drives.add("D:", Drives::kOptical, Drives::VolumeInfo{"FILM", "UDF"}, true);
    Program& p = h.start();
    MainForm& main = p.mainForm();
    for (const Button* button : {&main.playButton, &main.stopButton, &main.pauseButton,
                                 &main.rewindButton, &main.ffButton})
        EXPECT_FALSE(button->enabled);
    EXPECT_FALSE(p.optionsDialog().editMenu.enabled);
    EXPECT_TRUE(p.state.noDriveListed);
    EXPECT_THAT(h.journal.with("engine."), IsEmpty());
    EXPECT_THAT(h.journal.with("drives."), IsEmpty());
}

TEST(StartUp, ASecondCopyWarnsInEnglishAndEndsUntouched) {
    ProgramHarness h;
    h.singleInstance.otherRunning = true;
    // Even a configured French pack is not used: the second copy has read no settings.
    h.writePack("French.ini", "[Language Pack]\r\n034=Deja lance\r\n013=Attention\r\n");
    const std::string saved = configText({"French.ini", "/x", 1, 0, 0, 0, 0});
    h.writeConfig(saved);
    Program& p = h.start();

    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "The application is already running.");
    EXPECT_EQ(h.dialogs.shown[0].title, "Warning");
    EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(h.dialogs.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(h.journal.entries.at(0), "instance.test");
    EXPECT_THAT(h.journal.with("instance.lock"), IsEmpty());
    EXPECT_THAT(h.journal.with("windows.hook"), IsEmpty());
    EXPECT_THAT(h.journal.with("player."), IsEmpty());
    EXPECT_THAT(h.journal.with("bar."), IsEmpty());
    EXPECT_FALSE(p.isLoaded(WindowId::Main));
    EXPECT_FALSE(p.isLoaded(WindowId::Splash));
    EXPECT_FALSE(p.isLoaded(WindowId::DvdBar));
    EXPECT_FALSE(p.mainForm().visible);
    EXPECT_EQ(h.config(), saved);
}

TEST(StartUpSettings, AMissingOrShortFileIsReplacedByTheDefaults) {
    for (const bool shortFile : {false, true}) {
        ProgramHarness h;
        if (shortFile)
            h.writeConfig("French.ini\r\n/x\r\n 0 \r\n 1 \r\n 2 \r\n 2 \r\n");
        Program& p = h.start();
        EXPECT_EQ(h.config(), kDefaultFile) << shortFile;
        EXPECT_EQ(p.state.settings, kDefaults) << shortFile;
        EXPECT_TRUE(p.mainForm().visible);
        EXPECT_TRUE(p.dvdBarForm().visible);
        EXPECT_EQ(p.state.engineOptions.at(1), "overlay");
    }
}

TEST(StartUpSettings, BlankTextLinesAreFilledInMemoryOnly) {
    ProgramHarness h;
    const std::string saved = "   \r\n\r\n 0 \r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n";
    h.writeConfig(saved);
    Program& p = h.start();
    EXPECT_EQ(p.state.settings,
              (SettingsRecord{"English.ini", "/home/user/Desktop", 0, 1, 0, 2, 1}));
    EXPECT_EQ(h.config(), saved);
}

TEST(StartUpSettings, AFailureAfterReadingRewritesTheDefaults) {
    // Snapshots to the clipboard clear the scratch folder, which cannot be read here.
    ProgramHarness h;
    h.environment.temp = (h.tempFolder.path() / "missing").string();
    h.writeConfig(configText({"English.ini", "/home/user/Shots", 0, 1, 1, 2, 1}));
    Program& p = h.start();
    EXPECT_EQ(h.config(), kDefaultFile);
    EXPECT_EQ(p.state.settings, kDefaults);
    EXPECT_EQ(p.state.engineOptions.at(4), "snapshot-path=/home/user/Desktop");
    EXPECT_TRUE(p.dvdBarForm().visible);
    EXPECT_FALSE(p.isLoaded(WindowId::Splash));
    EXPECT_TRUE(p.mainForm().visible);
}

TEST(StartUpSettings, GarbageHugeOrOutOfRangeFilesNeverStopTheStart) {
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    const std::string huge(1'000'000, 'x');
    for (const std::string& content :
         {garbage, huge + "\r\n" + huge + "\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",
          std::string("English.ini\r\n/x\r\n 99999 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"),
          std::string("English.ini\r\n/x\r\n 1 \r\n 0 \r\n -5 \r\n 0 \r\n 0 \r\n"),
          "\0\0\0\r\n\0\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"s}) {
        ProgramHarness h;
        h.writeConfig(content);
        Program& p = h.start();
        EXPECT_TRUE(p.mainForm().visible);
        EXPECT_TRUE(p.dvdBarForm().visible);
        EXPECT_EQ(p.state.engineOptions.size(), 10u);
        EXPECT_FALSE(p.state.settings.languageFile.empty());
    }
}

struct GeometryCase {
    int screenWidth, screenHeight, twips;
    int barWidth, barHeight, playerWidth, playerHeight;
    int barLeft, barTop, mainLeft, mainTop; // twips
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
    *out << c.barWidth << "x" << c.barHeight << " bar, " << c.playerWidth << "x" << c.playerHeight
         << " player on " << c.screenWidth << "x" << c.screenHeight << " at " << c.twips
         << " twips";
}

class StartUpGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(StartUpGeometry, BarSitsAboveTheScreenBottomAndMainRestsOnTheBar) {
    const GeometryCase& c = GetParam();
    ProgramHarness h;
    h.windows.metrics = {c.screenWidth, c.screenHeight, c.twips, c.twips};
    h.barMovie.width = c.barWidth;
    h.barMovie.height = c.barHeight;
    h.playerMovie.width = c.playerWidth;
    h.playerMovie.height = c.playerHeight;
    Program& p = h.start();
    const DvdBarForm& bar = p.dvdBarForm();
    const MainForm& main = p.mainForm();
    EXPECT_EQ(bar.width, c.barWidth * c.twips);
    EXPECT_EQ(bar.height, c.barHeight * c.twips);
    EXPECT_EQ(bar.left, c.barLeft);
    EXPECT_EQ(bar.top, c.barTop);
    EXPECT_EQ(main.width, c.playerWidth * c.twips);
    EXPECT_EQ(main.height, c.playerHeight * c.twips);
    EXPECT_EQ(main.left, c.mainLeft);
    EXPECT_EQ(main.top, c.mainTop);
    EXPECT_EQ(main.top + main.height, bar.top);
    EXPECT_EQ(h.barMovie.sizeWidth, c.barWidth);
    EXPECT_EQ(h.barMovie.sizeHeight, c.barHeight);
    EXPECT_EQ(h.playerMovie.sizeWidth, c.playerWidth);
    EXPECT_EQ(h.playerMovie.sizeHeight, c.playerHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, StartUpGeometry,
    ::testing::Values(
        // The documented example: left 112, top 598 pixels.
        GeometryCase{1024, 768, 15, 800, 100, 385, 400, 112 * 15, 598 * 15, 4792, 2970},
        // Odd sizes: halves are dropped.
        GeometryCase{1366, 768, 15, 777, 101, 391, 333, 4417, 8955, 7312, 3960},
        GeometryCase{1920, 1080, 12, 801, 99, 385, 284, 6714, 10932, 9210, 7524}));

class WaysOut : public ::testing::Test {
protected:
    WaysOut() {
        h.writeConfig(configText(kSaved));
        h.start();
        h.program->aboutForm(); // loaded, so its unload is seen
        h.journal.entries.clear();
    }
    void expectShutDownInOrder() {
        const auto& j = h.journal.entries;
        ASSERT_GE(j.size(), 3u);
        EXPECT_EQ(j.front(), "windows.unhook main");
        EXPECT_EQ(j[j.size() - 2], "windows.unhook bar");
        EXPECT_EQ(j.back(), "windows.end");
        for (const auto& entry : j)
            EXPECT_TRUE(entry == "windows.unhook main" || entry == "windows.unhook bar" ||
                        entry == "windows.end")
                << entry;
        EXPECT_FALSE(h.program->isLoaded(WindowId::About));
        EXPECT_FALSE(h.program->isLoaded(WindowId::Options));
        EXPECT_EQ(h.config(), configText(kSaved)); // nothing is saved at exit
    }
    ProgramHarness h;
};

TEST_F(WaysOut, ClosingTheControlBarRunsTheShutdownOnce) {
    EXPECT_THROW(h.barMovie.click("ID_FS_exit"), ProgramEnded);
    EXPECT_THAT(h.journal.entries,
                ElementsAre("windows.unhook main", "windows.unhook bar", "windows.end"));
    expectShutDownInOrder();
}

TEST_F(WaysOut, ClosingTheMainWindowEndsThroughTheControlBar) {
    EXPECT_THROW(h.program->unload(WindowId::Main), ProgramEnded);
    expectShutDownInOrder();
}

TEST_F(WaysOut, TheExitMenuCommandShutsDown) {
    EXPECT_THROW(h.program->optionsDialog().exitCommand_Click(), ProgramEnded);
    expectShutDownInOrder();
}

TEST_F(WaysOut, PowerEndsWithoutTheShutdownSteps) {
    EXPECT_THROW(h.barMovie.click("power"), ProgramEnded);
    EXPECT_THAT(h.journal.entries, ElementsAre("windows.end"));
    EXPECT_TRUE(h.program->isLoaded(WindowId::About));
    EXPECT_TRUE(h.program->isLoaded(WindowId::Options));
}

} // namespace
} // namespace lumadisc
