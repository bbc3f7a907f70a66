#include "fake_drive_tree.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

using ::testing::Test;

class LinuxDrivesTest : public Test {
protected:
    FakeDriveTree tree;
};

TEST_F(LinuxDrivesTest, ListsOpticalDrivesInNaturalNameOrder) {
    tree.addBlock("sr10", "5");
    tree.addBlock("sda", "0");
    tree.addBlock("sda1");
    tree.addBlock("sr2", "5");
    tree.addBlock("sr0", "5");
    tree.addBlock("loop0");
    tree.addBlock("sr1", "5");
    tree.addBlock("sdb", "14");

    EXPECT_EQ(tree.drives().logicalDrives(),
              (std::vector<std::string>{tree.node("sr0"), tree.node("sr1"), tree.node("sr2"),
                                        tree.node("sr10")}));
}

TEST_F(LinuxDrivesTest, NoBlockDevicesMeansNoDrives) {
    EXPECT_TRUE(tree.drives().logicalDrives().empty());
    EXPECT_TRUE(LinuxDrives((tree.root() / "missing").string(), tree.dev().string(),
                            tree.mountTable().string())
                    .logicalDrives()
                    .empty());
}

TEST_F(LinuxDrivesTest, DriveTypeIsOpticalOnlyForOpticalNodes) {
    tree.addBlock("sr0", "5");
    tree.addBlock("sda", "0");
    tree.addBlock("sda1");
    LinuxDrives drives = tree.drives();

    EXPECT_EQ(drives.driveType(tree.node("sr0")), Drives::kOptical);
    EXPECT_EQ(drives.driveType(tree.node("sda")), 0);
    EXPECT_EQ(drives.driveType(tree.node("sda1")), 0);
    EXPECT_EQ(drives.driveType(tree.node("sr9")), 0);
    EXPECT_EQ(drives.driveType(""), 0);
    EXPECT_EQ(drives.driveType("sr0"), 0);
    EXPECT_EQ(drives.driveType(tree.node("sr0") + "/"), 0);
    EXPECT_EQ(drives.driveType((tree.root() / "elsewhere/sr0").string()), 0);
}

TEST_F(LinuxDrivesTest, VirtualDrivesFollowOpticalDrivesInTheOrderAdded) {
    tree.addBlock("sr0", "5");
    const fs::path folder = tree.root() / "Rips/My Film (2004)";
    const fs::path image = tree.root() / "Rips/Another (Disc) 2.iso";
    writeFile(folder / "VIDEO_TS/VIDEO_TS.IFO", "");
    writeFile(image, "not really a disc");
    LinuxDrives drives = tree.drives();

    EXPECT_TRUE(drives.addVirtualDrive(folder.string() + "/"));
    EXPECT_TRUE(drives.addVirtualDrive(image.string()));

    EXPECT_EQ(drives.logicalDrives(),
              (std::vector<std::string>{tree.node("sr0"), folder.string(), image.string()}));
    EXPECT_EQ(drives.driveType(folder.string()), Drives::kOptical);
    EXPECT_EQ(drives.driveType(image.string()), Drives::kOptical);
}

TEST_F(LinuxDrivesTest, AVirtualDriveIsListedOnceHoweverItIsWritten) {
    const fs::path folder = tree.root() / "My Film";
    fs::create_directories(folder);
    LinuxDrives drives = tree.drives();

    EXPECT_TRUE(drives.addVirtualDrive(folder.string()));
    EXPECT_TRUE(drives.addVirtualDrive(folder.string() + "/"));
    EXPECT_TRUE(drives.addVirtualDrive((tree.root() / "." / "My Film").string()));
    EXPECT_TRUE(drives.addVirtualDrive("file://" + tree.str() + "/My%20Film/"));

    EXPECT_EQ(drives.logicalDrives(), std::vector<std::string>{folder.string()});
}

TEST_F(LinuxDrivesTest, RefusesVirtualDrivesThatNameNothingUsable) {
    tree.addBlock("sr0", "5");
    LinuxDrives drives = tree.drives();

    EXPECT_FALSE(drives.addVirtualDrive(""));
    EXPECT_FALSE(drives.addVirtualDrive((tree.root() / "gone.iso").string()));
    EXPECT_FALSE(drives.addVirtualDrive("file://server/share/film.iso"));
    EXPECT_FALSE(drives.addVirtualDrive("/dev/null"));

    EXPECT_EQ(drives.logicalDrives(), std::vector<std::string>{tree.node("sr0")});
}

TEST_F(LinuxDrivesTest, AFolderIsAUdfDiscNamedAfterItselfWhenItHoldsAVideoFolder) {
    const fs::path film = tree.root() / "Rips/My Film (2004)";
    const fs::path photos = tree.root() / "Rips/Photos";
    const fs::path decoy = tree.root() / "Rips/Decoy";
    fs::create_directories(film / "Video_TS");
    writeFile(photos / "readme.txt", "pictures");
    writeFile(decoy / "VIDEO_TS", "a file, not a folder");
    LinuxDrives drives = tree.drives();
    for (const auto& folder : {film, photos, decoy})
        ASSERT_TRUE(drives.addVirtualDrive(folder.string()));

    const auto info = drives.volumeInformation(film.string());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->label, "My Film (2004)");
    EXPECT_EQ(info->fileSystem, "UDF");
    EXPECT_TRUE(drives.videoFolderExists(film.string()));

    for (const auto& folder : {photos, decoy}) {
        EXPECT_FALSE(drives.volumeInformation(folder.string())) << folder;
        EXPECT_FALSE(drives.videoFolderExists(folder.string())) << folder;
    }
}

TEST_F(LinuxDrivesTest, AVanishedFolderHoldsNoDiscUntilItComesBack) {
    const fs::path film = tree.root() / "Film";
    fs::create_directories(film / "VIDEO_TS");
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(film.string()));

    fs::remove_all(film);
    EXPECT_EQ(drives.logicalDrives(), std::vector<std::string>{film.string()});
    EXPECT_FALSE(drives.volumeInformation(film.string()));
    EXPECT_FALSE(drives.videoFolderExists(film.string()));

    fs::create_directories(film / "VIDEO_TS");
    EXPECT_TRUE(drives.videoFolderExists(film.string()));
}

TEST_F(LinuxDrivesTest, TheMountedFileSystemDecidesAboutTheVideoFolder) {
    tree.addBlock("sr0", "5");
    tree.addBlock("sr1", "5");
    // Empty nodes: only the mounted folders can hold a video folder.
    writeFile(tree.dev() / "sr0", "");
    writeFile(tree.dev() / "sr1", "");
    fs::create_directories(tree.root() / "media/My Disc/video_ts");
    fs::create_directories(tree.root() / "media/DATA/docs");
    tree.addMount(tree.node("sr0"), tree.str() + "/media/My\\040Disc");
    tree.addMount(tree.node("sr1"), tree.str() + "/media/DATA");
    LinuxDrives drives = tree.drives();

    EXPECT_TRUE(drives.videoFolderExists(tree.node("sr0")));
    EXPECT_FALSE(drives.videoFolderExists(tree.node("sr1")));
}

TEST_F(LinuxDrivesTest, AnEmptyDriveHasNoVolumeAndNoVideoFolder) {
    tree.addBlock("sr0", "5");
    tree.addBlock("sr1", "5");
    fs::create_directories(tree.dev() / "sr1");
    LinuxDrives drives = tree.drives();

    for (const auto& drive : {tree.node("sr0"), tree.node("sr1")}) {
        EXPECT_FALSE(drives.volumeInformation(drive)) << drive;
        EXPECT_FALSE(drives.videoFolderExists(drive)) << drive;
    }
}

TEST_F(LinuxDrivesTest, TheRootOfAMountedDiscIsItsMountPointOrItsDeviceNode) {
    tree.addBlock("sr0", "5");
    tree.addBlock("sr1", "5");
    fs::create_directories(tree.root() / "media/My Disc (2)");
    tree.addMount(tree.node("sr0"), tree.str() + "/media/My\\040Disc\\040(2)");
    tree.addMount(tree.node("sr1"), tree.str() + "/media/Other");
    const std::string mountPoint = tree.str() + "/media/My Disc (2)";
    LinuxDrives drives = tree.drives();
    const std::string sr0 = tree.node("sr0");

    EXPECT_TRUE(drives.isRootOf(sr0, mountPoint));
    EXPECT_TRUE(drives.isRootOf(sr0, mountPoint + "/"));
    EXPECT_TRUE(drives.isRootOf(sr0, "file://" + tree.str() + "/media/My%20Disc%20%282%29"));
    EXPECT_TRUE(drives.isRootOf(sr0, "file://" + tree.str() + "/media/My%20Disc%20(2)/"));
    EXPECT_TRUE(drives.isRootOf(sr0, sr0));

    EXPECT_FALSE(drives.isRootOf(sr0, ""));
    EXPECT_FALSE(drives.isRootOf("", mountPoint));
    EXPECT_FALSE(drives.isRootOf(sr0, tree.str() + "/media/my disc (2)"));
    EXPECT_FALSE(drives.isRootOf(sr0, "\"" + mountPoint + "\""));
    EXPECT_FALSE(drives.isRootOf(sr0, mountPoint + " "));
    EXPECT_FALSE(drives.isRootOf(sr0, tree.str() + "/media/My%20Disc%20(2)"));
    EXPECT_FALSE(drives.isRootOf(sr0, tree.str() + "/media/Other"));
    EXPECT_FALSE(drives.isRootOf(sr0, tree.node("sr1")));
    EXPECT_FALSE(drives.isRootOf(tree.node("sr1"), mountPoint));
}

TEST_F(LinuxDrivesTest, TheRootOfAVirtualDriveIsItsPath) {
    const fs::path folder = tree.root() / "Rips/My Film (2004)";
    fs::create_directories(folder / "VIDEO_TS");
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(folder.string()));
    const std::string drive = folder.string();

    EXPECT_TRUE(drives.isRootOf(drive, drive));
    EXPECT_TRUE(drives.isRootOf(drive, drive + "/"));
    EXPECT_TRUE(drives.isRootOf(drive, "file://" + tree.str() + "/Rips/My%20Film%20(2004)"));
    EXPECT_FALSE(drives.isRootOf(drive, tree.str() + "/Rips"));
    EXPECT_FALSE(drives.isRootOf(drive, drive + "/VIDEO_TS"));
}

TEST_F(LinuxDrivesTest, TrayCommandsFailSilentlyWhereThereIsNoTray) {
    tree.addBlock("sr0", "5");
    writeFile(tree.dev() / "sr0", "a regular file, not a drive");
    const fs::path folder = tree.root() / "Film";
    fs::create_directories(folder / "VIDEO_TS");
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(folder.string()));

    for (const bool open : {true, false}) {
        EXPECT_FALSE(drives.setDoor("", open));
        EXPECT_FALSE(drives.setDoor(folder.string(), open));
        EXPECT_FALSE(drives.setDoor(tree.node("sr0"), open));
        EXPECT_FALSE(drives.setDoor("/dev/null", open));
    }
}

} // namespace
} // namespace lumadisc::test
