// The options window: what it shows, OK with its restart question, Cancel, the folder button,
// the Options command and the registration as the desktop's disc handler; then the menu tree,
// the caption pass, the language list, the About window and the help command.
#include "core/failure.h"
#include "core/started_program.h"

#include <filesystem>

namespace lumadisc {
namespace {

using namespace test;

class OptionsWindow : public StartedProgram {
protected:
    OptionsWindow() : StartedProgram(FakeDrives::Style::Linux) {
        h.writePack("English.ini", "[Language Pack]\n");
        h.writePack("French.ini", "[Language Pack]\n31=&Options...\n70=Réglages\n");
        h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "UDF"}, true, "/media/FILM");
    }
    // Starts the program playing the disc in /dev/sr0.
    void startPlaying() {
        h.environment.commandLineText = "/media/FILM";
        start();
        engineState(0.5f, true);
    }
    void chooseLanguage(const std::string& name) {
        auto& list = options().availableLanguages;
        list.listIndex = static_cast<int>(std::find(list.items.begin(), list.items.end(), name) -
                                          list.items.begin());
    }
    bool asked() const { return !h.dialogs.shown.empty(); }
};

TEST_F(OptionsWindow, LoadShowsTheRecordAndTheDestinationSetsWhatCanBeUsed) {
    // The selected option button, then what can be used: folder and Browse, style.
    const std::pair<std::int16_t, std::vector<bool>> cases[] = {
        {0, {true, false, false, true, false}},
        {1, {false, true, false, false, false}},
        {2, {false, false, true, false, true}},
        {-4, {false, false, true, false, true}},
    };
    start();
    for (const auto& [target, shown] : cases) {
        state().settings = {"French.ini", "", 0, 1, target, 2, 1};
        program().unload(WindowId::Options);
        const OptionsDialog& o = options();
        const std::string at = "destination " + std::to_string(target);
        EXPECT_EQ(o.availableLanguages.text() + " " + o.cmbWallpaperType.text(), "French Stretch");
        EXPECT_EQ(o.snapshotPath.text, "/home/user/Desktop") << "empty folder shows the desktop";
        EXPECT_EQ((std::vector{o.chkOverlay.value, o.chkScreenSaver.value, o.chkAutoPlay.value}),
                  (std::vector{0, 1, 1}))
            << at;
        EXPECT_EQ(
            (std::vector<bool>{o.optToFile.value, o.optToClipboard.value, o.optToDesktop.value,
                               o.snapshotPath.enabled, o.cmbWallpaperType.enabled}),
            shown)
            << at;
        EXPECT_EQ(o.snapshotsBrowse.enabled, o.snapshotPath.enabled) << at;
    }
}

TEST_F(OptionsWindow, OkWritesTheFileAndAsksOnlyWhilePlayingWithAnEngineChange) {
    using Edit = std::function<void(OptionsDialog&)>;
    using Saved = std::function<void(SettingsRecord&)>;
    // What changes, how, what the file then holds, whether playing, whether OK asks.
    const std::tuple<const char*, Edit, Saved, bool, bool> cases[] = {
        {"language", [this](OptionsDialog&) { chooseLanguage("French"); },
         [](SettingsRecord& r) { r.languageFile = "French.ini"; }, true, false},
        {"style", [](OptionsDialog& o) { o.cmbWallpaperType.listIndex = 1; },
         [](SettingsRecord& r) { r.wallpaperStyle = 1; }, true, false},
        {"auto play", [](OptionsDialog& o) { o.chkAutoPlay.value = 1; },
         [](SettingsRecord& r) { r.autoPlay = 1; }, true, false},
        {"folder case", [](OptionsDialog& o) { o.snapshotPath.text = "/home/user/shots"; },
         [](SettingsRecord& r) { r.snapshotFolder = "/home/user/shots"; }, true, true},
        {"overlay", [](OptionsDialog& o) { o.chkOverlay.value = 0; },
         [](SettingsRecord& r) { r.useOverlay = 0; }, true, true},
        {"screen saver", [](OptionsDialog& o) { o.chkScreenSaver.value = 1; },
         [](SettingsRecord& r) { r.disableScreenSaver = 1; }, true, true},
        {"destination", [](OptionsDialog& o) { o.optToClipboard_Click(); },
         [](SettingsRecord& r) { r.snapshotTarget = 1; }, true, true},
        {"destination, idle", [](OptionsDialog& o) { o.optToDesktop_Click(); },
         [](SettingsRecord& r) { r.snapshotTarget = 2; }, false, false},
    };
    for (const auto& [change, edit, saved, playing, asks] : cases) {
        h.writeConfig(configText(kSaved));
        h.dialogs.shown.clear();
        h.dialogs.answer = MessageResult::No;
        h.program.reset();
        start();
        engineState(playing ? 0.5f : -1.f, playing);
        options().Form_Load(); // as the settings button does
        edit(options());
        const Names journal = journalOf([&] { options().OKButton_Click(); });

        SettingsRecord expected = kSaved;
        saved(expected);
        // The registration follows the box on every OK, changed or not.
        const std::string registration = expected.autoPlay ? "handlers.write" : "handlers.remove";
        EXPECT_NE(std::find(journal.begin(), journal.end(), registration), journal.end())
            << change << ": no " << registration;
        EXPECT_EQ(h.config(), configText(expected)) << change;
        EXPECT_FALSE(options().visible) << change;
        EXPECT_EQ(asked(), asks) << change;
        // Answered No, or not asked: only an unasked OK updates the record.
        EXPECT_EQ(state().settings, asks ? kSaved : expected) << change;
        EXPECT_EQ(state().engineOptions[4], "snapshot-path=/home/user/Shots")
            << change << ": the engine options did not come from the previous record";
    }
}

TEST_F(OptionsWindow, YesRestartsTheSelectedDriveWithTheNewSettings) {
    startPlaying();
    ASSERT_EQ(state().selectedDrive, "/dev/sr0");
    options().Form_Load();
    options().optToClipboard_Click();
    h.dialogs.answer = MessageResult::Yes;
    const Names journal = journalOf([&] { options().OKButton_Click(); });
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    const auto& [text, buttons, icon, title] = h.dialogs.shown[0];
    EXPECT_EQ(std::tuple(text, buttons, icon, title),
              std::tuple("The changes you have made require restarting the video. Do you want to "
                         "restart?",
                         MessageButtons::YesNo, MessageIcon::Question, "Lumadisc"));
    EXPECT_EQ(h.engine.target, "dvd:///dev/sr0") << "the disc was not started again";
    EXPECT_NE(std::find(journal.begin(), journal.end(), "engine.clearItems"), journal.end());
    EXPECT_EQ(state().settings.snapshotTarget, 1) << "the restart did not read the new file";
    EXPECT_EQ(state().engineOptions[4], "snapshot-path=" + h.environment.tempFolder());
}

TEST_F(OptionsWindow, CancelAndCloseKeepFileAndRecordAndTheNextOpeningLoadsAgain) {
    start();
    options().Form_Load();
    options().optToDesktop_Click();
    options().snapshotPath.text = "/elsewhere";
    chooseLanguage("French");
    options().CancelButton_Click();
    EXPECT_FALSE(program().isLoaded(WindowId::Options));
    EXPECT_EQ(h.config(), configText(kSaved));
    EXPECT_EQ(state().settings, kSaved);
    EXPECT_EQ(options().snapshotPath.text, "/home/user/Shots");
    EXPECT_TRUE(options().optToFile.value);
    EXPECT_EQ(options().availableLanguages.text(), "English");
}

TEST_F(OptionsWindow, BrowseDisablesTheWindowAroundTheFolderDialog) {
    start();
    h.dialogs.folder = "/media/big/Shots";
    const Names journal = journalOf([&] { options().snapshotsBrowse_Click(); });
    EXPECT_EQ(journal, (Names{"dialogs.browse Folder Browser", "windows.focus options"}));
    EXPECT_EQ(h.dialogs.browsed.at(0).flags, 0x0022u);
    EXPECT_EQ(options().snapshotPath.text, "/media/big/Shots");
    h.dialogs.folder = "";
    options().snapshotsBrowse_Click();
    EXPECT_EQ(options().snapshotPath.text, "/media/big/Shots") << "a cancel changed the folder";
    EXPECT_TRUE(options().enabled);
}

TEST_F(OptionsWindow, TheSettingsButtonReloadsShowsAndThenAppliesTheNewLanguageEverywhere) {
    start();
    const AboutForm* oldAbout = &about();
    options().snapshotPath.text = "typed before";
    h.windows.whileModal = [this](WindowId window) {
        ASSERT_EQ(window, WindowId::Options);
        EXPECT_TRUE(options().visible);
        EXPECT_EQ(options().snapshotPath.text, "/home/user/Shots") << "the window was not loaded";
        chooseLanguage("French");
        options().OKButton_Click();
    };
    const Names journal = journalOf([&] { h.barMovie.click("option", ""); });
    EXPECT_EQ(journal.front(), "windows.modal options");
    EXPECT_NE(program().loadedAboutForm(), oldAbout) << "the About window was kept";
    EXPECT_EQ(options().optionsMenuCommand().caption, "&Options...");
    EXPECT_EQ(options().caption, "Réglages");
    EXPECT_EQ(h.barMovie.variables["_level0.volumeText1.text"], "Volume 50");
}

// Without packs and with numbers the window cannot show, OK keeps what it cannot show.
TEST(OptionsWindowEdges, OkKeepsValuesItCannotShowAndEnglishWithoutPacks) {
    ProgramHarness h;
    h.writeConfig(configText({"German.ini", "/shots", 5, -1, 1, 7, 0}));
    h.start();
    OptionsDialog& options = h.program->optionsDialog();
    options.Form_Load();
    EXPECT_EQ(options.cmbWallpaperType.listIndex, -1) << "a style that is no entry is selected";
    options.OKButton_Click();
    EXPECT_EQ(h.config(), configText({"English.ini", "/shots", 5, -1, 1, 7, 0}));
}

// Any non-zero setting registers this program, where the handler folder can be written; zero
// removes the registration.
TEST_F(OptionsWindow, AutoPlayRegistersThisProgramAsTheDiscHandlerOrRemovesIt) {
    start();
    const auto steps = [this](std::int16_t autoPlay) {
        return journalOf([&] { options().RegisterAutoPlay(autoPlay); });
    };
    const auto nothingRegistered = [this] {
        return !h.discHandlers.entry && !h.discHandlers.isDefault &&
               !h.discHandlers.startsWithoutAsking;
    };
    for (std::int16_t on : {1, -1, 32767}) {
        h.discHandlers.entry.reset();
        EXPECT_EQ(steps(on), (Names{"handlers.openFolder", "handlers.startWithoutAsking",
                                    "handlers.write", "handlers.makeDefault"}))
            << "registering with " << on;
        ASSERT_TRUE(h.discHandlers.entry) << "no handler entry written for " << on;
        const DiscHandler& entry = *h.discHandlers.entry;
        const std::string app = h.appFolder.str();
        EXPECT_EQ(entry.action + "|" + entry.verb + "|" + entry.provider,
                  "Play DVD|Play With Lumadisc|Quorvane Lumadisc");
        EXPECT_EQ(entry.program, app + "/lumadisc") << "the handler must start this executable";
        EXPECT_EQ(entry.icon, app + "/Resources/lumadisc.svg");
    }
    EXPECT_EQ(steps(0), (Names{"handlers.remove", "handlers.stopStartingWithoutAsking",
                               "handlers.removeDefault"}));
    EXPECT_TRUE(nothingRegistered()) << "unregistering left something behind";
    h.discHandlers.folderWritable = false;
    EXPECT_EQ(steps(1), Names{"handlers.openFolder"});
    EXPECT_TRUE(nothingRegistered()) << "registered although the folder cannot be written";
}

const std::string kFrenchPack = "[Language Pack]\r\n"
                                "03=&Valider\r\n04=&Annuler\r\n"
                                "10=&Fichier\r\n11=&Ouvrir\r\n12=&Quitter\r\n20=&Edition\r\n"
                                "30=O&utils\r\n31=&Options...\r\n40=&Aide\r\n"
                                "41=&Mode d'emploi\r\n43=A &propos\r\n"
                                "51=A propos de\r\n52=Version fr\r\n53=Description fr\r\n"
                                "70=Reglages\r\n71=Langue\r\n72=Choisir la langue :\r\n";

class Menus : public StartedProgram {
protected:
    Menus() { start(); }
    // The captions a pop-up of each top-level menu shows.
    Names visibleCaptions() {
        Names captions;
        for (const MenuItem* menu : {&options().fileMenu, &options().editMenu, &options().toolsMenu,
                                     &options().helpMenu}) {
            EXPECT_FALSE(menu->visible) << menu->name << " must never show as a menu bar";
            captions.push_back(menu->caption + ":");
            for (const MenuItem& item : menu->children)
                if (item.visible)
                    captions.push_back(item.caption);
        }
        return captions;
    }
    void useLanguage(const std::string& file) { state().settings.languageFile = file; }
};

TEST_F(Menus, TheTreeAndItsCaptionsFollowTheCaptionPass) {
    OptionsDialog& o = options();
    EXPECT_EQ(visibleCaptions(),
              (Names{"&File:", "&Open", "E&xit", "&Edit:", "Full Screen", "&Tools:", "&Options",
                     "&Help:", "&How To Use?", "-", "&About"}));
    EXPECT_EQ(&o.menuItem("dvdsList"), &o.dvdsList()[0]) << "items of submenus are found too";
    EXPECT_EQ(o.menuItem("fullScreenMenu").shortcut, "Ctrl+F");
    EXPECT_THROW(o.menuItem("noSuchMenu"), Failure);
    // A new options window starts with the Edit menu disabled too.
    program().unload(WindowId::Options);
    EXPECT_FALSE(options().editMenu.enabled);

    h.writePack("French.ini", kFrenchPack);
    useLanguage("French.ini");
    program().unload(WindowId::Options);
    program().unload(WindowId::About);
    main().ApplyLanguageCaptions();
    // The pass loads both windows again; items without a key keep their design caption.
    ASSERT_TRUE(program().isLoaded(WindowId::Options) && program().isLoaded(WindowId::About));
    EXPECT_EQ(visibleCaptions(),
              (Names{"&Fichier:", "&Ouvrir", "&Quitter", "&Edition:", "Full Screen",
                     "O&utils:", "&Options...", "&Aide:", "&Mode d'emploi", "-", "A &propos"}));
    OptionsDialog& f = options();
    EXPECT_EQ(
        (Names{state().okText, state().cancelText, f.OKButton.caption, f.CancelButton.caption,
               about().cmdOK.caption, f.caption, f.languageFrame.caption, f.languageLabel.caption,
               about().caption, about().lblVersion.caption, about().lblDescription.caption}),
        (Names{"&Valider", "&Annuler", "&Valider", "&Annuler", "&Valider", "Reglages", "Langue",
               "Choisir la langue :", "A propos de Lumadisc", "Version fr 1.0.0.0",
               "Description fr"}));
}

TEST_F(Menus, TheLanguageListSelectsThePackInUse) {
    for (const char* name : {"French.ini", "English.ini", "german.INI", "notes.txt"})
        h.writePack(name, "[Language Pack]\r\n");
    const auto fill = [&](const std::string& languageFile) {
        useLanguage(languageFile);
        options().FillLanguageList();
        return options().availableLanguages.listIndex;
    };
    // A pack that is absent, or named in another case, falls back to English.
    const std::pair<const char*, const char*> cases[] = {{"French.ini", "French.ini"},
                                                         {"german.INI", "german.INI"},
                                                         {"Klingon.ini", "English.ini"},
                                                         {"french.ini", "English.ini"},
                                                         {"", "English.ini"}};
    for (const auto& [file, used] : cases) {
        fill(file);
        EXPECT_EQ(options().availableLanguages.text(), std::filesystem::path(used).stem())
            << "the pack selected for '" << file << "'";
        EXPECT_EQ(state().settings.languageFile, used) << "the setting after '" << file << "'";
    }
    EXPECT_EQ(options().availableLanguages.items, (Names{"English", "French", "german"}));

    std::filesystem::remove(h.appFolder.path() / "Lang" / "English.ini");
    EXPECT_EQ(fill("Klingon.ini"), 0);
    EXPECT_EQ(options().availableLanguages.text(), "French");
    EXPECT_EQ(state().settings.languageFile, "English.ini");
}

TEST_F(Menus, AboutIsShownModallyAndItsLinksOpen) {
    h.windows.whileModal = [&](WindowId window) {
        ASSERT_EQ(window, WindowId::About);
        about().siteLinkLabel_Click();
        about().mailLinkLabel_Click();
        about().cmdOK_Click();
    };
    program().unload(WindowId::About);
    h.windows.choose = [&](const MenuItem&) { return &options().aboutMenu(); };
    h.barMovie.click("ID_FS _about");
    const std::string site = about().siteLinkLabel.caption;
    const std::string mail = about().mailLinkLabel.caption;
    EXPECT_EQ(site.rfind("https://", 0), 0u);
    EXPECT_NE(mail.find('@'), std::string::npos);
    EXPECT_THAT(h.journal.entries,
                ElementsAre("windows.popup bar helpMenu", "windows.modal about",
                            "launcher.open " + site, "launcher.open mailto:" + mail));
}

TEST_F(Menus, HowToUseOpensThePageOfTheLanguage) {
    const std::string english = (h.appFolder.path() / "English.html").string();
    writeFile(english, "<html></html>");
    // Only English has a page here; a page the desktop cannot open is as good as missing.
    const std::tuple<std::string, bool, bool> cases[] = {{"English.ini", true, false},
                                                         {"French.ini", true, true},
                                                         {"English.ini", false, true},
                                                         {"ini", true, true}};
    for (const auto& [language, opens, error] : cases) {
        useLanguage(language);
        h.launcher.succeeds = opens;
        h.launcher.opened.clear();
        h.dialogs.shown.clear();
        options().menuItemChosen(options().howToUseMenu());
        EXPECT_EQ(h.launcher.opened, language == "English.ini" ? Names{english} : Names{})
            << "help for " << language;
        ASSERT_EQ(h.dialogs.shown.size(), error ? 1u : 0u)
            << "help for " << language << ", the desktop opening it: " << opens;
        for (const auto& shown : h.dialogs.shown)
            EXPECT_EQ((std::tuple{shown.text, shown.title, shown.icon}),
                      (std::tuple{"Can't find the help file.", "Error", MessageIcon::Critical}));
    }
}

} // namespace
} // namespace lumadisc
