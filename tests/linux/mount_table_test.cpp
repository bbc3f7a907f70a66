#include "linux/mount_table.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

class MountTableTest : public ::testing::Test {
protected:
    std::string table() const { return (dir.path() / "mounts").string(); }
    TempDir dir;
};

TEST_F(MountTableTest, UnescapesTheFieldsTheKernelEscapes) {
    writeFile(table(), "sysfs /sys sysfs rw 0 0\n"
                       "/dev/sr0 /media/u/My\\040Film\\040(2004) udf ro 0 0\n"
                       "/dev/sr0 /mnt/tab\\011and\\134backslash iso9660 ro 0 0\n"
                       "/dev/sr0 /mnt/odd\\04 udf ro 0 0\n");

    EXPECT_EQ(mountPointsOf(table(), "/dev/sr0"),
              (std::vector<std::string>{"/media/u/My Film (2004)", "/mnt/tab\tand\\backslash",
                                        "/mnt/odd\\04"}));
}

TEST_F(MountTableTest, ListsOnlyTheMountsOfTheDevice) {
    writeFile(table(), "/dev/sr1 /media/other udf ro 0 0\n"
                       "/dev/sr10 /media/ten udf ro 0 0\n"
                       "tmpfs /run tmpfs rw 0 0\n"
                       "broken-line\n"
                       "/dev/sr0 /media/disc udf ro 0 0\n");

    EXPECT_EQ(mountPointsOf(table(), "/dev/sr0"), std::vector<std::string>{"/media/disc"});
    EXPECT_TRUE(mountPointsOf(table(), "/dev/sr2").empty());
    EXPECT_TRUE(mountPointsOf((dir.path() / "missing").string(), "/dev/sr0").empty());
}

TEST_F(MountTableTest, ASourceNamingTheDeviceThroughALinkCounts) {
    const fs::path node = dir.path() / "sr0";
    writeFile(node, "");
    fs::create_symlink(node, dir.path() / "cdrom");
    writeFile(table(), dir.str() + "/cdrom /media/disc udf ro 0 0\n");

    EXPECT_EQ(mountPointsOf(table(), node.string()), std::vector<std::string>{"/media/disc"});
}

} // namespace
} // namespace lumadisc::test
