// The drive menu: listing optical drives, and validating and starting the chosen disc.
#include "core/started_program.h"

#include <algorithm>

namespace lumadisc {
namespace {

using namespace test;

class DriveMenu : public StartedProgram {
protected:
    explicit DriveMenu(FakeDrives::Style style = FakeDrives::Style::Reference)
        : StartedProgram(style) {
        // What the display says while a message box is up.
        h.journal.onAdd = [this](const std::string& entry) {
            if (entry.starts_with("dialogs.message"))
                displayAtMessage = h.barMovie.variables["_level0.dvdName.text"] + " | " +
                                   h.playerMovie.variables["_root.filename"];
        };
    }
    // The user is told the disc is no video disc, and the display shows no drive.
    void expectRefused(const std::string& what) {
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << what << ": no message, or more than one";
        const auto& [text, buttons, icon, title] = h.dialogs.shown[0];
        EXPECT_EQ(std::tuple(text, icon, title),
                  std::tuple("Please insert a valid Video DVD.", MessageIcon::Critical, "Lumadisc"))
            << what;
        EXPECT_EQ(main().timeElapsed.caption, "") << what;
        EXPECT_EQ(displayAtMessage, "<No DVD Drive is selected> | Lumadisc")
            << what << ": the display while the message is up";
        h.dialogs.shown.clear();
    }
    std::string displayAtMessage;
};

TEST_F(DriveMenu, ListsEachOpticalDriveOnceInSystemOrder) {
    h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, std::nullopt, false);
    h.drives.add("F:", 4, Volume{"SHARE", "UDF"}, true);
    h.drives.add("G:", 6, Volume{"TAPE", "UDF"}, true);
    start();
    options().fileMenu_Click();
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{"FILM (D:)", "<Please insert a DVD> (E:)"}));
    EXPECT_EQ(state().driveLetters, (Names{"D:", "E:"}));
    EXPECT_FALSE(state().noDriveListed);
    // An empty label still gives the drive's ending; a vanished drive leaves the menu.
    h.drives.find("D:")->volume->label = "";
    h.drives.drives.erase(h.drives.drives.begin() + 2);
    options().fileMenu_Click();
    EXPECT_EQ(menu(), (Names{" (D:)"}));
}

TEST_F(DriveMenu, WithoutDrivesTheOnlyItemDoesNothing) {
    for (bool hadDrives : {false, true}) {
        SCOPED_TRACE(hadDrives ? "drives vanished" : "never any drive");
        h.drives.drives.clear();
        if (hadDrives) {
            h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
            h.drives.add("E:", Drives::kOptical, std::nullopt, false);
        }
        start();
        options().fileMenu_Click();
        // Drives that vanish keep their letters but cannot be chosen.
        h.drives.drives.clear();
        options().fileMenu_Click();
        EXPECT_EQ(menu(), (Names{"<No DVD drives were found>"}));
        EXPECT_EQ(state().noDriveListed, !hadDrives);
        EXPECT_EQ(state().driveLetters, hadDrives ? (Names{"D:", "E:"}) : Names{});
        EXPECT_THAT(journalOf([&] { options().dvdsList_Click(0); }), IsEmpty());
        EXPECT_THAT(h.dialogs.shown, IsEmpty());
    }
}

TEST_F(DriveMenu, OnlyUdfDiscsWithAVideoFolderAreAccepted) {
    h.drives.add("D:", Drives::kOptical, Volume{"LOWER", "udf"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"DATA", "ISO9660"}, true);
    h.drives.add("F:", Drives::kOptical, Volume{"NOVIDEO", "UDF"}, false);
    h.drives.add("G:", Drives::kOptical, std::nullopt, false);
    h.drives.add("H:", Drives::kOptical, Volume{"BLANKS", " UDF "}, true);
    start();
    options().fileMenu_Click();
    options().dvdsList_Click(0);
    EXPECT_EQ(h.engine.target, "dvd://D:") << "a lower-case udf disc was refused";
    EXPECT_THAT(h.dialogs.shown, IsEmpty());

    for (std::int16_t index : {1, 2, 3, 4}) {
        const std::string drive = state().driveLetters.at(index);
        h.engine.target.clear();
        options().dvdsList_Click(index);
        EXPECT_EQ(h.engine.target, "") << drive << " was started";
        expectRefused(menu().at(index));
        // A refused choice is still remembered.
        EXPECT_EQ(state().lastDriveIndex, index);
        EXPECT_EQ(state().selectedDrive, drive);
        EXPECT_EQ(state().watchedDrive, drive);
    }
    // A disc inserted after the menu was built only names itself.
    h.drives.find("G:")->volume = Volume{"FILM", "UDF"};
    h.drives.find("G:")->videoFolder = true;
    options().dvdsList_Click(3);
    EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<Please insert a DVD> (G:)");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "<Please insert a DVD>");
    EXPECT_EQ(h.engine.target, "");
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
}

TEST_F(DriveMenu, AChosenDiscIsStartedStepByStepAfterThePlayingOneStopsAndFailuresRefuseIt) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"OTHER", "UDF"}, true);
    start();
    options().fileMenu_Click();
    // The settings file is read again: a change made meanwhile reaches the engine.
    h.writeConfig(configText({"English.ini", "/elsewhere", 0, 1, 0, 0, 0}));
    bool framedBeforeWait = false;
    std::string statusAtAdd;
    h.journal.onAdd = [&, refusals = h.journal.onAdd](const std::string& entry) {
        refusals(entry);
        if (entry == "sleep 500" && !framedBeforeWait)
            framedBeforeWait = main().logoHide.visible && main().timeElapsed.caption->empty();
        if (entry.starts_with("engine.addItem"))
            statusAtAdd = main().timeElapsed.caption;
    };
    main().logoHide.visible = false;
    EXPECT_THAT(journalOf([&] { options().dvdsList_Click(0); }),
                ElementsAre("drives.volume D:", "drives.videoFolder D:",
                            "bar.set _level0.dvdName.text=FILM (D:)",
                            "player.set _root.filename=FILM", "engine.clearItems", "sleep 500",
                            "engine.addItem dvd://D: mode=2 pos=0", "sleep 500", "engine.play",
                            "player.set _root.filename=FILM", "bar.set _level0.dvdName.text=FILM",
                            "sleep 500", "discInfo.read D:"));
    EXPECT_TRUE(framedBeforeWait) << "the loading frame was not up during the first wait";
    EXPECT_EQ(statusAtAdd, "LOADING...");
    EXPECT_EQ(h.engine.options.at(1), "no-overlay") << "the settings were not read again";
    EXPECT_EQ(h.engine.options.at(2), "snapshot-path=/elsewhere");
    EXPECT_EQ(state().watchedDrive, "D:");

    playingTick(); // the status shows the time, no longer "LOADING..."
    const Names j = journalOf([&] { options().dvdsList_Click(1); });
    const auto stop = std::find(j.begin(), j.end(), "engine.stop");
    ASSERT_LE(stop + 3, j.end()) << "the playing disc was not stopped";
    EXPECT_EQ(Names(stop, stop + 3), (Names{"engine.stop", "sleep 500", "engine.clearItems"}));
    EXPECT_EQ(h.engine.target, "dvd://E:");
    EXPECT_EQ(state().lastDriveIndex, 1);

    for (const char* failing : {"clearItems", "addItem", "play"}) {
        h.engine.failing = {failing};
        options().dvdsList_Click(0);
        expectRefused(std::string("engine.") + failing + " failing");
    }
}

class DeviceDriveMenu : public DriveMenu {
protected:
    DeviceDriveMenu() : DriveMenu(FakeDrives::Style::Linux) {}
};

TEST_F(DeviceDriveMenu, DevicesAndImagesWithParenthesesInTheirPaths) {
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
    options().dvdsList_Click(2);
    expectRefused("an empty device");
}

} // namespace
} // namespace lumadisc
