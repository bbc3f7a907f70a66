// The menu tree, the caption pass, the language list, the About window and the help command.
#include "core/failure.h"
#include "core/started_program.h"

#include <filesystem>

namespace lumadisc {
namespace {

using namespace test;

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
    const struct {
        const char* language;
        bool opens;
        bool error;
    } cases[] = {{"English.ini", true, false},
                 {"French.ini", true, true},
                 {"English.ini", false, true},
                 {"ini", true, true}};
    for (const auto& c : cases) {
        useLanguage(c.language);
        h.launcher.succeeds = c.opens;
        h.launcher.opened.clear();
        h.dialogs.shown.clear();
        options().menuItemChosen(options().howToUseMenu());
        const bool hasPage = std::string(c.language) == "English.ini";
        EXPECT_EQ(h.launcher.opened, hasPage ? Names{english} : Names{})
            << "help for " << c.language;
        ASSERT_EQ(h.dialogs.shown.size(), c.error ? 1u : 0u)
            << "help for " << c.language << ", the desktop opening it: " << c.opens;
        for (const auto& shown : h.dialogs.shown)
            EXPECT_EQ((std::tuple{shown.text, shown.title, shown.icon}),
                      (std::tuple{"Can't find the help file.", "Error", MessageIcon::Critical}));
    }
}

} // namespace
} // namespace lumadisc
