// The menu tree, the caption pass, the language list, the About window and the help command.
#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
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
using Names = std::vector<std::string>;

const std::string kDescription =
    "Use this easy-to-use application to easily and effectively extract or capture images from "
    "your favorite DVD-Video discs. You can extract one image while playing your favorite movie "
    "ad also you can extract a portion of the DVD-Video.";

const std::string kFrenchPack = "[Language Pack]\r\n"
                                "03=&Valider\r\n04=&Annuler\r\n"
                                "10=&Fichier\r\n11=&Ouvrir\r\n12=&Quitter\r\n20=&Edition\r\n"
                                "30=O&utils\r\n31=&Options...\r\n40=&Aide\r\n"
                                "41=&Mode d'emploi\r\n43=A &propos\r\n"
                                "51=A propos de\r\n52=Version fr\r\n53=Description fr\r\n"
                                "70=Reglages\r\n71=Langue\r\n72=Choisir la langue :\r\n";

class Menus : public ::testing::Test {
protected:
    Menus() {
        h.writeConfig(configText({"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0}));
        h.start();
        h.journal.entries.clear();
    }
    OptionsDialog& options() { return h.program->optionsDialog(); }
    AboutForm& about() { return h.program->aboutForm(); }
    Names visibleCaptions(const MenuItem& menu) {
        Names captions;
        for (const MenuItem& item : menu.children)
            if (item.visible)
                captions.push_back(item.caption);
        return captions;
    }
    void useLanguage(const std::string& file) { h.program->state.settings.languageFile = file; }

    ProgramHarness h;
};

TEST_F(Menus, TheTreeAfterStartUp) {
    OptionsDialog& o = options();
    for (const MenuItem* top : {&o.fileMenu, &o.editMenu, &o.toolsMenu, &o.helpMenu})
        EXPECT_FALSE(top->visible) << top->name;
    EXPECT_EQ(o.fileMenu.caption, "&File");
    EXPECT_EQ(visibleCaptions(o.fileMenu), (Names{"&Open", "E&xit"}));
    EXPECT_EQ(o.dvdsList().size(), 1u);
    EXPECT_EQ(o.editMenu.caption, "&Edit");
    EXPECT_FALSE(o.editMenu.enabled);
    EXPECT_EQ(o.fullScreenMenu().caption, "Full Screen");
    EXPECT_EQ(o.fullScreenMenu().shortcut, "Ctrl+F");
    EXPECT_EQ(o.toolsMenu.caption, "&Tools");
    EXPECT_EQ(visibleCaptions(o.toolsMenu), (Names{"&Options"}));
    EXPECT_EQ(o.helpMenu.caption, "&Help");
    EXPECT_EQ(visibleCaptions(o.helpMenu), (Names{"&How To Use?", "-", "&About"}));
    EXPECT_EQ(o.checkUpdates().caption, "&Check For Updates");
    EXPECT_FALSE(o.checkUpdates().visible);
    // A new options window starts with the Edit menu disabled too.
    h.program->unload(WindowId::Options);
    EXPECT_FALSE(options().editMenu.enabled);
}

TEST_F(Menus, TheCaptionPassUsesTheCurrentPack) {
    h.writePack("French.ini", kFrenchPack);
    useLanguage("French.ini");
    h.program->unload(WindowId::Options);
    h.program->unload(WindowId::About);
    h.program->mainForm().ApplyLanguageCaptions();
    // The pass loads both windows again.
    ASSERT_TRUE(h.program->isLoaded(WindowId::Options));
    ASSERT_TRUE(h.program->isLoaded(WindowId::About));
    OptionsDialog& o = options();
    EXPECT_EQ(o.fileMenu.caption, "&Fichier");
    EXPECT_EQ(visibleCaptions(o.fileMenu), (Names{"&Ouvrir", "&Quitter"}));
    EXPECT_EQ(o.editMenu.caption, "&Edition");
    EXPECT_EQ(o.toolsMenu.caption, "O&utils");
    EXPECT_EQ(o.optionsMenuCommand().caption, "&Options...");
    EXPECT_EQ(o.helpMenu.caption, "&Aide");
    EXPECT_EQ(visibleCaptions(o.helpMenu), (Names{"&Mode d'emploi", "-", "A &propos"}));
    EXPECT_EQ(o.fullScreenMenu().caption, "Full Screen");
    EXPECT_EQ(o.checkUpdates().caption, "&Check For Updates");
    EXPECT_EQ(h.program->state.okText, "&Valider");
    EXPECT_EQ(h.program->state.cancelText, "&Annuler");
    EXPECT_EQ(o.OKButton.caption, "&Valider");
    EXPECT_EQ(o.CancelButton.caption, "&Annuler");
    EXPECT_EQ(about().cmdOK.caption, "&Valider");
    EXPECT_EQ(o.caption, "Reglages");
    EXPECT_EQ(o.languageFrame.caption, "Langue");
    EXPECT_EQ(o.languageLabel.caption, "Choisir la langue :");
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
    EXPECT_EQ(h.program->state.settings.languageFile, "French.ini");
    EXPECT_EQ(fill("german.INI"), 2);
    // A pack that is absent, or named in another case, falls back to English.
    for (const char* absent : {"Klingon.ini", "french.ini", ""}) {
        EXPECT_EQ(fill(absent), 0) << absent;
        EXPECT_EQ(h.program->state.settings.languageFile, "English.ini");
    }
    EXPECT_EQ(options().availableLanguages.items.size(), 3u); // each pack once

    std::filesystem::remove(h.appFolder.path() / "Lang" / "English.ini");
    EXPECT_EQ(fill("Klingon.ini"), 0);
    EXPECT_EQ(options().availableLanguages.text(), "French");
    EXPECT_EQ(h.program->state.settings.languageFile, "English.ini");
}

TEST_F(Menus, AboutTextsFollowTheLanguageWhenTheWindowIsCreated) {
    EXPECT_EQ(about().caption, "About Lumadisc");
    EXPECT_EQ(about().lblVersion.caption, "Version 1.0.0.0");
    EXPECT_EQ(about().lblTitle.caption, "Lumadisc");
    EXPECT_EQ(about().lblDescription.caption, kDescription);

    h.writePack("French.ini", kFrenchPack);
    useLanguage("French.ini");
    EXPECT_EQ(about().caption, "About Lumadisc"); // the open window keeps its texts
    h.program->unload(WindowId::About);
    EXPECT_EQ(about().caption, "A propos de Lumadisc");
    EXPECT_EQ(about().lblVersion.caption, "Version fr 1.0.0.0");
    EXPECT_EQ(about().lblTitle.caption, "Lumadisc");
    EXPECT_EQ(about().lblDescription.caption, "Description fr");
}

TEST_F(Menus, AboutIsShownModallyAndItsLinksOpen) {
    h.windows.whileModal = [&](WindowId window) {
        ASSERT_EQ(window, WindowId::About);
        EXPECT_TRUE(about().visible);
        about().siteLinkLabel_Click();
        about().mailLinkLabel_Click();
        about().cmdOK_Click();
    };
    h.program->unload(WindowId::About);
    h.windows.choose = [](const MenuItem& menu) { return &menu.children.at(3); };
    h.barMovie.click("ID_FS _about");
    const std::string site = about().siteLinkLabel.caption;
    const std::string mail = about().mailLinkLabel.caption;
    EXPECT_EQ(site.rfind("https://", 0), 0u);
    EXPECT_NE(mail.find('@'), std::string::npos);
    EXPECT_THAT(h.launcher.opened, ElementsAre(site, "mailto:" + mail));
    EXPECT_THAT(h.journal.entries,
                ElementsAre("windows.popup bar helpMenu", "windows.modal about",
                            "launcher.open " + site, "launcher.open mailto:" + mail));
}

TEST_F(Menus, HowToUseOpensThePageOfTheLanguage) {
    const auto page = [&](const std::string& name) { return (h.appFolder.path() / name).string(); };
    test::writeFile(page("English.html"), "<html></html>");
    options().howToUseMenu_Click();
    EXPECT_THAT(h.launcher.opened, ElementsAre(page("English.html")));
    EXPECT_THAT(h.dialogs.shown, IsEmpty());

    useLanguage("French.ini");
    options().howToUseMenu_Click();
    h.launcher.succeeds = false;
    useLanguage("English.ini");
    options().howToUseMenu_Click();
    useLanguage("ini");
    options().howToUseMenu_Click();
    EXPECT_THAT(h.launcher.opened, ElementsAre(page("English.html"), page("English.html")));
    ASSERT_EQ(h.dialogs.shown.size(), 3u);
    for (const auto& shown : h.dialogs.shown) {
        EXPECT_EQ(shown.text, "Can't find the help file.");
        EXPECT_EQ(shown.title, "Error");
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
    }
}

TEST_F(Menus, FullScreenAndExitItems) {
    options().menuItemChosen(options().fullScreenMenu());
    EXPECT_THAT(h.journal.entries, ElementsAre("engine.setEngineVariable key-fullscreen=102",
                                               "engine.setEngineVariable key-pressed=102"));
    h.journal.entries.clear();
    EXPECT_THROW(options().menuItemChosen(options().exitCommand()), ProgramEnded);
    EXPECT_EQ(h.journal.entries.front(), "windows.unhook main");
    EXPECT_EQ(h.journal.entries.back(), "windows.end");
}

} // namespace
} // namespace lumadisc
