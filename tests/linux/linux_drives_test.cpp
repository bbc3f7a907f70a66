// The drives backend on fake sysfs, /dev and mount-table trees, and on the generated sample
// discs (build target sample_disc).
#include "fake_drive_tree.h"
#include "linux/mount_table.h"
#include "linux/volume_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

class LinuxDrivesTest : public ::testing::Test {
protected:
    FakeDriveTree tree;
};

TEST_F(LinuxDrivesTest, TheMountTableListsTheDevicesMountsUnescaped) {
    const std::string table = tree.mountTable().string();
    const fs::path node = tree.dev() / "sr0";
    writeFile(node, "");
    fs::create_symlink(node, tree.dev() / "cdrom");
    writeFile(table, "sysfs /sys sysfs rw 0 0\n"
                     "/dev/sr0 /media/u/My\\040Film\\040(2004) udf ro 0 0\n"
                     "/dev/sr0 /mnt/tab\\011and\\134backslash iso9660 ro 0 0\n"
                     "/dev/sr0 /mnt/odd\\04 udf ro 0 0\n"
                     "/dev/sr0 /mnt/last\\040 udf ro 0 0\n"
                     "/dev/sr1 /media/other udf ro 0 0\n"
                     "/dev/sr10 /media/ten udf ro 0 0\n"
                     "broken-line\n" +
                         node.string() + " /media/disc udf ro 0 0\n" + tree.dev().string() +
                         "/cdrom /media/link udf ro 0 0\n");

    EXPECT_EQ(mountPointsOf(table, "/dev/sr0"),
              (std::vector<std::string>{"/media/u/My Film (2004)", "/mnt/tab\tand\\backslash",
                                        "/mnt/odd\\04", "/mnt/last "}))
        << "mount points of /dev/sr0, unescaped";
    // A source naming the device through a link counts.
    EXPECT_EQ(mountPointsOf(table, node.string()),
              (std::vector<std::string>{"/media/disc", "/media/link"}));
    EXPECT_TRUE(mountPointsOf(table, "/dev/sr2").empty());
    EXPECT_TRUE(mountPointsOf((tree.root() / "missing").string(), "/dev/sr0").empty());
}

TEST_F(LinuxDrivesTest, ListsOpticalDrivesInNaturalNameOrderAndOnlyTheyAreOptical) {
    EXPECT_TRUE(tree.drives().logicalDrives().empty());
    EXPECT_TRUE(LinuxDrives(tree.str() + "/missing", tree.dev(), tree.mountTable())
                    .logicalDrives()
                    .empty());

    const std::pair<const char*, const char*> blocks[] = {
        {"sr10", "5"}, {"sda", "0"},  {"sda1", ""}, {"sr2", "5"},
        {"sr0", "5"},  {"loop0", ""}, {"sr1", "5"}, {"sdb", "14"}};
    for (const auto& [name, type] : blocks)
        tree.addBlock(name, type);
    LinuxDrives drives = tree.drives();
    EXPECT_EQ(drives.logicalDrives(),
              (std::vector<std::string>{tree.node("sr0"), tree.node("sr1"), tree.node("sr2"),
                                        tree.node("sr10")}));

    EXPECT_EQ(drives.driveType(tree.node("sr0")), Drives::kOptical);
    for (const std::string& drive :
         {tree.node("sda"), tree.node("sda1"), tree.node("sr9"), std::string(), std::string("sr0"),
          tree.node("sr0") + "/", (tree.root() / "elsewhere/sr0").string()})
        EXPECT_EQ(drives.driveType(drive), 0) << drive;
}

TEST_F(LinuxDrivesTest, FoldersAndImagesAreVirtualDrivesListedOnceAfterTheOpticalOnes) {
    tree.addBlock("sr0", "5");
    const fs::path film = tree.root() / "Rips/My Film (2004)";
    const fs::path image = tree.root() / "Rips/Another (Disc) 2.iso";
    const fs::path photos = tree.root() / "Photos";
    const fs::path decoy = tree.root() / "Decoy";
    fs::create_directories(film / "Video_TS");
    fs::create_symlink(sampleDiscDir() / "iso9660-only.iso", image);
    writeFile(photos / "readme.txt", "pictures");
    writeFile(decoy / "VIDEO_TS", "a file, not a folder");
    writeFile(tree.root() / "notes.txt", "not a disc");
    ASSERT_EQ(::mkfifo((tree.root() / "fifo.iso").c_str(), 0600), 0);
    LinuxDrives drives = tree.drives();

    // However written, each is listed once; only a disc image or a folder holding VIDEO_TS is a
    // disc.
    for (const std::string& path :
         {film.string() + "/", image.string(), "file://" + tree.str() + "/Rips/My%20Film%20(2004)"})
        EXPECT_TRUE(drives.addVirtualDrive(path)) << path << " was refused";
    for (const std::string& path :
         {tree.str() + "/gone.iso", std::string(), std::string("file://server/share/film.iso"),
          std::string("/dev/null"), photos.string(), decoy.string(), tree.str() + "/notes.txt",
          tree.str() + "/fifo.iso", (sampleDiscDir() / "damaged.iso").string()})
        EXPECT_FALSE(drives.addVirtualDrive(path)) << path << " was accepted";
    const std::vector<std::string> listed{tree.node("sr0"), film.string(), image.string()};
    EXPECT_EQ(drives.logicalDrives(), listed);
    EXPECT_EQ(drives.driveType(image.string()), Drives::kOptical);

    // A folder is a UDF disc named after itself while it holds a VIDEO_TS folder (any case).
    const auto info = drives.volumeInformation(film.string());
    ASSERT_TRUE(info) << "a copied disc holds no disc";
    EXPECT_EQ(info->label + " " + info->fileSystem, "My Film (2004) UDF");
    EXPECT_TRUE(drives.videoFolderExists(film.string()));
    // A vanished folder stays listed but holds no disc until it comes back.
    fs::remove_all(film);
    EXPECT_EQ(drives.logicalDrives(), listed);
    EXPECT_FALSE(drives.volumeInformation(film.string()) ||
                 drives.videoFolderExists(film.string()));
    fs::create_directories(film / "VIDEO_TS");
    EXPECT_TRUE(drives.videoFolderExists(film.string()));
}

TEST_F(LinuxDrivesTest, TheMountedFolderDecidesTheVideoFolderAndIsTheRootLikeTheDeviceNode) {
    for (const char* name : {"sr0", "sr1", "sr2", "sr3", "sr4"})
        tree.addBlock(name, "5");
    // Regular files as nodes: only the mounted folders can hold a video folder.
    writeFile(tree.dev() / "sr0", "");
    writeFile(tree.dev() / "sr1", "");
    writeFile(tree.dev() / "sr3", "a regular file, not a drive");
    fs::create_directories(tree.dev() / "sr4");
    fs::create_directories(tree.root() / "media/My Disc (2)/video_ts");
    fs::create_directories(tree.root() / "media/Other/docs");
    tree.addMount(tree.node("sr0"), tree.str() + "/media/My\\040Disc\\040(2)");
    tree.addMount(tree.node("sr1"), tree.str() + "/media/Other");
    const fs::path folder = tree.root() / "Rips/My Film (2004)";
    fs::create_directories(folder / "VIDEO_TS");
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(folder.string()));
    const std::string sr0 = tree.node("sr0"), sr1 = tree.node("sr1"), film = folder.string();
    const std::string media = tree.str() + "/media/", mountPoint = media + "My Disc (2)";
    using Roots = std::vector<std::string>;

    EXPECT_TRUE(drives.videoFolderExists(sr0));
    EXPECT_FALSE(drives.videoFolderExists(sr1));
    for (const auto& drive : {tree.node("sr2"), tree.node("sr4")}) {
        EXPECT_FALSE(drives.volumeInformation(drive)) << drive;
        EXPECT_FALSE(drives.videoFolderExists(drive)) << drive;
    }
    // Tray commands fail silently where there is no tray.
    for (const bool open : {true, false})
        for (const std::string& drive :
             {std::string(), film, tree.node("sr3"), std::string("/dev/null")})
            EXPECT_FALSE(drives.setDoor(drive, open)) << drive << " " << open;

    for (const auto& root :
         Roots{mountPoint, mountPoint + "/", sr0, "file://" + media + "My%20Disc%20%282%29",
               "file://" + media + "My%20Disc%20(2)/", "file://localhost" + mountPoint})
        EXPECT_TRUE(drives.isRootOf(sr0, root)) << root;
    for (const auto& root :
         Roots{"", media + "my disc (2)", "\"" + mountPoint + "\"", mountPoint + " ",
               media + "My%20Disc%20(2)", media + "Other", sr1})
        EXPECT_FALSE(drives.isRootOf(sr0, root)) << root;
    EXPECT_FALSE(drives.isRootOf("", mountPoint));
    EXPECT_FALSE(drives.isRootOf(sr1, mountPoint));

    // Hex digits of either case, as desktops write them for "Naïve".
    fs::create_directories(tree.root() / "Na\xC3\xAFve/VIDEO_TS");
    const std::string naive = tree.str() + "/Na\xC3\xAFve";
    ASSERT_TRUE(drives.addVirtualDrive("file://" + tree.str() + "/Na%c3%afve"));
    EXPECT_TRUE(drives.isRootOf(naive, "file://" + tree.str() + "/Na%C3%AFve"));
    for (const auto& root :
         Roots{film, film + "/", "file://" + tree.str() + "/Rips/My%20Film%20(2004)"})
        EXPECT_TRUE(drives.isRootOf(film, root)) << root;
    for (const auto& root : Roots{tree.str() + "/Rips", film + "/VIDEO_TS"})
        EXPECT_FALSE(drives.isRootOf(film, root)) << root;
}

class SampleDiscTest : public LinuxDrivesTest {
protected:
    void SetUp() override {
        for (const char* name : {"lumadisc-sample.iso", "iso9660-only.iso", "damaged.iso"})
            ASSERT_TRUE(fs::is_regular_file(sample(name)))
                << sample(name) << " is missing: build the target sample_disc";
    }
    static fs::path sample(const std::string& name) { return sampleDiscDir() / name; }
};

// What the backend says of a drive: "LABEL type", "+VIDEO_TS" when it holds one, "-" for no disc.
std::string seen(LinuxDrives& drives, const std::string& drive) {
    const auto info = drives.volumeInformation(drive);
    return (info ? info->label + " " + info->fileSystem : std::string("-")) +
           (drives.videoFolderExists(drive) ? " +VIDEO_TS" : "");
}

TEST_F(SampleDiscTest, DiscsInDrivesAndDiscImagesAreReadWithoutMounting) {
    const std::string sr0 = tree.addOpticalDrive("sr0", sample("lumadisc-sample.iso"));
    const std::string sr1 = tree.addOpticalDrive("sr1", sample("iso9660-only.iso"));
    const std::string sr2 = tree.addOpticalDrive("sr2", sample("damaged.iso"));
    tree.addBlock("sda", "0");
    fs::create_symlink(sample("lumadisc-sample.iso"), tree.dev() / "sda");
    const fs::path image = tree.root() / "My Discs (old)/sample copy.iso";
    fs::create_directories(image.parent_path());
    fs::copy_file(sample("lumadisc-sample.iso"), image);
    LinuxDrives drives = tree.drives();
    ASSERT_TRUE(drives.addVirtualDrive(image.string()));

    const std::pair<std::string, std::string> cases[] = {
        {sr0, "LUMADISC_SAMPLE udf +VIDEO_TS"},
        {sr1, "NOT_UDF iso9660"}, // its VIDEO_TS is on the ISO 9660 file system only
        {sr2, "-"},
        {image.string(), "LUMADISC_SAMPLE udf +VIDEO_TS"},
        // Discs outside the drives are never looked into.
        {(tree.dev() / "sda").string(), "-"},
        {sample("lumadisc-sample.iso").string(), "-"},
        {sample("menu").string(), "-"},
        {"", "-"}};
    for (const auto& [drive, disc] : cases)
        EXPECT_EQ(seen(drives, drive), disc) << "in " << drive;
    fs::remove(image);
    EXPECT_EQ(seen(drives, image.string()), "-") << "a removed image still holds a disc";

    // Mounted, the disc is looked at through its mount point, which (as far as the table
    // says) has no VIDEO_TS.
    fs::create_directories(tree.root() / "media/LUMADISC_SAMPLE/AUDIO_TS");
    tree.addMount(sr0, tree.str() + "/media/LUMADISC_SAMPLE");
    EXPECT_EQ(seen(drives, sr0), "LUMADISC_SAMPLE udf");
}

// A real block device holding the sample disc, but no optical drive: it never reports a disc
// ready, so it is never read (reading a drive that spins up would block for seconds).
TEST_F(SampleDiscTest, ABlockDeviceIsReadOnlyWhenItReportsADiscReady) {
    struct LoopDevice {
        std::string path;
        ~LoopDevice() {
            if (!path.empty()) [[maybe_unused]]
                const int ignored = std::system(("losetup -d " + path).c_str());
        }
    } device;
    std::string& loop = device.path;
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
