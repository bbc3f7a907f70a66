#include "ui/qml_skin_movie.h"

#include "core/failure.h"
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QMetaObject>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

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

// A script that never returns is stopped, at load (a failure naming the movie) or later (the
// call returns, and the stopped movie cannot freeze the player again).
TEST_F(QmlSkinMovieTest, AScriptThatNeverReturnsIsStopped) {
    const char* const header = "import QtQuick\nItem { width: 9; height: 9\n"
                               "signal command(string command, string args)\n";
    QWidget window;
    QmlSkinMovie atLoad(&window, std::chrono::milliseconds(300));
    try {
        atLoad.loadMovie(writeMovie(
            "Endless.qml", std::string(header) + "Component.onCompleted: { while (true) {} } }"));
        ADD_FAILURE() << "an endless script at load is no failure";
    } catch (const Failure& failure) {
        EXPECT_THAT(failure.what(), AllOf(HasSubstr("Endless.qml"), HasSubstr("broken")));
    }
    QmlSkinMovie later(&window, std::chrono::milliseconds(300));
    later.loadMovie(writeMovie("Spin.qml", std::string(header) +
                                               "property string spin\n"
                                               "onSpinChanged: { while (true) {} } }"));
    later.setVariable("_root.spin", "go");
    later.setVariable("_root.spin", "again");
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
