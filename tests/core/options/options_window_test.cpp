// The options window: what it shows, OK with its restart question, Cancel, the folder button,
// the Options command and the registration as the desktop's disc handler; then the menu tree,
// the caption pass, the language list, the About window and the help command.
#include "core/started_program.h"

#include <filesystem>
#include <utility>

namespace lumadisc {
namespace {

using namespace test;

class OptionsWindow : public StartedProgram {
protected:
    OptionsWindow() : StartedProgram(FakeDrives::Style::Linux) {
        h.writePack("English.ini", "[Language Pack]\n");
        h.writePack("French.ini", "[Language Pack]\n70=Réglages\n");
        h.drives.add("/dev/sr0", Drives::kOptical, Volume{"FILM", "UDF"}, true, "/media/FILM");
    }
    // Loads the window showing `r` over the saved record, as if the user had set each control.
    void choose(const SettingsRecord& r) {
        const SettingsRecord saved = std::exchange(state().settings, r);
        options().Form_Load();
        state().settings = saved;
    }
};

TEST_F(OptionsWindow, LoadShowsTheRecordAndTheDestinationSetsWhatCanBeUsed) {
    // The destination; then file, clipboard, desktop, folder, Browse and style ("1" usable).
    const std::pair<std::int16_t, std::string> cases[] = {
        {0, "100110"}, {1, "010000"}, {-4, "001001"}};
    start();
    for (const auto& [target, shown] : cases) {
        state().settings = {"French.ini", "", 0, 1, target, 2, 1};
        program().unload(WindowId::Options);
        const OptionsDialog& o = options();
        std::string bits;
        for (bool on : std::initializer_list<bool>{
                 o.optToFile.value, o.optToClipboard.value, o.optToDesktop.value,
                 o.snapshotPath.enabled, o.snapshotsBrowse.enabled, o.cmbWallpaperType.enabled})
            bits += on ? '1' : '0';
        EXPECT_EQ(bits, shown) << "destination " << target;
    }
    const OptionsDialog& o = options();
    EXPECT_EQ(
        (std::tuple{o.availableLanguages.text(), o.cmbWallpaperType.text(), o.chkOverlay.value,
                    o.chkScreenSaver.value, o.chkAutoPlay.value, o.snapshotPath.text}),
        (std::tuple{"French", "Stretch", 0, 1, 1, "/home/user/Desktop"}))
        << "language, style, boxes and the folder (empty: the desktop)";
}

TEST_F(OptionsWindow, OkWritesTheFileAndAsksOnlyWhilePlayingWithAnEngineChange) {
    // What is chosen, whether the disc in /dev/sr0 plays, the answer to the restart question.
    using Answer = std::optional<MessageResult>; // none: not asked
    const std::tuple<const char*, SettingsRecord, bool, Answer> cases[] = {
        {"language, style, auto play", {"French.ini", "/home/user/Shots", 1, 0, 0, 1, 1}, 1, {}},
        {"folder case", {"English.ini", "/home/user/shots", 1, 0, 0, 0, 0}, 1, MessageResult::No},
        {"overlay", {"English.ini", "/home/user/Shots", 0, 0, 0, 0, 0}, 1, MessageResult::No},
        {"screen saver", {"English.ini", "/home/user/Shots", 1, 1, 0, 0, 0}, 1, MessageResult::No},
        {"destination", {"English.ini", "/home/user/Shots", 1, 0, 1, 0, 0}, 1, MessageResult::Yes},
        {"destination, idle", {"English.ini", "/home/user/Shots", 1, 0, 2, 0, 0}, 0, {}},
    };
    for (const auto& [change, chosen, playing, answer] : cases) {
        h.writeConfig(configText(kSaved));
        h.dialogs.shown.clear();
        h.dialogs.answer = answer.value_or(MessageResult::No);
        h.environment.commandLineText = playing ? "/media/FILM" : "";
        h.program.reset();
        start();
        engineState(playing ? 0.5f : -1.f, playing);
        choose(chosen);
        const Names journal = journalOf([&] { options().OKButton_Click(); });
        // The registration follows the box on every OK, changed or not.
        const std::string registration = chosen.autoPlay ? "handlers.write" : "handlers.remove";
        EXPECT_EQ(std::ranges::count(journal, registration), 1)
            << change << ": no " << registration;
        EXPECT_EQ(h.config(), configText(chosen)) << change;
        EXPECT_FALSE(options().visible) << change;
        ASSERT_EQ(h.dialogs.shown.size(), answer ? 1u : 0u) << change << ": the restart question";
        // No keeps the record; Yes starts the disc in /dev/sr0 again, which reads the new file.
        EXPECT_EQ(state().settings, answer == MessageResult::No ? kSaved : chosen)
            << change << ": the record in use, or the disc not started again";
    }
}

// The folder button disables the window around the dialog; Cancel then forgets all changes.
TEST_F(OptionsWindow, BrowseFillsTheFolderAndCancelKeepsFileAndRecordAndUnloadsTheWindow) {
    start();
    choose({"French.ini", "/elsewhere", 0, 1, 0, 1, 1});
    h.dialogs.folder = "/media/big/Shots";
    EXPECT_EQ(journalOf([&] { options().snapshotsBrowse_Click(); }),
              (Names{"dialogs.browse Folder Browser", "windows.focus options"}));
    h.dialogs.folder = "";
    options().snapshotsBrowse_Click();
    EXPECT_EQ(options().snapshotPath.text, "/media/big/Shots") << "chosen folder lost, or a cancel";
    EXPECT_TRUE(options().enabled);
    options().CancelButton_Click();
    EXPECT_FALSE(program().isLoaded(WindowId::Options));
    EXPECT_EQ(h.config(), configText(kSaved));
    EXPECT_EQ(state().settings, kSaved);
}

TEST_F(OptionsWindow, TheSettingsButtonReloadsShowsAndThenAppliesTheNewLanguageEverywhere) {
    start();
    const AboutForm* oldAbout = &about();
    options().snapshotPath.text = "typed before";
    h.windows.whileModal = [this](WindowId window) {
        ASSERT_EQ(window, WindowId::Options);
        EXPECT_TRUE(options().visible);
        EXPECT_EQ(options().snapshotPath.text, "/home/user/Shots") << "the window was not loaded";
        options().availableLanguages.listIndex = 1; // French, after English
        options().OKButton_Click();
    };
    h.barMovie.click("option", "");
    EXPECT_NE(program().loadedAboutForm(), oldAbout) << "the About window was kept";
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
    EXPECT_EQ(steps(-1), (Names{"handlers.openFolder", "handlers.startWithoutAsking",
                                "handlers.write", "handlers.makeDefault"}));
    ASSERT_TRUE(h.discHandlers.entry);
    const std::string app = h.appFolder.str();
    EXPECT_EQ(h.discHandlers.entry->program, app + "/lumadisc") << "not this executable";
    EXPECT_EQ(h.discHandlers.entry->icon, app + "/Resources/lumadisc.svg");
    EXPECT_EQ(steps(0), (Names{"handlers.remove", "handlers.stopStartingWithoutAsking",
                               "handlers.removeDefault"}));
    h.discHandlers.folderWritable = false;
    EXPECT_EQ(steps(1), Names{"handlers.openFolder"}) << "registered in a folder it cannot write";
}

class Menus : public StartedProgram {
protected:
    Menus() { start(); }
    void useLanguage(const std::string& file) { state().settings.languageFile = file; }
};

TEST_F(Menus, TheTreeAndItsCaptionsFollowTheCaptionPass) {
    h.writePack("French.ini", "[Language Pack]\n03=&Valider\n04=&Annuler\n10=&Fichier\n"
                              "11=&Ouvrir\n12=&Quitter\n20=&Edition\n30=O&utils\n31=&Options...\n"
                              "40=&Aide\n41=&Mode d'emploi\n43=A &propos\n51=A propos de\n"
                              "52=Version fr\n70=Reglages\n71=Langue\n72=Choisir :\n");
    useLanguage("French.ini");
    program().unload(WindowId::Options);
    program().unload(WindowId::About);
    main().ApplyLanguageCaptions();
    // The pass loads both windows again; items without a key keep their design caption.
    OptionsDialog& o = options();
    Names captions; // what a pop-up of each top-level menu shows
    for (const MenuItem* menu : {&o.fileMenu, &o.editMenu, &o.toolsMenu, &o.helpMenu}) {
        EXPECT_FALSE(menu->visible) << menu->name << " must never show as a menu bar";
        captions.push_back(menu->caption + ":");
        for (const MenuItem& item : menu->children)
            if (item.visible)
                captions.push_back(item.caption);
    }
    EXPECT_EQ(captions,
              (Names{"&Fichier:", "&Ouvrir", "&Quitter", "&Edition:", "Full Screen",
                     "O&utils:", "&Options...", "&Aide:", "&Mode d'emploi", "-", "A &propos"}));
    EXPECT_FALSE(o.editMenu.enabled) << "Full Screen can be chosen before any disc";
    EXPECT_EQ((Names{state().okText, state().cancelText, o.caption, o.languageFrame.caption,
                     o.languageLabel.caption, about().caption, about().lblVersion.caption}),
              (Names{"&Valider", "&Annuler", "Reglages", "Langue",
                     "Choisir :", "A propos de Lumadisc", "Version fr 1.0.0.0"}))
        << "the OK and Cancel texts and the windows' captions";
}

TEST_F(Menus, TheLanguageListSelectsThePackInUse) {
    for (const char* name : {"French.ini", "English.ini", "german.INI", "notes.txt"})
        h.writePack(name, "[Language Pack]\r\n");
    // A pack that is absent, or named in another case, falls back to English.
    const std::pair<const char*, const char*> cases[] = {{"german.INI", "german.INI"},
                                                         {"Klingon.ini", "English.ini"},
                                                         {"french.ini", "English.ini"}};
    for (const auto& [file, used] : cases) {
        useLanguage(file);
        options().FillLanguageList();
        EXPECT_EQ(options().availableLanguages.text(), std::filesystem::path(used).stem())
            << "the pack selected for '" << file << "'";
        EXPECT_EQ(state().settings.languageFile, used) << "the setting after '" << file << "'";
    }
    // The setting now names English, which is gone.
    std::filesystem::remove(h.appFolder.path() / "Lang" / "English.ini");
    options().FillLanguageList();
    EXPECT_EQ(options().availableLanguages.text(), "French") << "without English, the first";
    EXPECT_EQ(state().settings.languageFile, "English.ini");
}

TEST_F(Menus, HelpShowsAboutModallyWithItsLinksAndOpensThePageOfTheLanguage) {
    h.windows.whileModal = [&](WindowId) {
        about().siteLinkLabel_Click();
        about().mailLinkLabel_Click();
        about().cmdOK_Click();
    };
    program().unload(WindowId::About);
    h.windows.choose = [&](const MenuItem&) { return &options().aboutMenu(); };
    h.barMovie.click("ID_FS _about");
    EXPECT_THAT(h.journal.entries,
                ElementsAre("windows.popup bar helpMenu", "windows.modal about",
                            "launcher.open " + about().siteLinkLabel.caption,
                            "launcher.open mailto:" + about().mailLinkLabel.caption));

    const std::string english = (h.appFolder.path() / "English.html").string();
    writeFile(english, "<html></html>");
    // Only English has a page here; a page the desktop cannot open is as good as missing.
    const std::tuple<std::string, bool, bool> cases[] = {
        {"English.ini", true, false}, {"English.ini", false, true}, {"ini", true, true}};
    for (const auto& [language, opens, error] : cases) {
        useLanguage(language);
        h.launcher.succeeds = opens;
        h.launcher.opened.clear();
        h.dialogs.shown.clear();
        options().menuItemChosen(options().howToUseMenu());
        EXPECT_EQ(h.launcher.opened, language == "English.ini" ? Names{english} : Names{})
            << "help for " << language;
        EXPECT_EQ(h.dialogs.shown.size(), error ? 1u : 0u)
            << "help for " << language << ", the desktop opening it: " << opens;
    }
}

} // namespace
} // namespace lumadisc
