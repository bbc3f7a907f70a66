#pragma once

#include "ui/application.h"
#include "ui/qml_skin_movie.h"

#include <QMouseEvent>
#include <QQuickItem>
#include <QQuickWidget>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace lumadisc::test {

// The suite's one application, on the offscreen platform; it lives until the process ends. Its
// script watchdog strikes after a second, so that skins that never return fail quickly.
inline Application& skinTestApp() {
    if (auto* existing = qobject_cast<Application*>(QCoreApplication::instance()))
        return *existing;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    return *new Application(argc, argv, std::chrono::seconds(1));
}

using Command = std::pair<std::string, std::string>;

// A skin movie in a shown window, recording the commands it raises.
struct SkinHarness {
    QWidget window;
    QmlSkinMovie movie{&window};
    std::vector<Command> commands;

    SkinHarness() {
        movie.setCommandHandler([this](const std::string& command, const std::string& args) {
            commands.emplace_back(command, args);
        });
    }

    void load(const std::string& path) {
        movie.loadMovie(path); // the widget takes the movie's size
        window.resize(movie.widget()->size());
        window.show();
    }

    QQuickItem* root() const { return movie.widget()->rootObject(); }
    QQuickItem* item(const char* objectName) const {
        return root()->findChild<QQuickItem*>(QString::fromLatin1(objectName));
    }
    static QPointF centreOf(const QQuickItem* item) {
        return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    }

    // A press or release of `button`, or a move with the left button held.
    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button) {
        QMouseEvent event(type, at, movie.widget()->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(movie.widget(), &event);
    }
    void press(QPointF at) { mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void moveHeld(QPointF at) { mouse(QEvent::MouseMove, at, Qt::LeftButton); }
    void release(QPointF at) { mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton); }
    void click(QPointF at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, at, button);
        mouse(QEvent::MouseButtonRelease, at, button);
    }

    // Runs the queued calls, so that queued commands arrive.
    void deliver() { QCoreApplication::processEvents(); }
};

} // namespace lumadisc::test
