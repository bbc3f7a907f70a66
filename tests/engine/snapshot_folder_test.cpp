#include "engine/snapshot_folder.h"

#include "support/test_paths.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

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
