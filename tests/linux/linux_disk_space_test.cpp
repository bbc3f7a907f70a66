#include "linux/linux_disk_space.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace lumadisc::test {
namespace {

TEST(LinuxDiskSpaceTest, ReportsTheFiguresOfTheFolderFileSystem) {
    TempDir folder;
    LinuxDiskSpace space;
    DiskSpace::Figures figures;

    ASSERT_TRUE(space.query(folder.str(), figures));
    EXPECT_GT(figures.availableToUser, 0u);
    EXPECT_LE(figures.availableToUser, figures.totalFree);
    EXPECT_LE(figures.totalFree, figures.total);
}

TEST(LinuxDiskSpaceTest, AFolderThatDoesNotExistLeavesTheFiguresAsTheyWere) {
    TempDir folder;
    LinuxDiskSpace space;
    DiskSpace::Figures figures{1, 2, 3};

    EXPECT_FALSE(space.query((folder.path() / "gone").string(), figures));
    EXPECT_EQ(figures.availableToUser, 1u);
    EXPECT_EQ(figures.total, 2u);
    EXPECT_EQ(figures.totalFree, 3u);
}

} // namespace
} // namespace lumadisc::test
