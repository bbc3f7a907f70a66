#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumadisc {

// The computer's drives. A drive string names a drive ("/dev/sr0", a disc image path, ...);
// the program never builds paths from it and asks this service for everything it needs.
class Drives {
public:
    static constexpr int kOptical = 5;

    struct VolumeInfo {
        std::string label;
        std::string fileSystem;
    };

    virtual ~Drives() = default;
    // Every logical drive, in the system's order.
    virtual std::vector<std::string> logicalDrives() = 0;
    // The drive's type; kOptical for optical drives.
    virtual int driveType(const std::string& drive) = 0;
    // Volume label and file-system name; nothing when the drive holds no readable disc.
    virtual std::optional<VolumeInfo> volumeInformation(const std::string& drive) = 0;
    // Whether the disc in the drive has its video folder (VIDEO_TS).
    virtual bool videoFolderExists(const std::string& drive) = 0;
    // Whether the disc in the drive is encrypted (CSS): its video packs are scrambled, or the
    // drive says so.
    virtual bool discEncrypted(const std::string& drive) = 0;
    // Changes when another disc is put in the drive or a disc image is replaced or rewritten;
    // "" when the drive holds no disc.
    virtual std::string discIdentity(const std::string& drive) = 0;
    // Whether `root` names the drive's root, as the desktop hands it to a disc handler.
    virtual bool isRootOf(const std::string& drive, const std::string& root) = 0;
    // Opens or closes the drive's tray; false on any failure.
    virtual bool setDoor(const std::string& drive, bool open) = 0;
    // Lists a disc image (a regular file holding an ISO 9660 or UDF volume) or a folder holding
    // VIDEO_TS as an optical drive; false when `path` names neither.
    virtual bool addVirtualDrive(const std::string& path) = 0;
};

} // namespace lumadisc
