// What the program tells the engine (the option list of a disc start and the hot keys), the
// snapshot folder the engine's pictures go to, and the engine on the real libvlc and the sample
// disc. Starting a disc is slow, so each test of the engine plays one disc through a whole
// scenario.
#include "engine/engine_options.h"
#include "engine/key_bindings.h"
#include "engine/snapshot_folder.h"
#include "engine/vlc_engine.h"

#include "core/failure.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <thread>
#include <tuple>

namespace lumadisc::test {
namespace {

using namespace std::chrono_literals;

using Strings = std::vector<std::string>;

TEST(EngineOptionsTest, OverlayAndScreensaverChooseArgumentsAndSnapshotsTheLastPath) {
    // Options, and the instance arguments and media options they give.
    const std::tuple<Strings, Strings, Strings> cases[] = {
        {{"overlay", "no-overlay", "no-disable-screensaver"},
         {"--gl=none", "--gles2=none", "--no-disable-screensaver"},
         {":avcodec-hw=none"}},
        // The later of two contradicting options wins; nothing asked, nothing passed.
        {{"no-overlay", "overlay", "no-disable-screensaver", "disable-screensaver"},
         {"--disable-screensaver"},
         {}},
        {{}, {}, {}},
    };
    for (const auto& [list, instanceArguments, mediaOptions] : cases) {
        const auto options = EngineOptions::parse(list);
        EXPECT_EQ(std::pair(options.instanceArguments(), options.mediaOptions()),
                  std::pair(instanceArguments, mediaOptions))
            << "instance arguments and media options for " << ::testing::PrintToString(list);
    }

    // Snapshots go to the last of the program's two snapshot paths.
    const std::pair<std::string, std::string> folders[] = {
        {"snapshot-path=/tmp/scratch", "/tmp/scratch"},
        {"", "/home/ann/Desktop"}, // no scratch folder: the first path holds
        {"snapshot-path=", ""}};   // a failed folder look-up: no folder at all
    for (const auto& [second, folder] : folders)
        EXPECT_EQ(EngineOptions::parse({"snapshot-path=/home/ann/Desktop", second}).snapshotFolder,
                  folder)
            << "second snapshot path '" << second << "'";
}

TEST(KeyBindingsTest, EachHotKeyVariableBindsItsActionAndRebindingReleasesTheOldCode) {
    using Action = KeyBindings::Action;
    KeyBindings keys;
    // The engine suite presses the full-screen, down and activate keys, e2e.test_snapshots the
    // snapshot key. Each code and the action it runs once all are bound: the snapshot key's
    // first code none.
    const std::tuple<const char*, int, std::optional<Action>> bindings[] = {
        {"key-nav-up", 117, Action::NavUp},
        {"key-nav-left", 108, Action::NavLeft},
        {"key-nav-right", 114, Action::NavRight},
        {"key-snapshot", 83, std::nullopt},
        {"key-snapshot", 115, Action::Snapshot}};
    for (const auto& [variable, code, action] : bindings)
        keys.bind(variable, code);
    for (const auto& [variable, code, action] : bindings)
        EXPECT_EQ(keys.actionFor(code), action)
            << variable << " " << code << " runs the wrong action";
}

TEST(SnapshotFolderTest, NumbersFollowTheHighestSnapshotPresentAndFailedStoresLeaveNoFile) {
    TempDir scratch, folder, empty;
    const SnapshotFolder snapshots(folder.path(), "IMG_", "jpg");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00001.jpg");

    for (const char* name : {"IMG_00003.jpg", "IMG_00007.jpg", "IMG_abc.jpg", "IMG_00020.png",
                             "XIMG_00030.jpg", "IMG_00050.jpg.part", "IMG_00009x.jpg"})
        test::writeFile(folder.path() / name, "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00008.jpg");

    // Past five digits the number simply grows.
    test::writeFile(folder.path() / "IMG_123456.jpg", "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_123457.jpg");

    // e2e.test_snapshots stores JPEG snapshots of the whole program; here what leaves no file.
    const auto png = scratch.path() / "snapshot.png";
    ASSERT_TRUE(QImage(64, 48, QImage::Format_RGB32).save(QString::fromStdString(png), "PNG"));
    test::writeFile(scratch.path() / "broken.png", "not a picture");
    // No picture from the engine (nothing written, or not a picture), a format nobody writes.
    for (const auto& [name, format] :
         {std::pair{"none.png", "jpg"}, {"broken.png", "jpg"}, {"snapshot.png", "nosuchformat"}})
        EXPECT_FALSE(SnapshotFolder(empty.path(), "IMG_", format).store(scratch.path() / name))
            << name << " as " << format;
    EXPECT_TRUE(std::filesystem::is_empty(empty.path())) << "a failed snapshot left a file";
    // A snapshot folder that does not exist is not made.
    EXPECT_FALSE(SnapshotFolder(empty.path() / "missing", "IMG_", "jpg").store(png));
    EXPECT_FALSE(std::filesystem::exists(empty.path() / "missing"));
}

constexpr int fullScreenKey = 102, snapshotKey = 83, navDownKey = 100, navActivateKey = 97;

// Waits until `condition` holds; with `events` it pumps the event loop so that the engine's
// queued calls run, without it waits as a busy user-interface thread would.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout = 10s, bool events = true) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition() && std::chrono::steady_clock::now() <= deadline) {
        if (events)
            QCoreApplication::processEvents();
        std::this_thread::sleep_for(20ms);
    }
    return condition();
}

class VlcEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int argc = 0;
        static QCoreApplication app(argc, nullptr);
        engine = std::make_unique<VlcEngine>(
            0, std::vector<std::string>{"--aout=alsa", "--alsa-audio-device=null"});
        for (const auto& [variable, code] :
             {std::pair{"key-nav-down", navDownKey}, std::pair{"key-nav-activate", navActivateKey},
              std::pair{"key-snapshot", snapshotKey}, std::pair{"key-fullscreen", fullScreenKey}})
            engine->setEngineVariable(variable, code);
    }

    // The list the program hands over with a disc: index 2 names a snapshot folder, index 4
    // the one the engine must actually use.
    void load(const std::string& target, const std::string& overlay) {
        engine->clearItems();
        engine->addItem(target,
                        {"overlay", overlay, "snapshot-path=" + firstFolder.str(),
                         "no-disable-screensaver", "snapshot-path=" + lastFolder.str(), "no-osd",
                         "no-snapshot-preview", "snapshot-sequential", "snapshot-prefix=IMG_",
                         "snapshot-format=jpg"},
                        2, 0);
    }

    void press(int code) { engine->setEngineVariable("key-pressed", code); }
    long elapsed() const { return engine->elapsedSeconds(); }
    bool isIdle() const { return engine->position() < 0 && !engine->isPlaying(); }
    bool waitForPlaying() {
        return waitUntil([&] { return engine->isPlaying() && engine->position() >= 0; });
    }

    TempDir firstFolder, lastFolder;
    std::unique_ptr<VlcEngine> engine;
};

// The menu disc's first title has three chapters (0, 10 and 16 s), English and French audio and
// subtitles; its title menu is the 1 s chapter menu, its root menu the 2 s title menu. It is
// entered through the menu's second button, which leads to chapter 2: menus called from a title
// started by setTitle play their picture and then end the disc (docs/engine.md).
TEST_F(VlcEngineTest, TheMenuDiscsButtonsTitlesChaptersStreamsMenusAndJumps) {
    const auto now = [&] {
        const auto text = [](long number) { return std::to_string(number); };
        return "title " + text(engine->title()) + " (" + text(engine->lengthSeconds()) +
               " s), chapter " + text(engine->chapter()) + "/" + text(engine->chapterCount()) +
               ", audio " + text(engine->audioStream()) + ", subtitles " +
               text(engine->subtitleStream());
    };
    using Menu = PlayerEngine::DiscMenu;
    struct Step {
        std::function<void()> action;
        std::string state;
        long fromSecond = -1; // where the title's time must be, within 2 s
        std::chrono::milliseconds within = 10s;
    };
    const Step steps[] = {
        {[&] { press(navDownKey), press(navActivateKey); },
         "title 1 (20 s), chapter 2/3, audio 0, subtitles -1", 10},
        {[&] { engine->setAudioStream(1), engine->setSubtitleStream(1); },
         "title 1 (20 s), chapter 2/3, audio 1, subtitles 1"},
        {[&] { engine->setChapter(3), engine->setSubtitleStream(-1); },
         "title 1 (20 s), chapter 3/3, audio 1, subtitles -1", 16},
        {[&] { engine->setChapter(2); }, "title 1 (20 s), chapter 2/3, audio 1, subtitles -1", 10},
        {[&] { engine->setChapter(4); }, "title 1 (20 s), chapter 2/3, audio 1, subtitles -1", 10},
        {[&] { engine->showDiscMenu(Menu::Root); },
         "title 0 (2 s), chapter 0/0, audio -1, subtitles -1"},
        {[&] { engine->showDiscMenu(Menu::Title); },
         "title 0 (1 s), chapter 0/0, audio -1, subtitles -1"},
        {[&] { engine->setTitle(2); }, "title 2 (8 s), chapter 1/1, audio 0, subtitles -1"},
        // Onto a chapter's very start, the clock must be right at once, not seconds later.
        {[&] { engine->setTitle(1), engine->setElapsedSeconds(10); },
         "title 1 (20 s), chapter 2/3, audio 0, subtitles -1", 10, 3s},
        // As resuming does: time and streams at once, before the title's streams are there.
        {[&] {
             engine->setTitle(1), engine->setElapsedSeconds(12);
             engine->setAudioStream(1), engine->setSubtitleStream(1);
         },
         "title 1 (20 s), chapter 2/3, audio 1, subtitles 1", 12},
        {[&] { engine->stop(); }, "title -1 (-1 s), chapter 0/0, audio -1, subtitles -1"},
    };
    const auto reach = [&](const Step& step) {
        step.action();
        const auto near = [&] { return std::abs(elapsed() - step.fromSecond - 1) <= 1; };
        EXPECT_TRUE(waitUntil(
            [&] { return now() == step.state && (step.fromSecond < 0 || near()); }, step.within))
            << "expected " << step.state << " at " << step.fromSecond << " s, found " << now()
            << " at " << elapsed() << " s";
    };
    load("dvd://" + (sampleDiscDir() / "lumadisc-sample.iso").string(), "no-overlay");
    press(snapshotKey); // nothing to picture yet: no file, no failure
    EXPECT_TRUE(std::filesystem::is_empty(lastFolder.path()));
    engine->play();
    // Buttons answer once the menu's still is on screen (its position then nears 1); a press
    // in the first moments after play() can go unheard.
    ASSERT_TRUE(waitUntil([&] { return engine->isPlaying() && engine->position() >= 0.9; }));
    reach(steps[0]);
    EXPECT_TRUE(engine->isPlaying() && engine->position() >= 0.45 && engine->position() <= 1)
        << "position " << engine->position() << " half-way through the title";

    // Back 10 s from chapter 2, then forward 10 s, within the title.
    const long ahead = elapsed();
    engine->jump(-1);
    EXPECT_TRUE(waitUntil([&] { return elapsed() <= ahead - 8 && elapsed() >= 0; }))
        << "from " << ahead << " to " << elapsed();
    const long before = elapsed();
    engine->jump(1);
    EXPECT_TRUE(waitUntil([&] { return elapsed() >= before + 9; }) && elapsed() <= before + 13 &&
                engine->isPlaying())
        << "from " << before << " to " << elapsed();

    for (const Step& step : std::span(steps).subspan(1))
        reach(step);
    EXPECT_TRUE(isIdle());
    engine->play();
    EXPECT_TRUE(waitForPlaying()) << "play after stop does not start the item again";
    engine->clearItems();
    EXPECT_EQ(engine->itemCount(), 0) << "a cleared engine still holds its item";
}

TEST_F(VlcEngineTest,
       IdleEnginesIgnoreCommandsOddPathsPlayEndedDiscsGoIdleAndPlayAgainBadDiscsFail) {
    EXPECT_THROW(VlcEngine(0, {"--no-such-engine-option"}), Failure);
    EXPECT_TRUE(isIdle() && elapsed() < 0 && engine->lengthSeconds() < 0) << "a new engine plays";
    press(fullScreenKey); // no handler yet: nothing happens
    engine->play(), engine->pause(), engine->jump(1), engine->setPosition(0.5f), engine->stop();
    press(snapshotKey);
    EXPECT_FALSE(waitUntil([&] { return !isIdle(); }, 300ms)) << "a command woke the idle engine";
    int calls = 0;
    engine->setFullScreenHandler([&] { ++calls; });
    for (const int key : {fullScreenKey, snapshotKey, 12345})
        press(key);
    EXPECT_EQ(calls, 1) << "the full-screen handler ran for other keys or not at all";

    TempDir dir;
    const auto image = dir.path() / "Film #1, a%20b, what? 100% & more" / "disc.iso";
    std::filesystem::create_directories(image.parent_path());
    std::filesystem::create_symlink(sampleDiscDir() / "ending.iso", image);
    // Another overlay setting needs other instance arguments: a new instance and player.
    load("dvd://" + (sampleDiscDir() / "lumadisc-sample.iso").string(), "overlay");
    load("dvd://" + image.string(), "no-overlay");
    engine->play();
    ASSERT_TRUE(waitUntil([&] { return engine->isPlaying() && engine->lengthSeconds() >= 5; }))
        << image << " does not play";
    // Idle at once, before the queued stop has had a chance to run...
    engine->setPosition(0.85f);
    ASSERT_TRUE(waitUntil([&] { return isIdle(); }, 15s, false))
        << "position " << engine->position();
    EXPECT_TRUE(elapsed() < 0 && engine->lengthSeconds() < 0) << "an ended disc shows a time";
    // ...and play() starts the item again, which the stale end events must leave alone.
    engine->play();
    ASSERT_TRUE(waitForPlaying());
    EXPECT_FALSE(waitUntil([&] { return !engine->isPlaying(); }, 1s));
    EXPECT_LT(elapsed(), 5);

    const auto empty = dir.path() / "empty" / "VIDEO_TS";
    for (const char* name : {"VIDEO_TS.IFO", "VTS_01_0.IFO", "VTS_01_1.VOB"})
        test::writeFile(empty / name, "");
    load("dvd://" + empty.parent_path().string(), "no-overlay");
    engine->play();
    EXPECT_TRUE(waitUntil([&] { return engine->itemFailed(); })) << "no failure reported";
    EXPECT_TRUE(isIdle());
    load("dvd://" + (sampleDiscDir() / "ending.iso").string(), "no-overlay");
    EXPECT_FALSE(engine->itemFailed()) << "a new item inherits the old one's failure";
}

} // namespace
} // namespace lumadisc::test
