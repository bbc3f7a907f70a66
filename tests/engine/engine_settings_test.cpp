// What the program tells the engine (the option list of a disc start and the hot keys), and the
// snapshot folder the engine's pictures go to.
#include "engine/engine_options.h"
#include "engine/key_bindings.h"
#include "engine/snapshot_folder.h"
#include "support/test_paths.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <tuple>

namespace lumadisc {
namespace {

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
    // The engine suite presses the full-screen, snapshot, down and activate keys.
    const std::tuple<const char*, int, Action> bindings[] = {
        {"key-nav-up", 117, Action::NavUp},
        {"key-nav-left", 108, Action::NavLeft},
        {"key-nav-right", 114, Action::NavRight},
        {"key-snapshot", 83, Action::Snapshot}};
    for (const auto& [variable, code, action] : bindings)
        keys.bind(variable, code);
    for (const auto& [variable, code, action] : bindings)
        EXPECT_EQ(keys.actionFor(code), action) << variable << " bound the wrong action";

    keys.bind("key-snapshot", 115);
    EXPECT_FALSE(keys.actionFor(83).has_value()) << "the old snapshot key still works";
    EXPECT_EQ(keys.actionFor(115), Action::Snapshot);
}

using test::TempDir;
using test::writeFile;

TEST(SnapshotFolderTest, NumbersFollowTheHighestSnapshotPresent) {
    TempDir folder;
    const SnapshotFolder snapshots(folder.path(), "IMG_", "jpg");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00001.jpg");

    for (const char* name : {"IMG_00003.jpg", "IMG_00007.jpg", "IMG_abc.jpg", "IMG_00020.png",
                             "XIMG_00030.jpg", "IMG_00050.jpg.part", "IMG_00009x.jpg"})
        writeFile(folder.path() / name, "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00008.jpg");

    // Past five digits the number simply grows.
    writeFile(folder.path() / "IMG_123456.jpg", "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_123457.jpg");
}

// The engine suite stores JPEG snapshots end to end; here what leaves no file.
TEST(SnapshotFolderTest, NoPictureFormatOrFolderLeavesNoFileBehind) {
    TempDir scratch, folder;
    const auto png = scratch.path() / "snapshot.png";
    ASSERT_TRUE(QImage(64, 48, QImage::Format_RGB32).save(QString::fromStdString(png), "PNG"));
    writeFile(scratch.path() / "broken.png", "not a picture");
    // No picture from the engine (nothing written, or not a picture), a format nobody writes.
    for (const auto& [name, format] :
         {std::pair{"none.png", "jpg"}, {"broken.png", "jpg"}, {"snapshot.png", "nosuchformat"}})
        EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", format).store(scratch.path() / name))
            << name << " as " << format;
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "a failed snapshot left a file";
    // A snapshot folder that does not exist is not made.
    EXPECT_FALSE(SnapshotFolder(folder.path() / "missing", "IMG_", "jpg").store(png));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

} // namespace
} // namespace lumadisc
