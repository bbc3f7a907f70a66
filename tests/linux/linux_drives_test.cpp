// The drives backend on fake sysfs, /dev and mount-table trees, and it and the disc information
// on the generated sample discs (build target sample_disc).
#include "linux/linux_disc_info.h"
#include "linux/linux_drives.h"
#include "linux/mount_table.h"
#include "linux/volume_probe.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

// A sysfs tree, a /dev folder whose "device nodes" are regular files or links to disc images,
// and a mount table, all in a temporary folder.
class LinuxDrivesTest : public ::testing::Test {
protected:
    LinuxDrivesTest() {
        fs::create_directories(root() / "sys/class/block");
        fs::create_directories(root() / "dev");
        writeFile(mountTable(), "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n");
    }
    const fs::path& root() const { return m_root.path(); }
    std::string str() const { return m_root.str(); }
    fs::path mountTable() const { return root() / "mounts"; }
    std::string node(const std::string& name) const { return (root() / "dev" / name).string(); }
    LinuxDrives backend() const {
        return LinuxDrives(root() / "sys", root() / "dev", mountTable());
    }

    // A block device as the kernel lists it: a link in class/block to its folder under
    // devices/, with the SCSI peripheral type when it has a device (partitions have none).
    void addBlock(const std::string& name, const std::string& type = "5") {
        const auto folder = root() / "sys/devices/pci0000:00/host0/block" / name;
        fs::create_directories(folder);
        if (!type.empty())
            writeFile(folder / "device/type", type + "\n");
        fs::create_directory_symlink(folder, root() / "sys/class/block" / name);
    }
    // A drive (optical unless `type` says otherwise) holding `image`: the node is a link to it.
    std::string addDrive(const std::string& name, const fs::path& image, const char* type = "5") {
        addBlock(name, type);
        fs::create_symlink(image, node(name));
        return node(name);
    }
    // One line per mount, as the kernel writes them (blanks in `folder` must already be \040).
    void addMount(const std::string& source, const std::string& folder) {
        std::ofstream(mountTable(), std::ios::app) << source << " " << folder << " udf ro 0 0\n";
    }

    TempDir m_root;
};

// What the backend says of a drive: "LABEL type", "+VIDEO_TS" when it holds one, "-" for no disc.
std::string seen(LinuxDrives& drives, const std::string& drive) {
    const auto info = drives.volumeInformation(drive);
    return (info ? info->label + " " + info->fileSystem : std::string("-")) +
           (drives.videoFolderExists(drive) ? " +VIDEO_TS" : "");
}

TEST_F(LinuxDrivesTest, TheMountTableListsTheDevicesMountsUnescaped) {
    const std::string sr0 = node("sr0");
    writeFile(sr0, "");
    fs::create_symlink(sr0, node("cdrom"));
    writeFile(mountTable(), "/dev/sr0 /media/u/My\\040Film\\040(2004) udf ro 0 0\n"
                            "/dev/sr0 /mnt/tab\\011and\\134backslash iso9660 ro 0 0\n"
                            "/dev/sr0 /mnt/odd\\04 udf ro 0 0\n"
                            "/dev/sr0 /mnt/last\\040 udf ro 0 0\n"
                            "broken-line\n" +
                                sr0 + " /media/disc udf ro 0 0\n" + node("cdrom") +
                                " /media/link udf ro 0 0\n");
    EXPECT_EQ(mountPointsOf(mountTable(), "/dev/sr0"),
              (std::vector<std::string>{"/media/u/My Film (2004)", "/mnt/tab\tand\\backslash",
                                        "/mnt/odd\\04", "/mnt/last "}))
        << "mount points of /dev/sr0, unescaped";
    // A source naming the device through a link counts.
    EXPECT_EQ(mountPointsOf(mountTable(), sr0),
              (std::vector<std::string>{"/media/disc", "/media/link"}));
    EXPECT_TRUE(mountPointsOf((root() / "missing").string(), "/dev/sr0").empty());
}

TEST_F(LinuxDrivesTest, ListsOpticalDrivesInNaturalNameOrderAndOnlyTheyAreOptical) {
    EXPECT_TRUE(
        LinuxDrives(str() + "/missing", root() / "dev", mountTable()).logicalDrives().empty());
    const std::pair<const char*, const char*> blocks[] = {
        {"sr10", "5"}, {"sda", "0"}, {"sda1", ""}, {"sr2", "5"}, {"sr0", "5"}, {"sdb", "14"}};
    for (const auto& [name, type] : blocks)
        addBlock(name, type);
    LinuxDrives drives = backend();
    EXPECT_EQ(drives.logicalDrives(), (std::vector{node("sr0"), node("sr2"), node("sr10")}));
    EXPECT_EQ(drives.driveType(node("sr0")), Drives::kOptical);
    for (const std::string& drive :
         {node("sda"), node("sda1"), node("sr9"), std::string("sr0"), str() + "/elsewhere/sr0"})
        EXPECT_EQ(drives.driveType(drive), 0) << drive;
}

TEST_F(LinuxDrivesTest, FoldersAndImagesAreVirtualDrivesListedOnceAfterTheOpticalOnes) {
    addBlock("sr0");
    const fs::path film = root() / "Rips/My Film (2004)";
    const fs::path image = root() / "Rips/Another (Disc) 2.iso";
    fs::create_directories(film / "Video_TS");
    fs::create_symlink(sampleDiscDir() / "iso9660-only.iso", image);
    writeFile(root() / "Photos/readme.txt", "pictures");
    writeFile(root() / "Decoy/VIDEO_TS", "a file, not a folder");
    writeFile(root() / "notes.txt", "not a disc");
    ASSERT_EQ(::mkfifo((root() / "fifo.iso").c_str(), 0600), 0);
    LinuxDrives drives = backend();

    // However written, each is listed once; only a disc image or a folder holding VIDEO_TS is a
    // disc.
    for (const std::string& path :
         {film.string() + "/", image.string(), "file://" + str() + "/Rips/My%20Film%20(2004)"})
        EXPECT_TRUE(drives.addVirtualDrive(path)) << path << " was refused";
    for (const std::string& path :
         {str() + "/gone.iso", std::string("file://server/share/film.iso"), str() + "/Photos",
          str() + "/Decoy", str() + "/notes.txt", str() + "/fifo.iso",
          (sampleDiscDir() / "damaged.iso").string()})
        EXPECT_FALSE(drives.addVirtualDrive(path)) << path << " was accepted";
    EXPECT_EQ(drives.driveType(image.string()), Drives::kOptical);

    // A folder is a UDF disc named after itself while it holds a VIDEO_TS folder (any case); a
    // vanished folder stays listed but holds no disc until it comes back.
    const std::string disc = "My Film (2004) UDF +VIDEO_TS";
    EXPECT_EQ(seen(drives, film.string()), disc);
    fs::remove_all(film);
    EXPECT_EQ(drives.logicalDrives(), (std::vector{node("sr0"), film.string(), image.string()}));
    EXPECT_EQ(seen(drives, film.string()), "-") << "a vanished folder holds a disc";
    fs::create_directories(film / "VIDEO_TS");
    EXPECT_EQ(seen(drives, film.string()), disc) << "a folder that came back holds none";
}

TEST_F(LinuxDrivesTest, TheMountedFolderDecidesTheVideoFolderAndIsTheRootLikeTheDeviceNode) {
    // Regular files as nodes: only the mounted folders can hold a video folder.
    for (const char* name : {"sr0", "sr1", "sr2"})
        addBlock(name), writeFile(node(name), "");
    fs::create_directories(root() / "media/My Disc (2)/video_ts");
    fs::create_directories(root() / "media/Other/docs");
    addMount(node("sr0"), str() + "/media/My\\040Disc\\040(2)");
    addMount(node("sr1"), str() + "/media/Other");
    const std::string film = str() + "/Rips/My Film (2004)";
    fs::create_directories(film + "/VIDEO_TS");
    LinuxDrives drives = backend();
    ASSERT_TRUE(drives.addVirtualDrive(film));
    const std::string sr0 = node("sr0"), sr1 = node("sr1");
    const std::string media = str() + "/media/", mountPoint = media + "My Disc (2)";

    EXPECT_EQ(seen(drives, sr0) + ", " + seen(drives, sr1) + ", " + seen(drives, node("sr2")),
              "- +VIDEO_TS, -, -")
        << "sr0, sr1, sr2";

    for (const std::string& named :
         {mountPoint + "/", sr0, "file://" + media + "My%20Disc%20%282%29",
          "file://localhost" + mountPoint})
        EXPECT_TRUE(drives.isRootOf(sr0, named)) << named;
    for (const std::string& named :
         {media + "my disc (2)", mountPoint + " ", media + "My%20Disc%20(2)", sr1})
        EXPECT_FALSE(drives.isRootOf(sr0, named)) << named;
    EXPECT_FALSE(drives.isRootOf(sr1, mountPoint));
    EXPECT_TRUE(drives.isRootOf(film, film + "/"));
    EXPECT_FALSE(drives.isRootOf(film, film + "/VIDEO_TS"));

    // Hex digits of either case, as desktops write them for "Naïve".
    fs::create_directories(root() / "Na\xC3\xAFve/VIDEO_TS");
    ASSERT_TRUE(drives.addVirtualDrive("file://" + str() + "/Na%c3%afve"));
    EXPECT_TRUE(drives.isRootOf(str() + "/Na\xC3\xAFve", "file://" + str() + "/Na%C3%AFve"));
}

// The sample discs are built before the suite (its dependency on the target sample_disc).
using SampleDiscTest = LinuxDrivesTest;
fs::path sample(const std::string& name) {
    return sampleDiscDir() / name;
}

TEST_F(SampleDiscTest, DiscsInDrivesAndDiscImagesAreReadWithoutMounting) {
    const std::string sr0 = addDrive("sr0", sample("lumadisc-sample.iso"));
    const std::string sr1 = addDrive("sr1", sample("iso9660-only.iso"));
    const std::string sr2 = addDrive("sr2", sample("damaged.iso"));
    addDrive("sda", sample("lumadisc-sample.iso"), "0");
    const fs::path image = root() / "My Discs (old)/sample copy.iso";
    fs::create_directories(image.parent_path());
    fs::copy_file(sample("lumadisc-sample.iso"), image);
    LinuxDrives drives = backend();
    ASSERT_TRUE(drives.addVirtualDrive(image.string()));

    const std::pair<std::string, std::string> cases[] = {
        {sr0, "LUMADISC_SAMPLE udf +VIDEO_TS"},
        {sr1, "NOT_UDF iso9660"}, // its VIDEO_TS is on the ISO 9660 file system only
        {sr2, "-"},
        {image.string(), "LUMADISC_SAMPLE udf +VIDEO_TS"},
        // Discs outside the drives are never looked into.
        {node("sda"), "-"},
        {sample("lumadisc-sample.iso").string(), "-"}};
    for (const auto& [drive, disc] : cases)
        EXPECT_EQ(seen(drives, drive), disc) << "in " << drive;
    fs::remove(image);
    EXPECT_EQ(seen(drives, image.string()), "-") << "a removed image still holds a disc";

    // Mounted, the disc is looked at through its mount point, which (as far as the table
    // says) has no VIDEO_TS.
    fs::create_directories(root() / "media/LUMADISC_SAMPLE/AUDIO_TS");
    addMount(sr0, str() + "/media/LUMADISC_SAMPLE");
    EXPECT_EQ(seen(drives, sr0), "LUMADISC_SAMPLE udf");
}

// A real block device holding the sample disc, but no optical drive: it never reports a disc
// ready, so it is never read (reading a drive that spins up would block for seconds).
TEST_F(SampleDiscTest, ABlockDeviceIsReadOnlyWhenItReportsADiscReady) {
    const std::string shown = (root() / "loop").string();
    if (std::system(("losetup --find --show --read-only '" +
                     sample("lumadisc-sample.iso").string() + "' >'" + shown + "' 2>/dev/null")
                        .c_str()) != 0)
        GTEST_SKIP() << "no loop device can be set up here";
    struct Detached {
        std::string loop;
        ~Detached() {
            [[maybe_unused]] const int ignored = std::system(("losetup -d " + loop).c_str());
        }
    } device{readFile(shown).substr(0, readFile(shown).find('\n'))};
    ASSERT_TRUE(probeVolume(device.loop)) << "the loop device does not show the sample disc";
    const std::string sr0 = addDrive("sr0", device.loop);
    LinuxDrives drives = backend();
    EXPECT_FALSE(drives.volumeInformation(sr0) || drives.videoFolderExists(sr0) ||
                 drives.setDoor(sr0, true) || drives.setDoor(sr0, false))
        << "a block device that reports no disc ready was read or had its tray moved";
}

// LinuxDiscInfo: the structure as the information files give it, the same disc ID for a disc's
// image and its folder, and nothing for what is no readable DVD-Video.
// "length: chapter starts / audio language:format:channels … / subtitle languages …"
std::string described(const TitleInfo& title) {
    std::string text = std::to_string(title.lengthMs) + ":";
    for (const long start : title.chapterStartsMs)
        text += " " + std::to_string(start);
    text += " /";
    for (const auto& audio : title.audio)
        text += " " + audio.language + ":" + audio.format + ":" + std::to_string(audio.channels);
    text += " /";
    for (const auto& subtitle : title.subtitles)
        text += " " + subtitle.language;
    return text;
}

TEST(LinuxDiscInfoTest, TitlesChaptersStreamsTheSameIdForAnImageAndItsFolderAndNothingForNoDvd) {
    LinuxDiscInfo info;
    const auto menu = info.read(sample("menu").string());
    ASSERT_TRUE(menu && menu->titles.size() == 2) << "the menu disc's two titles were not read";
    EXPECT_EQ(described(menu->titles[0]), "20000: 0 10000 16000 / en:AC-3:2 fr:AC-3:2 / en fr");
    EXPECT_EQ(described(menu->titles[1]), "8000: 0 / en:AC-3:2 /") << "its own title set";
    const auto id = [&](const char* name) {
        const auto facts = info.read(sample(name).string());
        return facts ? facts->id : "nothing read from " + std::string(name);
    };
    // Scrambled video leaves the information files readable: the ID is the unscrambled disc's.
    for (const auto& [image, folder] :
         {std::pair{"lumadisc-sample.iso", "menu"}, {"encrypted.iso", "ending"}})
        EXPECT_EQ(id(image), id(folder)) << image << " and " << folder;
    EXPECT_NE(id("ending"), menu->id);
    for (const char* name : {"iso9660-only.iso", "damaged.iso", "no-video-folder", "no-such.iso"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(info.read(sample(name).string())) << "read a disc from " << name;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name << " printed on stderr";
    }
}

} // namespace
} // namespace lumadisc::test
