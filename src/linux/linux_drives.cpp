#include "linux/linux_drives.h"

#include "core/drives/disc_root.h"
#include "core/text_util.h"

#include "linux/disc_encryption.h"
#include "linux/mount_table.h"
#include "linux/optical_device.h"
#include "linux/udf_video_folder.h"
#include "linux/udisks_eject.h"
#include "linux/volume_probe.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

bool isOpticalBlock(const std::string& sysfsRoot, const std::string& name) {
    std::ifstream typeFile(fs::path(sysfsRoot) / "class/block" / name / "device/type");
    int type = -1;
    return typeFile >> type && type == Drives::kOptical;
}

// Discs and rips spell the video folder in any case.
bool hasVideoFolder(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code typeError;
        if (equalsIgnoringCase(entry->path().filename().native(), "VIDEO_TS") &&
            entry->is_directory(typeError))
            return true;
    }
    return false;
}

bool isFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Where the file is, its size and when it was last written: a copy put in its place, or
// rewriting it, changes this.
std::string fileIdentity(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
           std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
           std::to_string(info.st_mtim.tv_nsec);
}

// A copied disc changes with any file of its video folder.
std::string folderIdentity(const std::string& folder) {
    std::string identity = fileIdentity(folder);
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!equalsIgnoringCase(entry->path().filename().native(), "VIDEO_TS"))
            continue;
        for (fs::directory_iterator file(entry->path(), error); !error && file != end;
             file.increment(error))
            identity +=
                "|" + file->path().filename().string() + "=" + fileIdentity(file->path().string());
    }
    return identity;
}

// Only what a disc handler would be handed: an image of a disc's file system, or a copied disc.
bool holdsDisc(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status))
        return hasVideoFolder(path);
    if (!fs::is_regular_file(status))
        return false;
    const std::optional<Drives::VolumeInfo> volume = probeVolume(path);
    return volume && (volume->fileSystem == "iso9660" || volume->fileSystem == "udf");
}

} // namespace

LinuxDrives::LinuxDrives(std::string sysfsRoot, std::string devRoot, std::string mountTable)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)),
      m_mountTable(std::move(mountTable)) {}

std::vector<std::string> LinuxDrives::logicalDrives() {
    std::vector<std::string> drives = opticalDrives();
    drives.insert(drives.end(), m_virtualDrives.begin(), m_virtualDrives.end());
    return drives;
}

int LinuxDrives::driveType(const std::string& drive) {
    return isOpticalDrive(drive) || isVirtualDrive(drive) ? kOptical : 0;
}

std::optional<Drives::VolumeInfo> LinuxDrives::volumeInformation(const std::string& drive) {
    const bool isVirtual = isVirtualDrive(drive);
    if (isVirtual && isFolder(drive)) {
        if (!hasVideoFolder(drive))
            return std::nullopt;
        return VolumeInfo{fs::path(drive).filename().string(), "UDF"};
    }
    if ((!isVirtual && !isOpticalDrive(drive)) || !discReady(drive))
        return std::nullopt;
    return probeVolume(drive);
}

bool LinuxDrives::videoFolderExists(const std::string& drive) {
    const bool isVirtual = isVirtualDrive(drive);
    if (!isVirtual && !isOpticalDrive(drive))
        return false;
    if (isVirtual && isFolder(drive))
        return hasVideoFolder(drive);
    const std::vector<std::string> folders = mountPointsOf(m_mountTable, drive);
    if (!folders.empty())
        return std::any_of(folders.begin(), folders.end(),
                           [](const std::string& folder) { return hasVideoFolder(folder); });
    // The disc watch asks ten times a second: only a disc that is ready is read.
    return discReady(drive) && udfHasVideoFolder(drive);
}

bool LinuxDrives::discEncrypted(const std::string& drive) {
    if (isVirtualDrive(drive))
        return titleScrambled(drive);
    return isOpticalDrive(drive) && discReady(drive) && driveReportsCopyProtection(drive);
}

std::string LinuxDrives::discIdentity(const std::string& drive) {
    if (isVirtualDrive(drive))
        return isFolder(drive) ? folderIdentity(drive) : fileIdentity(drive);
    if (!isOpticalDrive(drive) || !discReady(drive))
        return {};
    const std::optional<VolumeInfo> volume = probeVolume(drive);
    return volume ? volume->label + "|" + volume->fileSystem : "unreadable disc";
}

bool LinuxDrives::isRootOf(const std::string& drive, const std::string& root) {
    const std::string path = discRootPath(root);
    if (drive.empty() || path.empty())
        return false;
    if (path == drive)
        return true;
    const std::vector<std::string> folders = mountPointsOf(m_mountTable, drive);
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const std::string& folder) { return discRootPath(folder) == path; });
}

bool LinuxDrives::setDoor(const std::string& drive, bool open) {
    if (!isOpticalDrive(drive) || !isBlockDevice(drive))
        return false;
    // UDisks2 has no call that closes a tray.
    if (open) {
        const bool mounted = !mountPointsOf(m_mountTable, drive).empty();
        if (const std::optional<bool> ejected = ejectWithUdisks(drive, mounted))
            return *ejected;
    }
    return moveTray(drive, open);
}

bool LinuxDrives::addVirtualDrive(const std::string& path) {
    const std::string normal = discRootPath(path);
    if (normal.empty() || !holdsDisc(normal))
        return false;
    if (!isVirtualDrive(normal))
        m_virtualDrives.push_back(normal);
    return true;
}

std::vector<std::string> LinuxDrives::opticalDrives() const {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(fs::path(m_sysfsRoot) / "class/block", error), end;
         !error && entry != end; entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (isOpticalBlock(m_sysfsRoot, name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), naturalLess);
    std::vector<std::string> drives;
    for (const std::string& name : names)
        drives.push_back(m_devRoot + "/" + name);
    return drives;
}

bool LinuxDrives::isOpticalDrive(const std::string& drive) const {
    const std::string prefix = m_devRoot + "/";
    if (!drive.starts_with(prefix))
        return false;
    const std::string name = drive.substr(prefix.size());
    return !name.empty() && name.find('/') == std::string::npos &&
           isOpticalBlock(m_sysfsRoot, name);
}

bool LinuxDrives::isVirtualDrive(const std::string& drive) const {
    return std::find(m_virtualDrives.begin(), m_virtualDrives.end(), drive) !=
           m_virtualDrives.end();
}

} // namespace lumadisc
