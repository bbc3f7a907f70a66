// How the user's input reaches the program: keys as the toolkit delivers them run the actions
// the README promises, the movie hook holds back the right button and the menu key, and pop-up
// menus speak the current pack and lead back to their items.
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

// The bar command, or else the remote method, of the action a key runs; "" when none.
std::string actionOf(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                     bool fullScreen = false, bool autoRepeat = false) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
    const Action* action = keyAction(event, fullScreen);
    if (!action)
        return "";
    return std::string(action->command.empty() ? action->remote : action->command);
}

TEST(Keyboard, KeysRunTheirActions) {
    // Without an application, Qt's fallback keyboard device of the key events outlives it.
    test::skinTestApp();
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_Space, "PlayPause"}, {Qt::Key_S, "stop"},       {Qt::Key_Up, "navup"},
        {Qt::Key_Down, "navdown"},    {Qt::Key_Left, "navleft"}, {Qt::Key_Right, "navright"},
        {Qt::Key_Return, "enter"},    {Qt::Key_Enter, "enter"},  {Qt::Key_F, "fullscreen"},
        {Qt::Key_M, "mute"},          {Qt::Key_Plus, "vol+"},    {Qt::Key_Equal, "vol+"},
        {Qt::Key_Minus, "vol-"},      {Qt::Key_A, ""},           {Qt::Key_Escape, ""}};
    for (const auto& [key, action] : keys)
        EXPECT_EQ(actionOf(key), action) << "key " << QKeySequence(key).toString().toStdString();
    EXPECT_EQ(actionOf(Qt::Key_S, Qt::ShiftModifier), "stop");
    EXPECT_EQ(actionOf(Qt::Key_Plus, Qt::KeypadModifier), "vol+");
    EXPECT_EQ(actionOf(Qt::Key_S, Qt::ControlModifier), "") << "Ctrl+S is no shortcut";
    EXPECT_EQ(actionOf(Qt::Key_F, Qt::AltModifier), "") << "Alt+F is no shortcut";
    // Esc leaves full screen (the full-screen toggle, reached by no bar command).
    EXPECT_NE(keyAction(QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier), true), nullptr)
        << "Esc must leave full screen";
    // Held keys repeat only the volume.
    EXPECT_EQ(actionOf(Qt::Key_Plus, Qt::NoModifier, false, true), "vol+");
    EXPECT_EQ(actionOf(Qt::Key_Space, Qt::NoModifier, false, true), "");
}

// Records the buttons and keys that get past every filter installed after it, as a skin would
// see them.
struct Arrivals : QObject {
    std::vector<std::string> seen;
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
            seen.push_back(
                std::string(type == QEvent::MouseButtonPress ? "press " : "release ") +
                (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? "right" : "left"));
        else if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
            seen.push_back(
                std::string(type == QEvent::KeyPress ? "keydown " : "keyup ") +
                (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Menu ? "menu" : "space"));
        else if (type == QEvent::ContextMenu)
            seen.push_back("context menu");
        return false;
    }
};

TEST(MovieHookTest, TheHookHoldsBackOnlyTheRightPressAndTheMenuKeyPress) {
    test::skinTestApp();
    QWidget movie;
    Arrivals arrivals;
    MovieHook hook;
    // Filters run newest first, so the recorder sees what the hook lets through.
    movie.installEventFilter(&arrivals);
    const auto exercise = [&] {
        arrivals.seen.clear();
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton})
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, QPointF(5, 5), QPointF(5, 5), button,
                                  type == QEvent::MouseButtonPress ? button : Qt::NoButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(&movie, &event);
            }
        for (const int key : {Qt::Key_Menu, Qt::Key_Space})
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, Qt::NoModifier);
                QCoreApplication::sendEvent(&movie, &event);
            }
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(5, 5));
        QCoreApplication::sendEvent(&movie, &menu);
        return arrivals.seen;
    };
    const std::vector<std::string> everything = {"press right",   "release right", "press left",
                                                 "release left",  "keydown menu",  "keyup menu",
                                                 "keydown space", "keyup space",   "context menu"};
    EXPECT_EQ(exercise(), everything) << "without the hook the movie sees everything";
    movie.installEventFilter(&hook);
    EXPECT_EQ(exercise(), (std::vector<std::string>{"release right", "press left", "release left",
                                                    "keyup menu", "keydown space", "keyup space"}))
        << "what reaches the movie through the hook";
    movie.removeEventFilter(&hook);
    EXPECT_EQ(exercise(), everything) << "the removed hook still holds events back";
}

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
