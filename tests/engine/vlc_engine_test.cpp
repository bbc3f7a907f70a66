#include "engine/vlc_engine.h"

#include "core/failure.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

namespace lumadisc {
namespace {

using namespace std::chrono_literals;
using test::readFile;
using test::sampleDiscDir;
using test::TempDir;

// Key codes the program binds.
constexpr int fullScreenKey = 102;
constexpr int snapshotKey = 83;
constexpr int navDownKey = 100;
constexpr int navActivateKey = 97;

// Pumps the event loop, so that the engine's queued calls run, until `condition` holds.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// Waits without running queued calls, as a busy user-interface thread would.
template <typename Condition> bool pollWithoutEvents(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// The list the program hands over with a disc: index 2 names the snapshot folder, index 4 the
// folder the engine must actually use.
std::vector<std::string> programOptions(const std::string& overlay, const std::string& firstPath,
                                        const std::string& lastPath) {
    return {"overlay",
            overlay,
            "snapshot-path=" + firstPath,
            "no-disable-screensaver",
            "snapshot-path=" + lastPath,
            "no-osd",
            "no-snapshot-preview",
            "snapshot-sequential",
            "snapshot-prefix=IMG_",
            "snapshot-format=jpg"};
}

std::string menuDisc() {
    return "dvd://" + (sampleDiscDir() / "lumadisc-sample.iso").string();
}
std::string endingDisc() {
    return "dvd://" + (sampleDiscDir() / "ending").string();
}

class VlcEngineTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "engine_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(sampleDiscDir() / "lumadisc-sample.iso"))
            << "build the sample_disc target first";
        engine = std::make_unique<VlcEngine>(
            0, std::vector<std::string>{"--aout=alsa", "--alsa-audio-device=null"});
        for (const auto& [variable, code] :
             {std::pair{"key-nav-down", navDownKey}, std::pair{"key-nav-activate", navActivateKey},
              std::pair{"key-snapshot", snapshotKey}, std::pair{"key-fullscreen", fullScreenKey}})
            engine->setEngineVariable(variable, code);
    }

    void load(const std::string& target, const std::string& overlay = "no-overlay") {
        engine->clearItems();
        engine->addItem(target, programOptions(overlay, firstFolder.str(), lastFolder.str()), 2, 0);
    }

    void press(int code) { engine->setEngineVariable("key-pressed", code); }

    bool waitForPlaying() {
        return waitUntil([&] { return engine->isPlaying() && engine->position() >= 0; });
    }

    // From the menu's first button (chapter 1) or, one button down, its second (chapter 2) into
    // the 20 s title.
    bool enterTitle(bool secondButton) {
        // Buttons answer once the menu's still is on screen (its position then nears 1); a
        // press in the first moments after play() can go unheard.
        if (!waitUntil([&] { return engine->isPlaying() && engine->position() >= 0.9; }))
            return false;
        if (secondButton)
            press(navDownKey);
        press(navActivateKey);
        return waitUntil([&] {
            const long length = engine->lengthSeconds();
            return length >= 19 && length <= 21 &&
                   engine->elapsedSeconds() >= (secondButton ? 10 : 0);
        });
    }

    bool waitForIdle() {
        return waitUntil([&] { return engine->position() < 0 && !engine->isPlaying(); }, 15s);
    }

    TempDir firstFolder;
    TempDir lastFolder;
    std::unique_ptr<VlcEngine> engine;
};

TEST_F(VlcEngineTest, ReadsIdleBeforeAnythingIsLoaded) {
    EXPECT_FALSE(engine->isPlaying());
    EXPECT_LT(engine->position(), 0);
    EXPECT_LT(engine->elapsedSeconds(), 0);
    EXPECT_LT(engine->lengthSeconds(), 0);
    EXPECT_EQ(engine->itemCount(), 0);
    EXPECT_EQ(engine->volume(), 50);

    // Commands without an item change nothing.
    engine->play();
    engine->pause();
    engine->jump(1);
    engine->setPosition(0.5f);
    engine->stop();
    press(snapshotKey);
    EXPECT_FALSE(waitUntil([&] { return engine->isPlaying(); }, 300ms));
    EXPECT_LT(engine->position(), 0);
}

TEST_F(VlcEngineTest, AnEngineThatCannotStartFails) {
    EXPECT_THROW(VlcEngine(0, {"--no-such-engine-option"}), Failure);
}

TEST_F(VlcEngineTest, PlaysTheMenuDiscAndItsSecondButtonLeadsToChapterTwo) {
    load(menuDisc());
    EXPECT_EQ(engine->itemCount(), 1);

    engine->play();
    ASSERT_TRUE(waitForPlaying());
    EXPECT_LE(engine->position(), 1);

    ASSERT_TRUE(enterTitle(true)) << "elapsed " << engine->elapsedSeconds() << " of "
                                  << engine->lengthSeconds();
    EXPECT_TRUE(engine->isPlaying());
    EXPECT_GE(engine->position(), 0.45);
    EXPECT_LE(engine->position(), 1);

    engine->clearItems();
    EXPECT_EQ(engine->itemCount(), 0);
}

TEST_F(VlcEngineTest, PausesResumesJumpsAndStops) {
    load(menuDisc());
    engine->play();
    ASSERT_TRUE(enterTitle(false))
        << "elapsed " << engine->elapsedSeconds() << " of " << engine->lengthSeconds();

    engine->pause();
    ASSERT_TRUE(waitUntil([&] { return !engine->isPlaying(); }));
    EXPECT_GE(engine->position(), 0);
    const long pausedAt = engine->elapsedSeconds();
    EXPECT_FALSE(waitUntil([&] { return engine->elapsedSeconds() > pausedAt; }, 1500ms));

    engine->play();
    ASSERT_TRUE(waitUntil([&] { return engine->isPlaying(); }));

    const long before = engine->elapsedSeconds();
    engine->jump(1);
    EXPECT_TRUE(waitUntil([&] { return engine->elapsedSeconds() >= before + 9; }))
        << "from " << before << " to " << engine->elapsedSeconds();
    EXPECT_LE(engine->elapsedSeconds(), before + 13);

    const long ahead = engine->elapsedSeconds();
    engine->jump(-1);
    EXPECT_TRUE(waitUntil([&] { return engine->elapsedSeconds() <= ahead - 8; }))
        << "from " << ahead << " to " << engine->elapsedSeconds();
    EXPECT_GE(engine->elapsedSeconds(), 0);
    EXPECT_TRUE(engine->isPlaying());

    engine->stop();
    EXPECT_LT(engine->position(), 0);
    EXPECT_FALSE(engine->isPlaying());
    // Stopped, not emptied: play starts the item again.
    EXPECT_EQ(engine->itemCount(), 1);
    engine->play();
    EXPECT_TRUE(waitForPlaying());
}

TEST_F(VlcEngineTest, VolumeAndMuteSurviveANewEngineInstance) {
    EXPECT_EQ(engine->volume(), 50);
    engine->setVolume(80);
    EXPECT_EQ(engine->volume(), 80);
    engine->setVolume(250);
    EXPECT_EQ(engine->volume(), 100);
    engine->setVolume(-5);
    EXPECT_EQ(engine->volume(), 0);
    engine->setVolume(35);

    // Muting is not a level: the volume reads the same while muted.
    engine->switchMute();
    EXPECT_EQ(engine->volume(), 35);

    load(menuDisc(), "no-overlay");
    // Another overlay setting needs other instance arguments: a new instance and player.
    load(endingDisc(), "overlay");
    EXPECT_EQ(engine->volume(), 35);
    engine->play();
    ASSERT_TRUE(waitForPlaying());
    EXPECT_EQ(engine->volume(), 35);
    engine->switchMute();
    EXPECT_EQ(engine->volume(), 35);
    EXPECT_TRUE(engine->isPlaying());
}

TEST_F(VlcEngineTest, AnEndedDiscGoesIdleByItselfAndPlaysAgain) {
    load(endingDisc());
    engine->play();
    ASSERT_TRUE(waitUntil([&] { return engine->isPlaying() && engine->lengthSeconds() >= 5; }));

    // Idle at once, before the queued stop has had a chance to run...
    engine->setPosition(0.85f);
    ASSERT_TRUE(pollWithoutEvents([&] { return engine->position() < 0 && !engine->isPlaying(); }))
        << "position " << engine->position();
    EXPECT_LT(engine->elapsedSeconds(), 0);
    EXPECT_LT(engine->lengthSeconds(), 0);
    // ...and play() starts the item again, which the stale end events must leave alone.
    engine->play();
    ASSERT_TRUE(waitForPlaying());
    EXPECT_FALSE(waitUntil([&] { return !engine->isPlaying(); }, 1s));
    EXPECT_LT(engine->elapsedSeconds(), 5);

    // The program's path: its status tick runs between events and finds the disc idle.
    engine->setPosition(0.85f);
    ASSERT_TRUE(waitForIdle()) << "position " << engine->position();
    EXPECT_EQ(engine->itemCount(), 1);
    engine->play();
    EXPECT_TRUE(waitForPlaying());
}

TEST_F(VlcEngineTest, SnapshotsAreNumberedJpegFilesInTheLastSnapshotFolder) {
    load(menuDisc());
    // Nothing to picture yet: no file, no failure.
    press(snapshotKey);
    EXPECT_TRUE(std::filesystem::is_empty(lastFolder.path()));

    engine->play();
    ASSERT_TRUE(enterTitle(false));
    // The title's video output comes up a moment after the menu's has gone.
    ASSERT_TRUE(waitUntil([&] { return engine->elapsedSeconds() >= 1; }));
    press(snapshotKey);
    press(snapshotKey);

    EXPECT_TRUE(std::filesystem::is_empty(firstFolder.path()));
    for (const char* name : {"IMG_00001.jpg", "IMG_00002.jpg"}) {
        const auto file = lastFolder.path() / name;
        ASSERT_TRUE(std::filesystem::exists(file)) << name;
        EXPECT_EQ(readFile(file).substr(0, 2), "\xFF\xD8") << name;
        QImageReader reader(QString::fromStdString(file.string()));
        EXPECT_EQ(reader.format(), "jpeg") << name;
        EXPECT_EQ(reader.read().size(), QSize(720, 576)) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(lastFolder.path()), {}), 2);
}

TEST_F(VlcEngineTest, TheFullScreenKeyCallsTheHandler) {
    press(fullScreenKey); // no handler yet: nothing happens
    int calls = 0;
    engine->setFullScreenHandler([&] { ++calls; });

    press(fullScreenKey);
    EXPECT_EQ(calls, 1);
    press(snapshotKey);
    press(12345);
    EXPECT_EQ(calls, 1);

    engine->setEngineVariable("key-fullscreen", 70);
    press(fullScreenKey);
    press(70);
    EXPECT_EQ(calls, 2);
}

} // namespace
} // namespace lumadisc
