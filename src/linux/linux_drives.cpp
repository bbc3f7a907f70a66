#include "linux/linux_drives.h"

#include "core/text_util.h"

#include "linux/mount_table.h"
#include "linux/optical_device.h"
#include "linux/udf_video_folder.h"
#include "linux/udisks_eject.h"
#include "linux/volume_probe.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isOpticalBlock(const std::string& sysfsRoot, const std::string& name) {
    std::ifstream typeFile(fs::path(sysfsRoot) / "class/block" / name / "device/type");
    int type = -1;
    return typeFile >> type && type == Drives::kOptical;
}

int hexValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// A path as people and desktops hand it over (a path or a file:// URI, with or without the
// trailing slash) as an absolute path without a trailing slash; "" when it names no local path.
std::string normalPath(const std::string& text) {
    constexpr std::string_view scheme = "file://";
    std::string path = text;
    if (path.starts_with(scheme)) {
        path = percentDecoded(std::string_view(path).substr(scheme.size()));
        if (path.starts_with("localhost/"))
            path.erase(0, std::string_view("localhost").size());
        if (!path.starts_with('/'))
            return {};
    }
    if (path.empty())
        return {};
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error)
        return {};
    std::string normal = absolute.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
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

bool LinuxDrives::isRootOf(const std::string& drive, const std::string& root) {
    const std::string path = normalPath(root);
    if (drive.empty() || path.empty())
        return false;
    if (path == drive)
        return true;
    const std::vector<std::string> folders = mountPointsOf(m_mountTable, drive);
    return std::any_of(folders.begin(), folders.end(),
                       [&path](const std::string& folder) { return normalPath(folder) == path; });
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
    const std::string normal = normalPath(path);
    if (normal.empty())
        return false;
    std::error_code error;
    const fs::file_status status = fs::status(normal, error);
    if (!fs::is_regular_file(status) && !fs::is_directory(status))
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
