#include "ui/movie_hook.h"
#include "ui/skin_test_support.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

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

} // namespace
} // namespace lumadisc
