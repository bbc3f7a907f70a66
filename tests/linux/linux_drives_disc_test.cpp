// The drives backend on the generated sample discs (build target sample_disc).
#include "fake_drive_tree.h"
#include "linux/volume_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

class LinuxDrivesDiscTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"lumadisc-sample.iso", "iso9660-only.iso", "damaged.iso"})
            ASSERT_TRUE(fs::is_regular_file(sample(name)))
                << sample(name) << " is missing: build the target sample_disc";
    }

    static fs::path sample(const std::string& name) { return sampleDiscDir() / name; }

    FakeDriveTree tree;
};

TEST_F(LinuxDrivesDiscTest, ReadsLabelAndFileSystemOfTheDiscInADrive) {
    const std::string sr0 = tree.addOpticalDrive("sr0", sample("lumadisc-sample.iso"));
    const std::string sr1 = tree.addOpticalDrive("sr1", sample("iso9660-only.iso"));
    const std::string sr2 = tree.addOpticalDrive("sr2", sample("damaged.iso"));
    LinuxDrives drives = tree.drives();

    const auto sample = drives.volumeInformation(sr0);
    ASSERT_TRUE(sample);
    EXPECT_EQ(sample->label, "LUMADISC_SAMPLE");
    EXPECT_EQ(sample->fileSystem, "udf");

    const auto plain = drives.volumeInformation(sr1);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->label, "NOT_UDF");
    EXPECT_EQ(plain->fileSystem, "iso9660");

    EXPECT_FALSE(drives.volumeInformation(sr2));
}

TEST_F(LinuxDrivesDiscTest, DiscsOutsideTheDrivesAreNeverLookedInto) {
    tree.addBlock("sda", "0");
    fs::create_symlink(sample("lumadisc-sample.iso"), tree.dev() / "sda");
    LinuxDrives drives = tree.drives();

    for (const fs::path& path :
         {tree.dev() / "sda", sample("lumadisc-sample.iso"), sample("menu")}) {
        EXPECT_FALSE(drives.volumeInformation(path.string())) << path;
        EXPECT_FALSE(drives.videoFolderExists(path.string())) << path;
    }
    EXPECT_FALSE(drives.videoFolderExists(""));
}

TEST_F(LinuxDrivesDiscTest, FindsTheVideoFolderOnAnUnmountedDisc) {
    const std::string sr0 = tree.addOpticalDrive("sr0", sample("lumadisc-sample.iso"));
    const std::string sr1 = tree.addOpticalDrive("sr1", sample("iso9660-only.iso"));
    const std::string sr2 = tree.addOpticalDrive("sr2", sample("damaged.iso"));
    LinuxDrives drives = tree.drives();

    EXPECT_TRUE(drives.videoFolderExists(sr0));
    // Its VIDEO_TS is on an ISO 9660 file system only.
    EXPECT_FALSE(drives.videoFolderExists(sr1));
    EXPECT_FALSE(drives.videoFolderExists(sr2));
}

TEST_F(LinuxDrivesDiscTest, AMountedDiscIsLookedAtThroughItsMountPoint) {
    const std::string sr0 = tree.addOpticalDrive("sr0", sample("lumadisc-sample.iso"));
    fs::create_directories(tree.root() / "media/LUMADISC_SAMPLE/AUDIO_TS");
    tree.addMount(sr0, tree.str() + "/media/LUMADISC_SAMPLE");
    LinuxDrives drives = tree.drives();

    // The disc has VIDEO_TS, the folder mounted from it (as far as the table says) has not.
    EXPECT_FALSE(drives.videoFolderExists(sr0));
    EXPECT_TRUE(drives.volumeInformation(sr0));
}

TEST_F(LinuxDrivesDiscTest, ADiscImageIsAVirtualDrive) {
    const fs::path image = tree.root() / "My Discs (old)/sample copy.iso";
    const fs::path broken = tree.root() / "My Discs (old)/damaged (1).iso";
    fs::create_directories(image.parent_path());
    fs::copy_file(sample("lumadisc-sample.iso"), image);
    fs::create_symlink(sample("damaged.iso"), broken);
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(image.string()));
    ASSERT_TRUE(drives.addVirtualDrive(broken.string()));

    const auto info = drives.volumeInformation(image.string());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->label, "LUMADISC_SAMPLE");
    EXPECT_EQ(info->fileSystem, "udf");
    EXPECT_TRUE(drives.videoFolderExists(image.string()));
    EXPECT_TRUE(drives.isRootOf(image.string(),
                                "file://" + tree.str() + "/My%20Discs%20(old)/sample%20copy.iso"));

    EXPECT_FALSE(drives.volumeInformation(broken.string()));
    EXPECT_FALSE(drives.videoFolderExists(broken.string()));

    fs::remove(image);
    EXPECT_FALSE(drives.volumeInformation(image.string()));
    EXPECT_FALSE(drives.videoFolderExists(image.string()));
}

// A real block device holding the sample disc, but no optical drive: it never reports a disc
// ready, so it is never read (reading a drive that spins up would block for seconds).
class LoopDeviceTest : public LinuxDrivesDiscTest {
protected:
    void SetUp() override {
        LinuxDrivesDiscTest::SetUp();
        if (HasFatalFailure())
            return;
        const std::string command = "losetup --find --show --read-only '" +
                                    sample("lumadisc-sample.iso").string() + "' 2>/dev/null";
        if (FILE* output = ::popen(command.c_str(), "r")) {
            char line[256] = {};
            if (std::fgets(line, sizeof line, output))
                loop = std::string(line, std::strcspn(line, "\n"));
            ::pclose(output);
        }
        if (loop.empty())
            GTEST_SKIP() << "no loop device can be set up here";
    }
    void TearDown() override {
        if (loop.empty())
            return;
        [[maybe_unused]] const int detached = std::system(("losetup -d " + loop).c_str());
    }

    std::string loop;
};

TEST_F(LoopDeviceTest, ABlockDeviceIsReadOnlyWhenItReportsADiscReady) {
    ASSERT_TRUE(probeVolume(loop)) << "the loop device does not show the sample disc";
    const std::string sr0 = tree.addOpticalDrive("sr0", loop);
    LinuxDrives drives = tree.drives();

    EXPECT_FALSE(drives.volumeInformation(sr0));
    EXPECT_FALSE(drives.videoFolderExists(sr0));
    EXPECT_FALSE(drives.setDoor(sr0, true));
    EXPECT_FALSE(drives.setDoor(sr0, false));
}

} // namespace
} // namespace lumadisc::test
