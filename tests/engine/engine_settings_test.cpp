// What the program tells the engine (the option list of a disc start and the hot keys), and the
// snapshot folder the engine's pictures go to.
#include "engine/engine_options.h"
#include "engine/key_bindings.h"
#include "engine/snapshot_folder.h"
#include "support/test_paths.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

namespace lumadisc {
namespace {

using Strings = std::vector<std::string>;

// The list the program builds for a disc start: overlay pair, two snapshot paths (index 2 and
// index 4), the screen saver and the fixed snapshot naming.
EngineOptions programList(const std::string& overlay, const std::string& screensaver,
                          const std::string& second) {
    return EngineOptions::parse({"overlay", overlay, "snapshot-path=/home/ann/Desktop", screensaver,
                                 second, "no-osd", "no-snapshot-preview", "snapshot-sequential",
                                 "snapshot-prefix=IMG_", "snapshot-format=jpg"});
}

TEST(EngineOptionsTest, OverlayAndScreensaverChooseArgumentsSnapshotsTheLastPathAndNaming) {
    // Options, and the instance arguments and media options they give.
    const std::tuple<Strings, Strings, Strings> cases[] = {
        {{"overlay", "no-overlay", "no-disable-screensaver"},
         {"--gl=none", "--gles2=none", "--no-disable-screensaver"},
         {":avcodec-hw=none"}},
        {{"overlay", "overlay", "disable-screensaver"}, {"--disable-screensaver"}, {}},
        // The later of two contradicting options wins; nothing asked, nothing passed.
        {{"no-overlay", "overlay", "no-disable-screensaver", "disable-screensaver"},
         {"--disable-screensaver"},
         {}},
        {{}, {}, {}},
    };
    for (const auto& [list, instanceArguments, mediaOptions] : cases) {
        const auto options = EngineOptions::parse(list);
        EXPECT_EQ(options.instanceArguments(), instanceArguments)
            << "instance arguments for " << ::testing::PrintToString(list);
        EXPECT_EQ(options.mediaOptions(), mediaOptions)
            << "media options for " << ::testing::PrintToString(list);
    }

    // Snapshots go to the last snapshot path, with the given naming.
    const std::pair<std::string, std::string> folders[] = {
        {"snapshot-path=/tmp/scratch", "/tmp/scratch"},
        {"", "/home/ann/Desktop"}, // no scratch folder: the first path holds
        {"snapshot-path=", ""},    // a failed folder look-up: no folder at all
        {"snapshot-path=/media/My Pictures (2)", "/media/My Pictures (2)"}};
    for (const auto& [second, folder] : folders)
        EXPECT_EQ(programList("overlay", "disable-screensaver", second).snapshotFolder, folder)
            << "second snapshot path '" << second << "'";

    const auto options = EngineOptions::parse({"snapshot-prefix=shot-", "snapshot-format=png"});
    EXPECT_EQ(options.snapshotPrefix + "." + options.snapshotFormat, "shot-.png");
    // A file needs an extension: an empty format keeps the default.
    const auto defaults = EngineOptions::parse({"snapshot-format="});
    EXPECT_EQ(defaults.snapshotPrefix + "." + defaults.snapshotFormat, "IMG_.jpg");
}

TEST(KeyBindingsTest, EachHotKeyVariableBindsItsActionAndRebindingReleasesTheOldCode) {
    using Action = KeyBindings::Action;
    KeyBindings keys;
    const std::tuple<const char*, int, Action> bindings[] = {
        {"key-fullscreen", 102, Action::FullScreen},  {"key-snapshot", 83, Action::Snapshot},
        {"key-nav-up", 117, Action::NavUp},           {"key-nav-down", 100, Action::NavDown},
        {"key-nav-left", 108, Action::NavLeft},       {"key-nav-right", 114, Action::NavRight},
        {"key-nav-activate", 97, Action::NavActivate}};
    for (const auto& [variable, code, action] : bindings)
        keys.bind(variable, code);
    for (const auto& [variable, code, action] : bindings)
        EXPECT_EQ(keys.actionFor(code), action) << variable << " bound the wrong action";

    keys.bind("key-quit", 1); // names no action
    EXPECT_FALSE(keys.actionFor(1).has_value());
    keys.bind("key-snapshot", 115);
    EXPECT_FALSE(keys.actionFor(83).has_value()) << "the old snapshot key still works";
    EXPECT_EQ(keys.actionFor(115), Action::Snapshot);
}

using test::TempDir;
using test::writeFile;

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

TEST(SnapshotFolderTest, NumbersFollowTheHighestSnapshotPresent) {
    TempDir folder;
    const SnapshotFolder snapshots(folder.path(), "IMG_", "jpg");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00001.jpg");

    for (const char* name :
         {"IMG_00003.jpg", "IMG_00007.jpg", "IMG_abc.jpg", "IMG_00020.png", "XIMG_00030.jpg",
          "IMG_.jpg", "IMG_-40.jpg", "IMG_00050.jpg.part", "IMG_00009x.jpg"})
        writeFile(folder.path() / name, "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00008.jpg");

    // Past five digits the number simply grows.
    writeFile(folder.path() / "IMG_123456.jpg", "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_123457.jpg");
}

// The engine suite checks JPEG snapshots end to end; here the other format and the failures.
TEST(SnapshotFolderTest, StoresThePictureInTheFormatOrLeavesNoFileBehind) {
    TempDir scratch;
    TempDir folder;
    const auto png = scratch.path() / "snapshot.png";
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(QColor(200, 30, 30));
    ASSERT_TRUE(red.save(qtPath(png), "PNG"));

    // No picture from the engine (nothing written, or not a picture).
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "jpg").store(scratch.path() / "none.png"));
    writeFile(scratch.path() / "broken.png", "not a picture");
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "jpg").store(scratch.path() / "broken.png"));
    // A format nobody can write.
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "nosuchformat").store(png));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    // A snapshot folder that does not exist is not made.
    EXPECT_FALSE(SnapshotFolder(folder.path() / "missing", "IMG_", "jpg").store(png));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));

    ASSERT_TRUE(SnapshotFolder(folder.path(), "shot-", "png").store(png));
    QImageReader reader(qtPath(folder.path() / "shot-00001.png"));
    EXPECT_EQ(reader.format(), "png");
    EXPECT_EQ(reader.read().pixel(10, 10), red.pixel(10, 10));
}

} // namespace
} // namespace lumadisc
