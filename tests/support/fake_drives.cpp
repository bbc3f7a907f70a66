#include "support/fake_drives.h"

namespace lumadisc::test {

FakeDrives::Drive& FakeDrives::add(std::string name, int type, std::optional<VolumeInfo> volume,
                                   bool videoFolder, std::string mountPoint) {
    drives.push_back(
        {std::move(name), type, std::move(volume), videoFolder, std::move(mountPoint)});
    return drives.back();
}

FakeDrives::Drive* FakeDrives::find(const std::string& name) {
    for (auto& drive : drives)
        if (drive.name == name)
            return &drive;
    return nullptr;
}

std::vector<std::string> FakeDrives::logicalDrives() {
    std::vector<std::string> names;
    for (const auto& drive : drives)
        names.push_back(drive.name);
    return names;
}

int FakeDrives::driveType(const std::string& drive) {
    const Drive* found = find(drive);
    return found ? found->type : 0;
}

std::optional<Drives::VolumeInfo> FakeDrives::volumeInformation(const std::string& drive) {
    m_journal.add("drives.volume " + drive);
    const Drive* found = find(drive);
    return found ? found->volume : std::nullopt;
}

bool FakeDrives::videoFolderExists(const std::string& drive) {
    m_journal.add("drives.videoFolder " + drive);
    const Drive* found = find(drive);
    return found && found->volume && found->videoFolder;
}

bool FakeDrives::isRootOf(const std::string& drive, const std::string& root) {
    if (m_style == Style::Reference)
        return drive + "\\" == root;
    const Drive* found = find(drive);
    if (!found)
        return false;
    if (root == found->name)
        return true;
    const std::string& mount = found->mountPoint;
    return !mount.empty() && (root == mount || root == mount + "/" || root == "file://" + mount ||
                              root == "file://" + mount + "/");
}

bool FakeDrives::setDoor(const std::string& drive, bool open) {
    m_journal.add(std::string("drives.door ") + (open ? "open " : "close ") + drive);
    return !doorFails && find(drive) != nullptr;
}

bool FakeDrives::addVirtualDrive(const std::string& path) {
    m_journal.add("drives.addVirtual " + path);
    const auto image = discImages.find(path);
    if (image == discImages.end())
        return false;
    if (!find(path))
        add(path, kOptical, image->second, true);
    return true;
}

} // namespace lumadisc::test
