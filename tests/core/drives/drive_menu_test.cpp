// The drive menu: listing optical drives, and validating and starting the chosen disc.
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace lumadisc {
namespace {

using test::FakeDrives;
using test::ProgramHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Volume = Drives::VolumeInfo;
using Names = std::vector<std::string>;

const SettingsRecord kSaved{"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0};

class DriveMenu : public ::testing::Test {
protected:
    explicit DriveMenu(FakeDrives::Style style = FakeDrives::Style::Reference) : h(style) {
        h.writeConfig(configText(kSaved));
    }
    void start() {
        h.start();
        h.journal.entries.clear();
    }
    OptionsDialog& options() { return h.program->optionsDialog(); }
    MainForm& main() { return h.program->mainForm(); }
    Names menu() {
        Names captions;
        for (const MenuItem& item : options().dvdsList())
            captions.push_back(item.caption);
        return captions;
    }
    // Nothing reached the engine, the movies or the user.
    void expectNothingHappened() {
        EXPECT_THAT(h.journal.with("engine."), IsEmpty());
        EXPECT_THAT(h.journal.with("bar."), IsEmpty());
        EXPECT_THAT(h.journal.with("player."), IsEmpty());
        EXPECT_THAT(h.dialogs.shown, IsEmpty());
    }
    void expectRefused() {
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text, "Please insert a valid Video DVD.");
        EXPECT_EQ(h.dialogs.shown[0].title, "Lumadisc");
        EXPECT_EQ(h.dialogs.shown[0].icon, MessageIcon::Critical);
        EXPECT_EQ(main().timeElapsed.caption, "");
        EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<No DVD Drive is selected>");
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "Lumadisc");
        EXPECT_THAT(h.journal.with("engine.addItem"), IsEmpty());
    }

    ProgramHarness h;
};

TEST_F(DriveMenu, ListsEachOpticalDriveOnceInSystemOrder) {
    h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, std::nullopt, false);
    h.drives.add("F:", 4, Volume{"SHARE", "UDF"}, true);
    start();
    options().fileMenu_Click();
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{"FILM (D:)", "<Please insert a DVD> (E:)"}));
    EXPECT_EQ(h.program->state.driveLetters, (Names{"D:", "E:"}));
    EXPECT_EQ(h.program->state.driveCaptions, menu());
    EXPECT_FALSE(h.program->state.noDriveListed);
    for (const MenuItem& item : options().dvdsList())
        EXPECT_EQ(item.name, "dvdsList"); // every item reaches dvdsList_Click
    // An empty label still gives the drive's ending; a vanished drive leaves the menu.
    h.drives.find("D:")->volume->label = "";
    h.drives.drives.erase(h.drives.drives.begin() + 2);
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{" (D:)"}));
}

TEST_F(DriveMenu, WithoutDrivesTheOnlyItemDoesNothing) {
    start();
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{"<No DVD drives were found>"}));
    EXPECT_TRUE(h.program->state.noDriveListed);
    options().dvdsList_Click(0);
    expectNothingHappened();
    EXPECT_THAT(h.journal.with("drives."), IsEmpty());
}

TEST_F(DriveMenu, DrivesThatVanishKeepTheirLettersButCannotBeChosen) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, std::nullopt, false);
    start();
    options().fileMenu_Click();
    h.drives.drives.clear();
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{"<No DVD drives were found>"}));
    EXPECT_EQ(h.program->state.driveLetters, (Names{"D:", "E:"}));
    h.journal.entries.clear();
    options().dvdsList_Click(0);
    expectNothingHappened();
}

TEST_F(DriveMenu, OnlyUdfDiscsWithAVideoFolderAreAccepted) {
    h.drives.add("D:", Drives::kOptical, Volume{"LOWER", "udf"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"DATA", "ISO9660"}, true);
    h.drives.add("F:", Drives::kOptical, Volume{"NOVIDEO", "UDF"}, false);
    h.drives.add("G:", Drives::kOptical, std::nullopt, false);
    start();
    options().fileMenu_Click();
    options().dvdsList_Click(0);
    EXPECT_EQ(h.engine.target, "dvd://D:");
    EXPECT_THAT(h.dialogs.shown, IsEmpty());

    for (std::int16_t index : {1, 2, 3}) {
        h.journal.entries.clear();
        h.dialogs.shown.clear();
        options().dvdsList_Click(index);
        SCOPED_TRACE(index);
        expectRefused();
        // Both tests are made whatever the first one says.
        const std::string drive = h.program->state.driveLetters.at(index);
        EXPECT_THAT(h.journal.with("drives."),
                    ElementsAre("drives.volume " + drive, "drives.videoFolder " + drive));
        // A refused choice is still remembered.
        EXPECT_EQ(h.program->state.lastDriveIndex, index);
        EXPECT_EQ(h.program->state.selectedDrive, drive);
        EXPECT_EQ(h.program->state.watchedDrive, drive);
    }
}

TEST_F(DriveMenu, ADiscInsertedAfterTheMenuWasBuiltOnlyNamesItself) {
    h.drives.add("D:", Drives::kOptical, std::nullopt, false);
    start();
    options().fileMenu_Click();
    h.drives.find("D:")->volume = Volume{"FILM", "UDF"};
    h.drives.find("D:")->videoFolder = true;
    h.journal.entries.clear();
    options().dvdsList_Click(0);
    EXPECT_THAT(h.journal.with("engine."), IsEmpty());
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
    EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<Please insert a DVD> (D:)");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "<Please insert a DVD>");
    EXPECT_EQ(h.program->state.selectedDrive, "D:");
}

TEST_F(DriveMenu, AChosenDiscIsStartedStepByStep) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    options().fileMenu_Click();
    // The settings file is read again: a change made meanwhile reaches the engine.
    h.writeConfig(configText({"English.ini", "/elsewhere", 0, 1, 0, 0, 0}));
    bool framedBeforeWait = false;
    std::string statusAtAdd;
    h.journal.onAdd = [&](const std::string& entry) {
        if (entry == "sleep 500" && !framedBeforeWait)
            framedBeforeWait = main().logoHide.visible && main().timeElapsed.caption.empty();
        if (entry.rfind("engine.addItem", 0) == 0)
            statusAtAdd = main().timeElapsed.caption;
    };
    main().logoHide.visible = false;
    h.journal.entries.clear();
    options().dvdsList_Click(0);

    EXPECT_THAT(
        h.journal.entries,
        ElementsAre(
            "drives.volume D:", "drives.videoFolder D:", "bar.set _level0.dvdName.text=FILM (D:)",
            "player.set _root.filename=FILM", "engine.clearItems", "sleep 500",
            "engine.addItem dvd://D: mode=2 pos=0", "sleep 500", "engine.play",
            "player.set _root.filename=FILM", "bar.set _level0.dvdName.text=FILM", "sleep 500"));
    EXPECT_TRUE(framedBeforeWait);
    EXPECT_EQ(statusAtAdd, "LOADING...");
    EXPECT_EQ(h.engine.options,
              (Names{"overlay", "no-overlay", "snapshot-path=/elsewhere", "disable-screensaver",
                     "snapshot-path=/elsewhere", "no-osd", "no-snapshot-preview",
                     "snapshot-sequential", "snapshot-prefix=IMG_", "snapshot-format=jpg"}));
    EXPECT_EQ(h.program->state.settings.snapshotFolder, "/elsewhere");
    EXPECT_EQ(h.program->state.selectedDrive, "D:");
    EXPECT_EQ(h.program->state.watchedDrive, "D:");
}

TEST_F(DriveMenu, ADiscPlayingIsStoppedBeforeTheNextStarts) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"OTHER", "UDF"}, true);
    start();
    options().fileMenu_Click();
    options().dvdsList_Click(0);
    h.engine.elapsed = 5;
    h.engine.length = 100;
    main().movieTimer_Timer(); // playing: the status shows the time, no longer "LOADING..."
    h.journal.entries.clear();
    options().dvdsList_Click(1);
    const auto& j = h.journal.entries;
    const auto stop = std::find(j.begin(), j.end(), "engine.stop");
    ASSERT_NE(stop, j.end());
    EXPECT_EQ(*(stop + 1), "sleep 500");
    EXPECT_EQ(*(stop + 2), "engine.clearItems");
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(h.program->state.lastDriveIndex, 1);
}

TEST_F(DriveMenu, AFailureWhileStartingIsReportedAsAnInvalidDisc) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    start();
    options().fileMenu_Click();
    for (const char* failing : {"clearItems", "addItem", "play"}) {
        h.engine.failing = {failing};
        h.dialogs.shown.clear();
        options().dvdsList_Click(0);
        SCOPED_TRACE(failing);
        ASSERT_EQ(h.dialogs.shown.size(), 1u);
        EXPECT_EQ(h.dialogs.shown[0].text, "Please insert a valid Video DVD.");
        EXPECT_EQ(main().timeElapsed.caption, "");
        EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<No DVD Drive is selected>");
        EXPECT_EQ(h.playerMovie.variables["_root.filename"], "Lumadisc");
    }
}

class LinuxDriveMenu : public DriveMenu {
protected:
    LinuxDriveMenu() : DriveMenu(FakeDrives::Style::Linux) {}
};

TEST_F(LinuxDriveMenu, DevicesAndImagesWithParenthesesInTheirPaths) {
    h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "udf"}, true, "/media/u/FILM");
    h.drives.add("/media/x/My (1) disc.iso", Drives::kOptical, Volume{"My (1) disc", "UDF"}, true);
    h.drives.add("/dev/sr1", Drives::kOptical, std::nullopt, false);
    start();
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{"FILM (/dev/sr0)", "My (1) disc (/media/x/My (1) disc.iso)",
                             "<Please insert a DVD> (/dev/sr1)"}));
    options().dvdsList_Click(1);
    EXPECT_EQ(h.engine.target, "dvd:///media/x/My (1) disc.iso");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "My (1) disc");
    EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "My (1) disc");
    options().dvdsList_Click(0);
    EXPECT_EQ(h.engine.target, "dvd:///dev/sr0");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "FILM");
    h.journal.entries.clear();
    options().dvdsList_Click(2);
    expectRefused();
}

} // namespace
} // namespace lumadisc
