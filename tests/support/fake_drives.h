#pragma once

#include "core/platform/drives.h"
#include "support/journal.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumadisc::test {

// Drives as plain data. The reference style names drives "D:" with the root "D:\"; the Linux
// style names them by device node and accepts the mount point as a path, with or without a
// trailing slash, or as a file:// URI, and the node itself.
class FakeDrives : public Drives {
public:
    enum class Style { Reference, Linux };

    struct Drive {
        std::string name;
        int type = kOptical;
        std::optional<VolumeInfo> volume;
        bool videoFolder = false;
        std::string mountPoint; // Linux style
    };

    FakeDrives(Journal& journal, Style style) : m_journal(journal), m_style(style) {}

    std::vector<Drive> drives;
    bool doorFails = false;
    // Disc images and copied discs that addVirtualDrive lists as drives of their own.
    std::map<std::string, VolumeInfo> discImages;

    Drive& add(std::string name, int type, std::optional<VolumeInfo> volume, bool videoFolder,
               std::string mountPoint = {});
    Drive* find(const std::string& name);

    std::vector<std::string> logicalDrives() override;
    int driveType(const std::string& drive) override;
    std::optional<VolumeInfo> volumeInformation(const std::string& drive) override;
    bool videoFolderExists(const std::string& drive) override;
    bool isRootOf(const std::string& drive, const std::string& root) override;
    bool setDoor(const std::string& drive, bool open) override;
    bool addVirtualDrive(const std::string& path) override;

private:
    Journal& m_journal;
    Style m_style;
};

} // namespace lumadisc::test
