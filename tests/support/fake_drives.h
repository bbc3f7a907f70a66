#pragma once

#include "core/platform/drives.h"
#include "support/journal.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumadisc::test {

// Drives as plain data. The reference style names drives "D:" with the root "D:\"; the Linux
// style names them by device node, whose root is the node itself or its mount point.
class FakeDrives : public Drives, Journalled {
public:
    enum class Style { Reference, Linux };

    struct Drive {
        std::string name;
        int type = kOptical;
        std::optional<VolumeInfo> volume;
        bool videoFolder = false;
        std::string mountPoint; // Linux style
        bool encrypted = false;
        // What discIdentity reports while the drive holds a disc; change it to swap the disc.
        std::string identity = "first disc";
    };

    FakeDrives(Journal& journal, Style style) : Journalled(journal), m_style(style) {}

    std::vector<Drive> drives;
    // Disc images and copied discs that addVirtualDrive lists as drives of their own.
    std::map<std::string, VolumeInfo> discImages;

    Drive& add(std::string name, int type, std::optional<VolumeInfo> volume, bool videoFolder,
               std::string mountPoint = {}) {
        return drives.emplace_back(
            Drive{std::move(name), type, std::move(volume), videoFolder, std::move(mountPoint)});
    }
    Drive* find(const std::string& name) {
        const auto found = std::ranges::find(drives, name, &Drive::name);
        return found == drives.end() ? nullptr : &*found;
    }

    std::vector<std::string> logicalDrives() override {
        std::vector<std::string> names(drives.size());
        std::ranges::transform(drives, names.begin(), &Drive::name);
        return names;
    }
    int driveType(const std::string& drive) override { return at(drive).type; }
    std::optional<VolumeInfo> volumeInformation(const std::string& drive) override {
        m_journal.add("drives.volume " + drive);
        return at(drive).volume;
    }
    bool videoFolderExists(const std::string& drive) override {
        return at(drive).volume && at(drive).videoFolder;
    }
    bool discEncrypted(const std::string& drive) override { return at(drive).encrypted; }
    std::string discIdentity(const std::string& drive) override {
        return at(drive).volume ? at(drive).identity : "";
    }
    bool isRootOf(const std::string& drive, const std::string& root) override {
        if (m_style == Style::Reference)
            return drive + "\\" == root;
        const Drive& found = at(drive);
        return !found.name.empty() &&
               (root == found.name || (!root.empty() && root == found.mountPoint));
    }
    bool setDoor(const std::string& drive, bool open) override {
        m_journal.add(std::string("drives.door ") + (open ? "open " : "close ") + drive);
        return find(drive) != nullptr;
    }
    bool addVirtualDrive(const std::string& path) override {
        const auto image = discImages.find(path);
        if (image == discImages.end())
            return false;
        if (!find(path))
            add(path, kOptical, image->second, true);
        return true;
    }

private:
    // The drive of that name, or one of no type and without a disc.
    const Drive& at(const std::string& name) {
        const Drive* found = find(name);
        return found ? *found : m_none;
    }
    Style m_style;
    const Drive m_none{"", 0, std::nullopt, false, ""};
};

} // namespace lumadisc::test
