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
    static Names visibleCaptions(const MenuItem& menu) {
        Names captions;
        for (const MenuItem& item : menu.children)
            if (item.visible)
                captions.push_back(item.caption);
        return captions;
    }
    void useLanguage(const std::string& file) { state().settings.languageFile = file; }
};

TEST_F(Menus, TheTreeAfterStartUp) {
    OptionsDialog& o = options();
    for (const MenuItem* top : {&o.fileMenu, &o.editMenu, &o.toolsMenu, &o.helpMenu})
        EXPECT_FALSE(top->visible) << top->name << " must never show as a menu bar";
    EXPECT_EQ(visibleCaptions(o.fileMenu), (Names{"&Open", "E&xit"}));
    EXPECT_EQ(o.dvdsList().size(), 1u);
    EXPECT_EQ(&o.menuItem("dvdsList"), &o.dvdsList()[0]) << "items of submenus are found too";
    EXPECT_EQ(o.menuItem("fullScreenMenu").shortcut, "Ctrl+F");
    EXPECT_EQ(visibleCaptions(o.toolsMenu), (Names{"&Options"}));
    EXPECT_EQ(visibleCaptions(o.helpMenu), (Names{"&How To Use?", "-", "&About"}));
    EXPECT_THROW(o.menuItem("noSuchMenu"), Failure);
    // A new options window starts with the Edit menu disabled too.
    program().unload(WindowId::Options);
    EXPECT_FALSE(options().editMenu.enabled);
}

TEST_F(Menus, TheCaptionPassUsesTheCurrentPack) {
    h.writePack("French.ini", kFrenchPack);
    useLanguage("French.ini");
    program().unload(WindowId::Options);
    program().unload(WindowId::About);
    main().ApplyLanguageCaptions();
    // The pass loads both windows again.
    ASSERT_TRUE(program().isLoaded(WindowId::Options));
    ASSERT_TRUE(program().isLoaded(WindowId::About));
    OptionsDialog& o = options();
    EXPECT_EQ((Names{o.fileMenu.caption, o.editMenu.caption, o.toolsMenu.caption,
                     o.optionsMenuCommand().caption, o.helpMenu.caption}),
              (Names{"&Fichier", "&Edition", "O&utils", "&Options...", "&Aide"}));
    EXPECT_EQ(visibleCaptions(o.fileMenu), (Names{"&Ouvrir", "&Quitter"}));
    EXPECT_EQ(visibleCaptions(o.helpMenu), (Names{"&Mode d'emploi", "-", "A &propos"}));
    // Items without a key keep their design caption.
    EXPECT_EQ(o.menuItem("fullScreenMenu").caption, "Full Screen");
    EXPECT_EQ(o.menuItem("checkUpdates").caption, "&Check For Updates");
    EXPECT_EQ((Names{state().okText, state().cancelText, o.OKButton.caption, o.CancelButton.caption,
                     about().cmdOK.caption}),
              (Names{"&Valider", "&Annuler", "&Valider", "&Annuler", "&Valider"}));
    EXPECT_EQ((Names{o.caption, o.languageFrame.caption, o.languageLabel.caption}),
              (Names{"Reglages", "Langue", "Choisir la langue :"}));
}

TEST_F(Menus, TheLanguageListSelectsThePackInUse) {
    for (const char* name : {"French.ini", "English.ini", "german.INI", "notes.txt"})
        h.writePack(name, "[Language Pack]\r\n");
    const auto fill = [&](const std::string& languageFile) {
        useLanguage(languageFile);
        options().FillLanguageList();
        return options().availableLanguages.listIndex;
    };
    EXPECT_EQ(fill("French.ini"), 1);
    EXPECT_EQ(options().availableLanguages.items, (Names{"English", "French", "german"}));
    EXPECT_EQ(state().settings.languageFile, "French.ini");
    EXPECT_EQ(fill("german.INI"), 2);
    // A pack that is absent, or named in another case, falls back to English.
    for (const char* absent : {"Klingon.ini", "french.ini", ""}) {
        EXPECT_EQ(fill(absent), 0) << absent;
        EXPECT_EQ(state().settings.languageFile, "English.ini");
    }
    EXPECT_EQ(options().availableLanguages.items.size(), 3u); // each pack once

    std::filesystem::remove(h.appFolder.path() / "Lang" / "English.ini");
    EXPECT_EQ(fill("Klingon.ini"), 0);
    EXPECT_EQ(options().availableLanguages.text(), "French");
    EXPECT_EQ(state().settings.languageFile, "English.ini");
}

TEST_F(Menus, AboutTextsFollowTheLanguageWhenTheWindowIsCreated) {
    const auto texts = [&] {
        return Names{about().caption, about().lblVersion.caption, about().lblTitle.caption,
                     about().lblDescription.caption};
    };
    const Names english{
        "About Lumadisc", "Version 1.0.0.0", "Lumadisc",
        "Use this easy-to-use application to easily and effectively extract or capture images "
        "from your favorite DVD-Video discs. You can extract one image while playing your "
        "favorite movie ad also you can extract a portion of the DVD-Video."};
    EXPECT_EQ(texts(), english);
    h.writePack("French.ini", kFrenchPack);
    useLanguage("French.ini");
    EXPECT_EQ(texts(), english); // the open window keeps its texts
    program().unload(WindowId::About);
    EXPECT_EQ(texts(),
              (Names{"A propos de Lumadisc", "Version fr 1.0.0.0", "Lumadisc", "Description fr"}));
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
    const auto howToUse = [&] { options().menuItemChosen(options().howToUseMenu()); };
    howToUse();
    EXPECT_THAT(h.launcher.opened, ElementsAre(english));
    EXPECT_THAT(h.dialogs.shown, IsEmpty());

    useLanguage("French.ini");
    howToUse();
    h.launcher.succeeds = false;
    useLanguage("English.ini");
    howToUse();
    useLanguage("ini");
    howToUse();
    EXPECT_THAT(h.launcher.opened, ElementsAre(english, english));
    ASSERT_EQ(h.dialogs.shown.size(), 3u);
    for (const auto& shown : h.dialogs.shown) {
        EXPECT_EQ(shown.text, "Can't find the help file.");
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
    }
}

} // namespace
} // namespace lumadisc
