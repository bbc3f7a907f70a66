// The settings file (seven CRLF lines, read back leniently but never past the seventh line),
// start-up order, the single-instance rule, settings recovery, window geometry and the ways out.
#include "core/failure.h"
#include "core/started_program.h"

#include <optional>

namespace lumadisc {
namespace {

using namespace test;
using namespace std::string_literals;

TEST(ConfigFile, NumbersAreFramedByBlanksAndReadBackWithinSixteenBits) {
    const SettingsRecord extremes{"English.ini", "/home/u/My Shots", -1, 0, 32767, 1, -32768};
    EXPECT_EQ(configText(extremes),
              "English.ini\r\n/home/u/My Shots\r\n-1 \r\n 0 \r\n 32767 \r\n 1 \r\n-32768 \r\n");

    // A number line and the value read from it; nothing where the read fails.
    const std::pair<std::string, std::optional<int>> cases[] = {
        {"32767", 32767}, {"32768", {}}, {"-32768", -32768},
        {"-32769", {}},   {" \t+7 ", 7}, {"12abc", 12},
        {"", 0},          {"-", 0},      {"99999999999999999999", {}}};
    for (const auto& [line, value] : cases) {
        SettingsRecord r;
        const bool read = readConfigText("a.ini\r\n/s\r\n" + line + "\r\n0\r\n0\r\n0\r\n0\r\n", r);
        EXPECT_EQ(read ? std::optional<int>(r.useOverlay) : std::nullopt, value)
            << "the value read from number line '" << line << "' (none: refused)";
    }
}

TEST(ConfigFile, TextLinesAreKeptWholeTheFileReplacedWholeAndEndlessInputNeverHeld) {
    test::TempDir dir;
    const std::string path = (dir.path() / "Config.cfg").string();
    SettingsRecord record;
    EXPECT_THROW(readConfigFile(path, record), Failure) << "a missing file read without failing";
    test::writeFile(path, "stale content that is much longer than the new file will be\r\n");
    writeConfigFile(path, SettingsRecord{"English.ini", "/d", 1, 0, 0, 0, 0});
    EXPECT_EQ(test::readFile(path), "English.ini\r\n/d\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");

    // Line ends of every kind, then more junk than would ever fit.
    const std::string huge(5'000'000, 'x');
    test::writeFile(path, huge + "\rC:\\shots, \"quoted\"\r\n 1 \n 0 \r 2 \r\n 1 \r\n 1 \r" +
                              std::string(40'000'000, '\r'));
    readConfigFile(path, record);
    EXPECT_TRUE(record == (SettingsRecord{huge, "C:\\shots, \"quoted\"", 1, 0, 2, 1, 1}))
        << "a long line, or a line with a comma or quotes, misread";
    test::writeFile(path, std::string(20'000'000, 'x'));
    EXPECT_THROW(readConfigFile(path, record), Failure) << "one endless line read as settings";
}

TEST(StartUp, RunsItsStepsInOrder) {
    ProgramHarness h;
    h.writeConfig(configText(kSaved));
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.environment.commandLineText = "D:\\";

    // What the program looks like when the command-line disc is first asked about.
    bool checked = false;
    h.journal.onAdd = [&](const std::string& entry) {
        if (checked || entry != "drives.volume D:")
            return;
        checked = true;
        Program& p = *h.program;
        EXPECT_EQ(p.state.settings, kSaved) << "settings not read before the disc starts";
        EXPECT_EQ(p.optionsDialog().openMenu().caption, "&Open") << "captions not applied yet";
        EXPECT_FALSE(p.isLoaded(WindowId::Splash)) << "splash still up when the disc starts";
        EXPECT_TRUE(p.dvdBarForm().visible) << "the bar shown only after the disc started";
        EXPECT_FALSE(p.mainForm().visible) << "main window shown before the disc starts";
    };
    const std::string app = h.appFolder.str();
    h.start();
    EXPECT_TRUE(checked) << "the command-line disc was never looked at";
    const Names steps{"instance.test", "instance.lock QuorvaneLumadisc",
                      "player.load " + app + "/Resources/Player.qml",
                      "bar.load " + app + "/Resources/GUI.qml", "drives.volume D:"};
    Names taken; // the first call of each step, in the order they came
    for (const std::string& entry : h.journal.entries)
        if (std::ranges::count(steps, entry) && !std::ranges::count(taken, entry))
            taken.push_back(entry);
    EXPECT_EQ(taken, steps);
}

// Installed, the program lists the user's own packs with the installed ones (skins and settings
// are the installed end-to-end test's).
TEST(StartUp, AnInstalledProgramListsTheUsersPacksWithTheInstalledOnes) {
    ProgramHarness h;
    TempDir data, userPacks;
    h.environment.data = data.str();
    h.environment.userLanguages = userPacks.str();
    writeFile(data.path() / "Lang/English.ini", "[Language Pack]\r\n71=Installed\r\n");
    writeFile(data.path() / "Lang/French.ini", "[Language Pack]\r\n");
    writeFile(userPacks.path() / "English.ini", "[Language Pack]\r\n71=Mine\r\n");
    writeFile(userPacks.path() / "Pirate.ini", "[Language Pack]\r\n71=Arr\r\n");
    Program& p = h.start();
    EXPECT_EQ(p.optionsDialog().languageFrame.caption, "Mine") << "the user's pack must win";
    EXPECT_EQ(p.optionsDialog().availableLanguages.items, (Names{"English", "French", "Pirate"}));
}

TEST(StartUp, ASecondCopyWarnsInEnglishAndEndsUntouched) {
    ProgramHarness h;
    h.singleInstance.otherRunning = true;
    // Even a configured French pack is not used: the second copy has read no settings.
    h.writePack("French.ini", "[Language Pack]\r\n034=Deja lance\r\n013=Attention\r\n");
    h.writeConfig(configText({"French.ini", "/x", 1, 0, 0, 0, 0}));
    Program& p = h.start();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].text, "The application is already running.");
    EXPECT_EQ(std::ranges::count(h.journal.entries, "instance.lock QuorvaneLumadisc"), 0)
        << "the second copy took the lock";
    for (WindowId window : {WindowId::Main, WindowId::Splash, WindowId::DvdBar})
        EXPECT_FALSE(p.isLoaded(window)) << windowName(window) << " stays loaded";
}

TEST(StartUpSettings, BadFilesAreRecoveredAndNeverStopTheStart) {
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    const SettingsRecord defaults{"English.ini", "/home/user/Desktop", 1, 0, 0, 0, 0};
    const std::string blankTexts = "   \r\n\r\n 0 \r\n 1 \r\n 0 \r\n 2 \r\n 1 \r\n";
    // The file, whether snapshots to the clipboard then fail for want of a scratch folder, and
    // the record in use (the defaults are written too); none where any will do.
    const std::tuple<std::string, bool, std::optional<SettingsRecord>> cases[] = {
        {"French.ini\r\n/x\r\n 0 \r\n 1 \r\n 2 \r\n 2 \r\n", false, defaults}, // too short
        {configText({"English.ini", "/home/user/Shots", 0, 1, 1, 2, 1}), true, defaults},
        // Blank text lines are filled in memory only.
        {blankTexts, false, SettingsRecord{"English.ini", "/home/user/Desktop", 0, 1, 0, 2, 1}},
        {garbage, false, std::nullopt},
    };
    for (const auto& [content, scratchGone, settings] : cases) {
        SCOPED_TRACE("settings file: " + content.substr(0, 30));
        ProgramHarness h;
        h.writeConfig(content);
        if (scratchGone)
            h.environment.temp = (h.tempFolder.path() / "missing").string();
        Program& p = h.start();
        EXPECT_TRUE(p.mainForm().visible && p.dvdBarForm().visible) << "windows not shown";
        if (!settings)
            continue;
        EXPECT_EQ(p.state.settings, *settings);
        EXPECT_EQ(h.config(), *settings == defaults ? configText(defaults) : content);
        EXPECT_EQ(p.state.engineOptions.at(1), settings->useOverlay ? "overlay" : "no-overlay");
    }
}

TEST(StartUpGeometry, BarSitsAboveTheScreenBottomAndMainRestsOnTheBar) {
    ProgramHarness h;
    h.windows.metrics = {1366, 768, 15, 12}; // twips differ across and down
    // Odd sizes: halves are dropped (4417.5 and 7312.5 twips across).
    h.barMovie.width = 777;
    h.barMovie.height = 101;
    h.playerMovie.width = 391;
    h.playerMovie.height = 333;
    Program& p = h.start();
    const DvdBarForm& bar = p.dvdBarForm();
    const MainForm& main = p.mainForm();
    // Both centred across, the bar 70 pixels above the screen's bottom and the main window on it.
    EXPECT_EQ((std::vector<int>{bar.width, bar.height, bar.left, bar.top, main.width, main.height,
                                main.left, main.top, h.barMovie.sizeWidth, h.barMovie.sizeHeight,
                                h.playerMovie.sizeWidth, h.playerMovie.sizeHeight}),
              (std::vector{777 * 15, 101 * 12, 4417, (768 - 101 - 70) * 12, 391 * 15, 333 * 12,
                           7312, (768 - 101 - 70 - 333) * 12, 777, 101, 391, 333}))
        << "width, height, left and top of the bar, then of the main window; the movies' sizes";
}

using WaysOut = StartedProgram;

TEST_F(WaysOut, EveryExitRunsTheShutdownOnceAndSavesNothing) {
    const std::function<void()> exits[] = {
        [this] { h.barMovie.click("ID_FS_exit"); },
        [this] { program().unload(WindowId::Main); }, // ends through the control bar
        [this] { options().menuItemChosen(options().exitCommand()); },
    };
    for (const auto& exit : exits) {
        start();
        about(); // loaded, so its unload is seen
        EXPECT_THROW(exit(), ProgramEnded) << "the program did not end";
        // Only main's unhook may come more than once; the bar's unhook and the end come last.
        const Names& j = h.journal.entries;
        ASSERT_GE(j.size(), 3u);
        EXPECT_EQ(Names(j.begin(), j.end() - 2), Names(j.size() - 2, "windows.unhook main"));
        EXPECT_EQ(Names(j.end() - 2, j.end()), (Names{"windows.unhook bar", "windows.end"}));
        EXPECT_TRUE(&exit != &exits[0] || j.size() == 3u)
            << "the bar's exit unloaded the main window more than once";
        EXPECT_FALSE(program().isLoaded(WindowId::About) || program().isLoaded(WindowId::Options))
            << "a window outlived the shutdown";
        EXPECT_EQ(h.config(), configText(kSaved)) << "the settings file was written on the way out";
    }
}

} // namespace
} // namespace lumadisc
