// The drive menu: listing optical drives, and validating and starting the chosen disc. Device
// names and labels with parentheses are disc_start_test's; a disc that is no video disc at all
// (ISO 9660) is test_bad_discs'.
#include "core/started_program.h"

#include <algorithm>

namespace lumadisc {
namespace {

using namespace test;

class DriveMenu : public StartedProgram {
protected:
    // The user is told the disc is no video disc.
    void expectRefused(const std::string& what) {
        ASSERT_EQ(h.dialogs.shown.size(), 1u) << what << ": no message, or more than one";
        EXPECT_EQ(h.dialogs.shown[0].text, "Please insert a valid Video DVD.") << what;
        h.dialogs.shown.clear();
    }
};

TEST_F(DriveMenu, ListsEachOpticalDriveOnceInSystemOrderAndWithoutDrivesAnItemDoingNothing) {
    start();
    for (bool hadDrives : {false, true}) {
        SCOPED_TRACE(hadDrives ? "drives vanished" : "never any drive");
        options().fileMenu_Click();
        EXPECT_EQ(menu(), (Names{"<No DVD drives were found>"}));
        EXPECT_EQ(state().noDriveListed, !hadDrives);
        EXPECT_THAT(journalOf([&] { options().dvdsList_Click(0); }), IsEmpty());
        EXPECT_THAT(h.dialogs.shown, IsEmpty());
        h.drives.add("C:", 3, Volume{"SYSTEM", "NTFS"}, false);
        h.drives.add("D:", Drives::kOptical, Volume{"", "UDF"}, true);
        h.drives.add("E:", Drives::kOptical, std::nullopt, false);
        options().fileMenu_Click();
        options().fileMenu_Click();
        EXPECT_EQ(menu(), (Names{" (D:)", "<Please insert a DVD> (E:)"}));
        EXPECT_EQ(state().driveLetters, (Names{"D:", "E:"}));
        h.drives.drives.clear(); // drives that vanish keep their letters but cannot be chosen
    }
}

TEST_F(DriveMenu, OnlyUdfDiscsWithAVideoFolderAreAccepted) {
    h.drives.add("D:", Drives::kOptical, Volume{"LOWER", "udf"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"NOVIDEO", "UDF"}, false);
    h.drives.add("F:", Drives::kOptical, std::nullopt, false);
    h.drives.add("G:", Drives::kOptical, Volume{"BLANKS", " UDF "}, true);
    start();
    options().fileMenu_Click();
    options().dvdsList_Click(0);
    EXPECT_EQ(h.engine.target, "dvd://D:") << "a lower-case udf disc was refused";

    for (std::int16_t index : {1, 2, 3}) {
        h.engine.target.clear();
        options().dvdsList_Click(index);
        EXPECT_EQ(h.engine.target, "") << menu().at(index) << " was started";
        expectRefused(menu().at(index));
        // The refused drive is still watched for a disc.
        EXPECT_EQ(state().watchedDrive, state().driveLetters.at(index));
    }
    // A disc inserted after the menu was built only names itself.
    h.drives.find("F:")->volume = Volume{"FILM", "UDF"};
    h.drives.find("F:")->videoFolder = true;
    options().dvdsList_Click(2);
    EXPECT_EQ(h.barMovie.variables["_level0.dvdName.text"], "<Please insert a DVD> (F:)");
    EXPECT_EQ(h.engine.target, "");
    EXPECT_THAT(h.dialogs.shown, IsEmpty());
}

TEST_F(DriveMenu, AChosenDiscIsStartedAfterThePlayingOneStopsAndFailuresRefuseIt) {
    h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
    h.drives.add("E:", Drives::kOptical, Volume{"OTHER", "UDF"}, true);
    start();
    options().fileMenu_Click();
    // The settings file is read again: a change made meanwhile reaches the engine.
    h.writeConfig(configText({"English.ini", "/elsewhere", 0, 1, 0, 0, 0}));
    // What the user sees as the disc is added, and behind the message box of a refusal.
    bool framed = false;
    std::string shownBehindTheBox;
    h.journal.onAdd = [&](const std::string& entry) {
        if (entry.starts_with("engine.addItem"))
            framed = main().logoHide.visible && main().timeElapsed.caption == "LOADING...";
        if (entry.starts_with("dialogs.message"))
            shownBehindTheBox = h.barMovie.variables["_level0.dvdName.text"];
    };
    main().logoHide.visible = false;
    options().dvdsList_Click(0);
    EXPECT_TRUE(framed) << "no loading frame and LOADING... while the disc was added";
    EXPECT_EQ(h.engine.target, "dvd://D:");
    EXPECT_EQ(h.engine.options.at(2), "snapshot-path=/elsewhere") << "settings not read again";

    playingTick();
    const Names j = journalOf([&] { options().dvdsList_Click(1); });
    Names steps; // the engine's steps from the stop on, and the waits between them
    for (auto it = std::find(j.begin(), j.end(), "engine.stop"); it != j.end(); ++it)
        if ((it->starts_with("engine.") || it->starts_with("sleep")) && steps.size() < 7)
            steps.push_back(it->starts_with("sleep") ? *it : it->substr(0, it->find(' ')));
    EXPECT_EQ(steps, (Names{"engine.stop", "sleep 500", "engine.clearItems", "sleep 500",
                            "engine.addItem", "sleep 500", "engine.play"}))
        << "changing discs: stop, clear, add and play, half a second apart";
    EXPECT_EQ(h.engine.target, "dvd://E:");

    h.engine.failing = {"addItem"};
    options().dvdsList_Click(0);
    expectRefused("engine.addItem failing");
    EXPECT_EQ(shownBehindTheBox, "<No DVD Drive is selected>") << "the bar named the refused disc";
}

} // namespace
} // namespace lumadisc
