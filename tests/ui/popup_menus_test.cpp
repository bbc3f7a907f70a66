#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "support/program_harness.h"
#include "ui/menu_builder.h"
#include "ui/skin_test_support.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

QStringList visibleTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

struct PopupMenusTest : ::testing::Test {
    PopupMenusTest() {
        test::skinTestApp();
        const auto packs = test::sourceDir() / "resources" / "Lang";
        for (const char* pack : {"English.ini", "French.ini"})
            harness.writePack(pack, test::readFile(packs / pack));
        harness.start();
    }
    test::ProgramHarness harness;
};

TEST_F(PopupMenusTest, TheMenusSpeakThePackOfTheLastCaptionPass) {
    OptionsDialog& options = harness.program->optionsDialog();
    const auto texts = [](const MenuItem& items) {
        QMenu menu;
        buildPopupMenu(menu, items);
        return visibleTexts(menu).join(QLatin1Char('|')).toStdString();
    };
    EXPECT_EQ(texts(options.helpMenu), "&How To Use?|-|&About");
    // Captions change at the next caption pass, not before.
    harness.program->state.settings.languageFile = "French.ini";
    EXPECT_EQ(texts(options.helpMenu), "&How To Use?|-|&About");
    harness.program->mainForm().ApplyLanguageCaptions();
    EXPECT_EQ(texts(options.helpMenu), "&Comment l'utiliser ?|-|\u00C0 &propos");
    EXPECT_EQ(texts(options.fileMenu), "&Ouvrir|&Quitter");
    // The drive submenu's only item says that no drive was found, in French.
    options.fileMenu_Click();
    EXPECT_EQ(texts(options.openMenu()), "<Aucun lecteur de DVD n'a \u00E9t\u00E9 trouv\u00E9>");
}

TEST_F(PopupMenusTest, ChosenActionsLeadBackToTheirItems) {
    OptionsDialog& options = harness.program->optionsDialog();
    harness.drives.add("D:", Drives::kOptical, Drives::VolumeInfo{"FILM", "UDF"}, true);
    harness.drives.add("E:", Drives::kOptical, std::nullopt, false);
    options.fileMenu_Click();
    QMenu menu;
    const auto actions = buildPopupMenu(menu, options.openMenu());
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("<Please insert a DVD> (E:)"));
    EXPECT_EQ(actions.at(menu.actions()[1]), &options.dvdsList()[1]);

    QMenu edit;
    const auto editActions = buildPopupMenu(edit, options.editMenu);
    ASSERT_EQ(edit.actions().size(), 1);
    EXPECT_EQ(edit.actions()[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(editActions.at(edit.actions()[0])->name, "fullScreenMenu");
}

} // namespace
} // namespace lumadisc
