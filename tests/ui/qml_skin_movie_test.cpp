#include "ui/qml_skin_movie.h"

#include "core/failure.h"
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QQmlEngine>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <stop_token>
#include <thread>
#include <tuple>

namespace lumadisc {
namespace {

using test::Command;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::ThrowsMessage;

// A movie with root properties, a text field nested deeper than a sibling, a command raised
// when the program writes `send`, and a timer that counts while its scripts run.
const char* const recordingMovie = R"(import QtQuick
Rectangle {
    signal command(string command, string args)
    property string filename: "Start"
    property string knobPosition: "0"
    width: 320
    height: 90.6
    property string send
    onSendChanged: command(send, "12.5")
    property int ticks: 0
    Timer { interval: 10; running: true; repeat: true; onTriggered: parent.ticks++ }
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

    test::TempDir folder;
    test::SkinHarness harness;
};

TEST_F(QmlSkinMovieTest, LoadFailuresNameTheFileAndTheError) {
    // No file, a syntax error, a movie that cannot raise commands and one that cannot be shown.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Absent.qml", nullptr, "does not exist"},
        {"Broken.qml", "import QtQuick\nItem {\n    width: 10\n    height: }\n", "Broken.qml:4"},
        {"Silent.qml", "import QtQuick\nItem { width: 5 }\n", "signal command"},
        {"Object.qml", "import QtQml\nQtObject { signal command(string command, string args) }",
         ""}};
    for (const auto& [name, qml, error] : cases) {
        const std::string path = qml ? writeMovie(name, qml) : (folder.path() / name).string();
        EXPECT_THAT([&] { harness.movie.loadMovie(path); },
                    ThrowsMessage<Failure>(AllOf(HasSubstr(path), HasSubstr(error))));
    }
}

// A script that never returns is stopped, the movie is reported broken once and the thread goes
// on, while a healthy movie beside it keeps running its own scripts. A change handler runs
// inside the program's write; an animation's ticks belong to no one movie.
TEST_F(QmlSkinMovieTest, AScriptThatNeverReturnsIsStoppedAndTheHealthyMovieGoesOn) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    const auto ticks = [&] { return harness.root()->property("ticks").toInt(); };
    const std::pair<const char*, std::string> cases[] = {
        {"a change handler", "property string spin\nonSpinChanged: { for (;;) {} } }"},
        {"an animation",
         "NumberAnimation on x { to: 100; duration: 500 }\nonXChanged: { while (x > 0) {} } }"}};
    for (const auto& [trigger, qml] : cases) {
        test::SkinHarness broken;
        std::vector<std::string> reports;
        QObject::connect(&broken.movie, &QmlSkinMovie::broken,
                         [&](const QString& message) { reports.push_back(message.toStdString()); });
        // Stops the script itself after a while, so that a script the watchdog misses fails the
        // test instead of hanging it.
        const std::jthread backstop(
            [engine = broken.movie.widget()->engine()](std::stop_token stop) {
                for (int i = 0; i < 200 && !stop.stop_requested(); ++i)
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                if (!stop.stop_requested())
                    engine->setInterrupted(true);
            });
        broken.load(writeMovie(
            "Endless.qml", "import QtQuick\nItem { signal command(string c, string a)\n" + qml));
        broken.movie.setVariable("_root.spin", "go"); // the animated movie has no such variable
        const int before = ticks();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline &&
               (reports.empty() || ticks() < before + 3))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        EXPECT_THAT(reports, ElementsAre(HasSubstr("Endless.qml is broken")))
            << "reports of a movie whose script, run by " << trigger << ", never returns";
        EXPECT_GE(ticks(), before + 3) << "the healthy movie's timer stopped after " << trigger;
    }
}

TEST_F(QmlSkinMovieTest, VariablesAreRootPropertiesAndTextsOfNamedItemsAndCommandsArriveQueued) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    auto& movie = harness.movie;
    // The movie covers the area it is given but keeps its own size, in whole pixels.
    movie.setSize(200, 50);
    EXPECT_EQ(movie.widget()->size(), QSize(200, 50)) << "the movie does not cover its area";
    EXPECT_EQ(movie.getVariable("_width") + "x" + movie.getVariable("_height"), "320x91");

    // Written under one spelling, read under the other, and seen by the skin. QML properties
    // start in lower case; the program's variables need not.
    const std::tuple<const char*, const char*, QQuickItem*, const char*> paths[] = {
        {"_root.filename", "_level0.filename", harness.root(), "filename"},
        {"_level0.deep.text", "_root.deep.text", harness.item("deep"), "text"},
        {"_root.KnobPosition", "_level0.KnobPosition", harness.root(), "knobPosition"}};
    for (const auto& [written, read, owner, property] : paths) {
        movie.setVariable(written, "42.5 (/dev/sr0)");
        EXPECT_EQ(movie.getVariable(read), "42.5 (/dev/sr0)")
            << read << " after writing " << written;
        EXPECT_EQ(owner->property(property).toString(), QStringLiteral("42.5 (/dev/sr0)"))
            << "the skin's " << property << " after writing " << written;
    }
    // Unknown paths are ignored and read as empty.
    for (const char* path : {"_level0.nothing.text", "_level0.deep.bogus", "_level0.deep.text.more",
                             "filename", "_root."}) {
        movie.setVariable(path, "x");
        EXPECT_EQ(movie.getVariable(path), "") << path;
    }

    // Commands arrive queued, and none from a destroyed movie.
    harness.movie.setVariable("_root.send", "IDC_FS_KnobReleased");
    EXPECT_THAT(harness.commands, IsEmpty()) << "delivered inside the skin's signal";
    harness.deliver();
    EXPECT_THAT(harness.commands, ElementsAre(Command{"IDC_FS_KnobReleased", "12.5"}));

    int raised = 0;
    auto gone = std::make_unique<test::SkinHarness>();
    gone->movie.setCommandHandler([&raised](const std::string&, const std::string&) { ++raised; });
    gone->load(writeMovie("movie.qml", recordingMovie));
    gone->movie.setVariable("_root.send", "stop");
    gone.reset();
    harness.deliver();
    EXPECT_EQ(raised, 0) << "a destroyed movie's queued command arrived";
}

} // namespace
} // namespace lumadisc
