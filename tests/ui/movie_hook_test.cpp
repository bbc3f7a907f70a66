#include "support/test_paths.h"
#include "ui/movie_hook.h"
#include "ui/skin_test_support.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

// A skin that reports every button and key that reaches it, so that what the hook holds back
// shows as a missing report.
const char* kRecordingSkin = R"(
import QtQuick
Rectangle {
    id: root
    signal command(string command, string args)
    width: 200; height: 100
    focus: true
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onPressed: (mouse) => root.command("press", String(mouse.button))
        onReleased: (mouse) => root.command("release", String(mouse.button))
    }
    Keys.onPressed: (event) => root.command("keydown", String(event.key))
    Keys.onReleased: (event) => root.command("keyup", String(event.key))
}
)";

// Records the mouse buttons and keys that get past every filter installed after it.
struct Arrivals : QObject {
    std::vector<std::string> seen;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            seen.push_back("release " + std::to_string(static_cast<QMouseEvent*>(event)->button()));
        return false;
    }
};

struct MovieHookTest : ::testing::Test {
    MovieHookTest() {
        test::writeFile(dir.path() / "Recording.qml", kRecordingSkin);
        skin.load((dir.path() / "Recording.qml").string());
        skin.window.activateWindow();
        skin.movie.widget()->setFocus();
        skin.root()->forceActiveFocus();
        // Filters run newest first, so this one sees what the hook lets through.
        skin.movie.widget()->installEventFilter(&arrivals);
    }

    void key(QEvent::Type type, int code) {
        QKeyEvent event(type, code, Qt::NoModifier);
        QCoreApplication::sendEvent(skin.movie.widget(), &event);
    }

    // Presses and releases the right and left buttons and the menu and space keys.
    std::vector<test::Command> exercise() {
        skin.commands.clear();
        const QPointF at(50, 50);
        skin.press(at, Qt::RightButton);
        skin.release(at, Qt::RightButton);
        skin.click(at, Qt::LeftButton);
        key(QEvent::KeyPress, Qt::Key_Menu);
        key(QEvent::KeyRelease, Qt::Key_Menu);
        key(QEvent::KeyPress, Qt::Key_Space);
        skin.deliver();
        return skin.commands;
    }

    QApplication& app = test::skinTestApp();
    test::TempDir dir;
    test::SkinHarness skin;
    Arrivals arrivals;
    MovieHook hook;
};

TEST_F(MovieHookTest, TheHookHoldsBackOnlyTheRightPressAndTheMenuKeyPress) {
    const std::string right = std::to_string(Qt::RightButton);
    const std::string left = std::to_string(Qt::LeftButton);
    const std::string menuKey = std::to_string(Qt::Key_Menu);
    const std::string space = std::to_string(Qt::Key_Space);
    const std::vector<test::Command> everything = {
        {"press", right},     {"release", right}, {"press", left},   {"release", left},
        {"keydown", menuKey}, {"keyup", menuKey}, {"keydown", space}};
    EXPECT_EQ(exercise(), everything) << "without the hook the skin sees everything";
    arrivals.seen.clear();

    skin.movie.widget()->installEventFilter(&hook);
    // The skin never sees the right press; the release still reaches it (a skin without a
    // pressed area has nothing to do with it).
    EXPECT_EQ(exercise(),
              (std::vector<test::Command>{
                  {"press", left}, {"release", left}, {"keyup", menuKey}, {"keydown", space}}));
    EXPECT_EQ(arrivals.seen, (std::vector<std::string>{"release " + right, "release " + left}));
    skin.movie.widget()->removeEventFilter(&hook);
    EXPECT_EQ(exercise(), everything);
}

} // namespace
} // namespace lumadisc
