// How the user's input reaches the program: keys as the toolkit delivers them run the actions
// the README promises, the movie hook holds back the right button and the menu key, and pop-up
// menus show the items of the core's menus and lead back to them.
#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "core/skin/actions.h"
#include "support/program_harness.h"
#include "ui/keyboard.h"
#include "ui/menu_builder.h"
#include "ui/movie_hook.h"
#include "ui/skin_test_support.h"

#include <QKeyEvent>
#include <QMenu>

#include <gtest/gtest.h>

#include <string>

namespace lumadisc {
namespace {

TEST(Keyboard, KeysRunTheirActionsByTheToolkitsNames) {
    // Without an application, Qt's fallback keyboard device of the key events outlives it.
    test::skinTestApp();
    // The action's bar command, else its keys; "" for none.
    const auto check =
        [](int key, std::string_view expected, Qt::KeyboardModifiers modifiers = {},
           bool fullScreen = false, bool held = false) {
            const Action* action =
                keyAction(QKeyEvent(QEvent::KeyPress, key, modifiers, QString(), held), fullScreen);
            const std::string_view name =
                action ? (action->command.empty() ? action->keys : action->command) : "";
            EXPECT_EQ(name, expected)
                << "the key "
                << QKeySequence(QKeyCombination(modifiers, Qt::Key(key))).toString().toStdString()
                << (held ? " held" : "") << (fullScreen ? " in full screen" : "");
        };
    // The keys no core test names (those name the table's keys, this the toolkit's).
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_F, "fullscreen"}, {Qt::Key_M, "mute"},       {Qt::Key_Up, "navup"},
        {Qt::Key_Down, "navdown"}, {Qt::Key_Left, "navleft"}, {Qt::Key_Right, "navright"},
        {Qt::Key_Return, "enter"}, {Qt::Key_Enter, "enter"},  {Qt::Key_A, ""},
        {Qt::Key_Escape, ""}};
    for (const auto& [key, action] : keys)
        check(key, action);
    check(Qt::Key_S, "stop", Qt::ShiftModifier);
    check(Qt::Key_Plus, "vol+", Qt::KeypadModifier);
    check(Qt::Key_S, "", Qt::ControlModifier);
    check(Qt::Key_F, "", Qt::AltModifier);
    check(Qt::Key_Escape, "Esc", {}, true);
    check(Qt::Key_Plus, "vol+", {}, false, true);
    check(Qt::Key_Space, "", {}, false, true);
}

TEST(MovieHookTest, TheHookHoldsBackOnlyTheRightPressAndTheMenuKeyPress) {
    test::skinTestApp();
    QObject movie;
    MovieHook hook;
    QObject& filter = hook;
    // The right press held back is e2e.test_control_bar's; a left press or another key held back
    // fails every script that clicks the bar or types.
    QKeyEvent menuKey(QEvent::KeyPress, Qt::Key_Menu, {});
    EXPECT_TRUE(filter.eventFilter(&movie, &menuKey)) << "the menu key's press reached the movie";
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(), QPoint());
    EXPECT_TRUE(filter.eventFilter(&movie, &request))
        << "the toolkit's context-menu request reached the movie";
}

// The actions' texts, "-" for a separator, joined by "|".
std::string texts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts.join(QLatin1Char('|')).toStdString();
}

TEST(PopupMenus, ShowTheVisibleItemsInThePackInUseAndLeadBackToThem) {
    test::skinTestApp();
    test::ProgramHarness harness;
    harness.writePack("French.ini",
                      test::readFile(test::sourceDir() / "resources" / "Lang" / "French.ini"));
    harness.start();
    harness.program->state.settings.languageFile = "French.ini";
    harness.program->mainForm().ApplyLanguageCaptions();
    OptionsDialog& options = harness.program->optionsDialog();
    QMenu help, none, drives, edit;
    buildPopupMenu(help, options.helpMenu);
    EXPECT_EQ(texts(help), "&Comment l'utiliser ?|-|\u00C0 &propos");
    options.fileMenu_Click();
    buildPopupMenu(none, options.openMenu());
    EXPECT_EQ(texts(none), "<Aucun lecteur de DVD n'a \u00E9t\u00E9 trouv\u00E9>");

    harness.drives.add("D:", Drives::kOptical, Drives::VolumeInfo{"FILM", "UDF"}, true);
    harness.drives.add("E:", Drives::kOptical, std::nullopt, false);
    options.fileMenu_Click();
    const auto chosen = buildPopupMenu(drives, options.openMenu());
    ASSERT_EQ(drives.actions().size(), 2);
    EXPECT_EQ(chosen.at(drives.actions()[1]), &options.dvdsList()[1])
        << "the second drive's action leads to another item";
    buildPopupMenu(edit, options.editMenu);
    EXPECT_EQ(edit.actions().at(0)->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")))
        << "Full Screen lost its shortcut";
}

} // namespace
} // namespace lumadisc
