#include "ui/qml_skin_movie.h"

#include "core/failure.h"
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QMetaObject>
#include <QQmlEngine>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>

namespace lumadisc {
namespace {

using test::Command;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A movie with root properties, named text fields (one nested deeper) and a function that raises a
// command, for the test to call.
const char* const recordingMovie = R"(import QtQuick
Rectangle {
    signal command(string command, string args)
    property string filename: "Start"
    property string knobPosition: "0"
    property real level: 1.5
    width: 320
    height: 90.6
    function fire(name, args) { command(name, args) }
    Text { objectName: "status"; text: "idle" }
    Row {
        Item { width: 10; height: 10 }
        Column { Text { objectName: "deep"; text: "down here" } }
    }
}
)";

class QmlSkinMovieTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::skinTestApp(); }

    std::string writeMovie(const std::string& name, const std::string& qml) {
        test::writeFile(folder.path() / name, qml);
        return (folder.path() / name).string();
    }
    std::string loadFailure(const std::string& path) {
        try {
            harness.movie.loadMovie(path);
        } catch (const Failure& failure) {
            return failure.what();
        }
        return "(loaded)";
    }
    std::string text(const char* item) const {
        return harness.item(item)->property("text").toString().toStdString();
    }
    static void fire(QQuickItem* root, const char* command, const char* args) {
        QMetaObject::invokeMethod(root, "fire", Q_ARG(QVariant, QString(command)),
                                  Q_ARG(QVariant, QString(args)));
    }

    test::TempDir folder;
    test::SkinHarness harness;
};

TEST_F(QmlSkinMovieTest, LoadFailuresNameTheFileAndTheError) {
    const std::string missing = (folder.path() / "Absent.qml").string();
    const std::string broken =
        writeMovie("Broken.qml", "import QtQuick\nItem {\n    width: 10\n    height: }\n");
    // Movies that cannot raise commands or cannot be shown.
    const std::string silent = writeMovie("Silent.qml", "import QtQuick\nItem { width: 5 }\n");
    const std::string notAnItem = writeMovie(
        "Object.qml", "import QtQml\nQtObject { signal command(string command, string args) }\n");
    for (const auto& [path, error] :
         std::vector<std::pair<std::string, std::string>>{{missing, "does not exist"},
                                                          {broken, "Broken.qml:4"},
                                                          {silent, "signal command"},
                                                          {notAnItem, ""}})
        EXPECT_THAT(loadFailure(path), AllOf(HasSubstr(path), HasSubstr(error)));
}

// A script that never returns is stopped whatever runs it: at load the load fails naming the
// movie; later the movie is reported broken once and the thread goes on, while a healthy movie
// beside it keeps running its own scripts.
TEST_F(QmlSkinMovieTest, AScriptThatNeverReturnsIsStoppedWhateverRunsIt) {
    const std::string header = "import QtQuick\nItem { width: 9; height: 9\n"
                               "signal command(string command, string args)\n";
    harness.load(writeMovie("Healthy.qml", header +
                                               "property int ticks: 0\n"
                                               "Timer { interval: 10; running: true; "
                                               "repeat: true; onTriggered: parent.ticks++ } }"));
    const struct {
        const char* trigger;
        const char* qml;
        void (*start)(test::SkinHarness&);
    } cases[] = {
        {"loading", "Component.onCompleted: { for (;;) {} } }", nullptr},
        {"a change handler", "property string spin\nonSpinChanged: { for (;;) {} } }",
         [](test::SkinHarness& h) { h.movie.setVariable("_root.spin", "go"); }},
        {"a timer", "Timer { interval: 10; running: true; onTriggered: { for (;;) {} } } }",
         nullptr},
        {"an animation",
         "NumberAnimation on x { to: 100; duration: 500 }\nonXChanged: { while (x > 0) {} } }",
         nullptr},
        {"a click", "MouseArea { anchors.fill: parent; onClicked: { for (;;) {} } } }",
         [](test::SkinHarness& h) { h.click(test::SkinHarness::centreOf(h.root())); }}};
    for (const auto& c : cases) {
        test::SkinHarness broken;
        std::vector<std::string> reports;
        QObject::connect(&broken.movie, &QmlSkinMovie::broken,
                         [&](const QString& message) { reports.push_back(message.toStdString()); });
        // Stops the script itself after a while, so that a script the watchdog misses fails the
        // test instead of hanging it.
        const std::jthread backstop([engine = broken.movie.widget()->engine()](auto stop) {
            std::mutex mutex;
            std::unique_lock lock(mutex);
            std::condition_variable_any().wait_for(lock, stop, std::chrono::seconds(20),
                                                   [] { return false; });
            if (!stop.stop_requested())
                engine->setInterrupted(true);
        });
        try {
            broken.load(writeMovie("Endless.qml", header + c.qml));
            if (c.start)
                c.start(broken);
        } catch (const Failure& failure) {
            reports.push_back(failure.what());
        }
        const int ticks = harness.root()->property("ticks").toInt();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline &&
               (reports.empty() || harness.root()->property("ticks").toInt() < ticks + 3))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_THAT(reports, ElementsAre(HasSubstr("Endless.qml is broken")))
            << "reports of a movie whose script, run by " << c.trigger << ", never returns";
        EXPECT_GE(harness.root()->property("ticks").toInt(), ticks + 3)
            << "the healthy movie's timer stopped after " << c.trigger;
    }
}

TEST_F(QmlSkinMovieTest, VariablesAreRootPropertiesAndTextsOfNamedItems) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    auto& movie = harness.movie;
    // The size in whole pixels; the movie covers the area it is given but keeps its own size.
    movie.setSize(200, 50);
    EXPECT_EQ(movie.widget()->size(), QSize(200, 50));
    EXPECT_EQ(movie.getVariable("_width") + "x" + movie.getVariable("_height"), "320x91");

    // Written under one spelling, read under the other, and seen by the skin. QML properties
    // start in lower case; the program's variables need not.
    const struct {
        const char* written;
        const char* read;
        const char* item; // the root when null
        const char* property;
        const char* value;
    } paths[] = {
        {"_root.filename", "_level0.filename", nullptr, "filename", "MY DISC (/dev/sr0)"},
        {"_level0.status.text", "_root.status.text", "status", "text", "The dvd is stopped"},
        {"_level0.deep.text", "_root.deep.text", "deep", "text", "found"},
        {"_root.KnobPosition", "_level0.KnobPosition", nullptr, "knobPosition", "42.5"},
        {"_root.level", "_root.level", nullptr, "level", "2.25"}};
    for (const auto& p : paths) {
        movie.setVariable(p.written, p.value);
        EXPECT_EQ(movie.getVariable(p.read), p.value) << p.read << " after writing " << p.written;
        const QQuickItem* owner = p.item ? harness.item(p.item) : harness.root();
        EXPECT_EQ(owner->property(p.property).toString().toStdString(), p.value)
            << "the skin's " << p.property << " after writing " << p.written;
    }
    // Unknown paths are ignored and read as empty.
    for (const char* path :
         {"_root.bogus", "_level0.nothing.text", "_level0.status.bogus", "_level0.deep.text.more",
          "filename", "_global.filename", "_root.", ""}) {
        movie.setVariable(path, "x");
        EXPECT_EQ(movie.getVariable(path), "") << path;
    }
    EXPECT_EQ(text("status"), "The dvd is stopped");
    EXPECT_EQ(movie.getVariable("_root.filename"), "MY DISC (/dev/sr0)");

    // A loaded movie replaces the previous one for every path.
    harness.load(writeMovie("second.qml", R"(import QtQuick
Item {
    signal command(string command, string args)
    width: 50; height: 40
    Item { Text { objectName: "status"; text: "" } }
}
)"));
    movie.setVariable("_level0.status.text", "second");
    EXPECT_EQ(text("status"), "second");
    EXPECT_EQ(movie.getVariable("_width"), "50");
    EXPECT_EQ(movie.getVariable("_root.filename"), "");
}

TEST_F(QmlSkinMovieTest, CommandsArriveQueuedDragsAtOnceAndNoneFromADestroyedMovie) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    fire(harness.root(), "play", "");
    fire(harness.root(), "IDC_FS_KnobReleased", "12.5");
    EXPECT_THAT(harness.commands, IsEmpty()) << "delivered inside the skin's signal";
    harness.deliver();
    EXPECT_THAT(harness.commands,
                ElementsAre(Command{"play", ""}, Command{"IDC_FS_KnobReleased", "12.5"}));
    harness.commands.clear();
    fire(harness.root(), "ID_FS_drag", "");
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
        << "a drag must start while the button is down";

    auto window = std::make_unique<QWidget>();
    auto movie = std::make_unique<QmlSkinMovie>(window.get());
    int raised = 0;
    movie->setCommandHandler([&raised](const std::string&, const std::string&) { ++raised; });
    movie->loadMovie(writeMovie("movie.qml", recordingMovie));
    fire(movie->widget()->rootObject(), "stop", "");
    movie.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, 0);
}

} // namespace
} // namespace lumadisc
