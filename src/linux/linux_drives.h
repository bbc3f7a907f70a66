#pragma once

#include "core/platform/drives.h"

#include <string>
#include <vector>

namespace lumadisc {

// Optical drives are the block devices of SCSI peripheral type 5, named by their device nodes
// (/dev/sr0); disc images and video folders added as virtual drives follow them, named by their
// absolute paths. The roots are parameters so that tests can use fake trees.
class LinuxDrives : public Drives {
public:
    explicit LinuxDrives(std::string sysfsRoot = "/sys", std::string devRoot = "/dev",
                         std::string mountTable = "/proc/self/mounts");

    std::vector<std::string> logicalDrives() override;
    int driveType(const std::string& drive) override;
    std::optional<VolumeInfo> volumeInformation(const std::string& drive) override;
    bool videoFolderExists(const std::string& drive) override;
    bool discEncrypted(const std::string& drive) override;
    std::string discIdentity(const std::string& drive) override;
    bool isRootOf(const std::string& drive, const std::string& root) override;
    bool setDoor(const std::string& drive, bool open) override;
    bool addVirtualDrive(const std::string& path) override;

private:
    std::vector<std::string> opticalDrives() const;
    bool isOpticalDrive(const std::string& drive) const;
    bool isVirtualDrive(const std::string& drive) const;

    std::string m_sysfsRoot;
    std::string m_devRoot;
    std::string m_mountTable;
    // Absolute paths without a trailing slash, each once, in the order they were added.
    std::vector<std::string> m_virtualDrives;
};

} // namespace lumadisc
