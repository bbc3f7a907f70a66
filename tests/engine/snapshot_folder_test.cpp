#include "engine/snapshot_folder.h"

#include "support/test_paths.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// A small picture with a colour that survives JPEG compression roughly.
std::filesystem::path writePng(const std::filesystem::path& path) {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    EXPECT_TRUE(picture.save(qtPath(path), "PNG"));
    return path;
}

TEST(SnapshotFolderTest, NumbersFollowTheHighestSnapshotPresent) {
    TempDir folder;
    const SnapshotFolder snapshots(folder.path(), "IMG_", "jpg");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00001.jpg");

    for (const char* name : {"IMG_00003.jpg", "IMG_00007.jpg", "IMG_abc.jpg", "IMG_00020.png",
                             "XIMG_00030.jpg", "IMG_.jpg", "IMG_-40.jpg", "IMG_00050.jpg.part"})
        writeFile(folder.path() / name, "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_00008.jpg");

    // Past five digits the number simply grows.
    writeFile(folder.path() / "IMG_123456.jpg", "x");
    EXPECT_EQ(snapshots.nextFile(), folder.path() / "IMG_123457.jpg");
}

TEST(SnapshotFolderTest, StoresTheScratchPictureAsJpegUnderTheNextName) {
    TempDir scratch;
    TempDir folder;
    const auto png = writePng(scratch.path() / "snapshot.png");
    const SnapshotFolder snapshots(folder.path(), "IMG_", "jpg");

    ASSERT_TRUE(snapshots.store(png));
    ASSERT_TRUE(snapshots.store(png));

    for (const char* name : {"IMG_00001.jpg", "IMG_00002.jpg"}) {
        const auto file = folder.path() / name;
        EXPECT_EQ(readFile(file).substr(0, 2), "\xFF\xD8") << name;
        QImageReader reader(qtPath(file));
        EXPECT_EQ(reader.format(), "jpeg") << name;
        const QImage picture = reader.read();
        EXPECT_EQ(picture.size(), QSize(64, 48)) << name;
        EXPECT_GT(qRed(picture.pixel(10, 10)), 150) << name;
    }
}

TEST(SnapshotFolderTest, TheFormatOptionChoosesTheFileType) {
    TempDir scratch;
    TempDir folder;
    const auto png = writePng(scratch.path() / "snapshot.png");

    ASSERT_TRUE(SnapshotFolder(folder.path(), "shot-", "png").store(png));

    QImageReader reader(qtPath(folder.path() / "shot-00001.png"));
    EXPECT_EQ(reader.format(), "png");
}

TEST(SnapshotFolderTest, FailuresLeaveNoFileBehind) {
    TempDir scratch;
    TempDir folder;
    const auto png = writePng(scratch.path() / "snapshot.png");

    // No picture from the engine (nothing written, or not a picture).
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "jpg").store(scratch.path() / "none.png"));
    writeFile(scratch.path() / "broken.png", "not a picture");
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "jpg").store(scratch.path() / "broken.png"));
    // A format nobody can write.
    EXPECT_FALSE(SnapshotFolder(folder.path(), "IMG_", "nosuchformat").store(png));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    // A snapshot folder that does not exist is not made.
    const auto missing = folder.path() / "missing";
    EXPECT_FALSE(SnapshotFolder(missing, "IMG_", "jpg").store(png));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace lumadisc
