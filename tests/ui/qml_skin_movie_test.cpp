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
using test::SkinHarness;
using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A movie with root properties, named text fields (one nested deeper), counters of changes
// and a function that raises a command, for the test to call.
const char* const recordingMovie = R"(import QtQuick
Rectangle {
    signal command(string command, string args)
    property string filename: "Start"
    property string knobPosition: "0"
    property real level: 1.5
    property int filenameChanges: 0
    property int statusChanges: 0
    width: 320
    height: 90.6
    onFilenameChanged: filenameChanges++
    function fire(name, args) { command(name, args) }
    Text { objectName: "status"; text: "idle"; onTextChanged: parent.statusChanges++ }
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
        const auto path = folder.path() / name;
        test::writeFile(path, qml);
        return path.string();
    }

    std::string loadFailure(const std::string& path) {
        try {
            harness.movie.loadMovie(path);
        } catch (const Failure& failure) {
            return failure.what();
        }
        return "(loaded)";
    }

    void fire(const char* command, const char* args) {
        QMetaObject::invokeMethod(harness.root(), "fire", Q_ARG(QVariant, QString(command)),
                                  Q_ARG(QVariant, QString(args)));
    }

    test::TempDir folder;
    SkinHarness harness;
};

TEST_F(QmlSkinMovieTest, ReportsTheRootItemsSizeInWholePixelsAndCoversTheGivenArea) {
    harness.load(writeMovie("movie.qml", recordingMovie));

    EXPECT_EQ(harness.movie.getVariable("_width"), "320");
    EXPECT_EQ(harness.movie.getVariable("_height"), "91");

    harness.movie.setSize(200, 50);
    EXPECT_EQ(harness.movie.widget()->size(), QSize(200, 50));
    EXPECT_EQ(harness.movie.getVariable("_width"), "320") << "the movie keeps its own size";
}

TEST_F(QmlSkinMovieTest, LoadFailuresNameTheFileAndTheError) {
    const std::string missing = (folder.path() / "Absent.qml").string();
    EXPECT_THAT(loadFailure(missing), AllOf(HasSubstr(missing), HasSubstr("does not exist")));

    const std::string broken =
        writeMovie("Broken.qml", "import QtQuick\nItem {\n    width: 10\n    height: }\n");
    EXPECT_THAT(loadFailure(broken), AllOf(HasSubstr(broken), HasSubstr("Broken.qml:4")));

    const std::string typo = writeMovie("Typo.qml", "import QtQuick\nRectangel {}\n");
    EXPECT_THAT(loadFailure(typo), AllOf(HasSubstr(typo), HasSubstr("Rectangel is not a type")));
}

TEST_F(QmlSkinMovieTest, RejectsMoviesThatCannotBeShownOrCannotRaiseCommands) {
    const std::string silent = writeMovie("Silent.qml", "import QtQuick\nItem { width: 5 }\n");
    EXPECT_THAT(loadFailure(silent), AllOf(HasSubstr(silent), HasSubstr("signal command")));

    const std::string notAnItem = writeMovie(
        "Object.qml", "import QtQml\nQtObject { signal command(string command, string args) }\n");
    EXPECT_THAT(loadFailure(notAnItem), HasSubstr(notAnItem));
}

TEST_F(QmlSkinMovieTest, VariablePathsNameRootPropertiesAndTextsOfNamedItems) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    auto& movie = harness.movie;

    EXPECT_EQ(movie.getVariable("_root.filename"), "Start");
    movie.setVariable("_root.filename", "MY DISC (/dev/sr0)");
    EXPECT_EQ(movie.getVariable("_level0.filename"), "MY DISC (/dev/sr0)");
    EXPECT_EQ(harness.root()->property("filename").toString(), "MY DISC (/dev/sr0)");

    movie.setVariable("_level0.status.text", "The dvd is stopped");
    EXPECT_EQ(movie.getVariable("_root.status.text"), "The dvd is stopped");
    EXPECT_EQ(harness.item("status")->property("text").toString(), "The dvd is stopped");

    movie.setVariable("_level0.deep.text", "found");
    EXPECT_EQ(harness.item("deep")->property("text").toString(), "found");

    // QML properties start in lower case; the program's variable does not.
    movie.setVariable("_root.KnobPosition", "42.5");
    EXPECT_EQ(harness.root()->property("knobPosition").toString(), "42.5");

    movie.setVariable("_root.level", "2.25");
    EXPECT_EQ(movie.getVariable("_root.level"), "2.25");
}

TEST_F(QmlSkinMovieTest, UnknownPathsAreIgnoredAndReadAsEmpty) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    auto& movie = harness.movie;

    for (const char* path :
         {"_root.bogus", "_level0.nothing.text", "_level0.status.bogus", "_level0.deep.text.more",
          "filename", "_global.filename", "_root.", ""}) {
        movie.setVariable(path, "x");
        EXPECT_EQ(movie.getVariable(path), "") << path;
    }
    EXPECT_FALSE(harness.root()->property("bogus").isValid()) << "no property was created";
    EXPECT_FALSE(harness.item("status")->property("bogus").isValid());
    EXPECT_EQ(movie.getVariable("_root.filename"), "Start");
    EXPECT_EQ(movie.getVariable("_level0.status.text"), "idle");
}

TEST_F(QmlSkinMovieTest, WritingTheSameValueAgainChangesNothing) {
    harness.load(writeMovie("movie.qml", recordingMovie));
    for (int tick = 0; tick < 5; ++tick) {
        harness.movie.setVariable("_root.filename", "Lumadisc");
        harness.movie.setVariable("_level0.status.text", "00:00:01/00:10:00");
    }
    EXPECT_EQ(harness.root()->property("filenameChanges").toInt(), 1);
    EXPECT_EQ(harness.root()->property("statusChanges").toInt(), 1);
}

TEST_F(QmlSkinMovieTest, ALoadedMovieReplacesThePreviousOneForEveryPath) {
    harness.load(writeMovie("first.qml", recordingMovie));
    harness.movie.setVariable("_level0.status.text", "first");

    harness.load(writeMovie("second.qml", R"(import QtQuick
Item {
    signal command(string command, string args)
    width: 50; height: 40
    Item { Text { objectName: "status"; text: "" } }
}
)"));
    harness.movie.setVariable("_level0.status.text", "second");
    EXPECT_EQ(harness.item("status")->property("text").toString(), "second");
    EXPECT_EQ(harness.movie.getVariable("_width"), "50");
    EXPECT_EQ(harness.movie.getVariable("_root.filename"), "");
}

TEST_F(QmlSkinMovieTest, CommandsArriveAfterTheSkinsEventHandlingAndDragsAtOnce) {
    harness.load(writeMovie("movie.qml", recordingMovie));

    fire("play", "");
    fire("IDC_FS_KnobReleased", "12.5");
    EXPECT_THAT(harness.commands, IsEmpty()) << "delivered inside the skin's signal";
    harness.deliver();
    EXPECT_THAT(harness.commands,
                ElementsAre(Command{"play", ""}, Command{"IDC_FS_KnobReleased", "12.5"}));

    harness.commands.clear();
    fire("ID_FS_drag", "");
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
        << "a drag must start while the button is down";
}

TEST_F(QmlSkinMovieTest, QueuedCommandsOfADestroyedMovieAreDropped) {
    auto window = std::make_unique<QWidget>();
    auto movie = std::make_unique<QmlSkinMovie>(window.get());
    int raised = 0;
    movie->setCommandHandler([&raised](const std::string&, const std::string&) { ++raised; });
    movie->loadMovie(writeMovie("movie.qml", recordingMovie));

    QMetaObject::invokeMethod(movie->widget()->rootObject(), "fire",
                              Q_ARG(QVariant, QStringLiteral("stop")), Q_ARG(QVariant, QString()));
    movie.reset();
    QCoreApplication::processEvents();
    EXPECT_EQ(raised, 0);
}

} // namespace
} // namespace lumadisc
