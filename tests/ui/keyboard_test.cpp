// The keys as the toolkit delivers them reach the actions the README promises.
#include "core/skin/actions.h"
#include "ui/keyboard.h"

#include <QKeyEvent>

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

} // namespace
} // namespace lumadisc
