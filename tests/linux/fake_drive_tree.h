#pragma once

#include "linux/linux_drives.h"
#include "support/test_paths.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace lumadisc::test {

// A sysfs tree, a /dev folder whose "device nodes" are regular files or links to disc images,
// and a mount table, all in a temporary folder.
class FakeDriveTree {
public:
    FakeDriveTree() {
        std::filesystem::create_directories(sysfs() / "class/block");
        std::filesystem::create_directories(dev());
        writeFile(mountTable(), "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n");
    }

    std::filesystem::path sysfs() const { return root() / "sys"; }
    std::filesystem::path dev() const { return root() / "dev"; }
    std::filesystem::path mountTable() const { return root() / "mounts"; }
    const std::filesystem::path& root() const { return m_root.path(); }
    std::string str() const { return m_root.str(); }
    std::string node(const std::string& name) const { return (dev() / name).string(); }
    LinuxDrives drives() const { return LinuxDrives(sysfs(), dev(), mountTable()); }

    // A block device as the kernel lists it: a link in class/block to its folder under
    // devices/, with the SCSI peripheral type when it has a device (partitions have none).
    void addBlock(const std::string& name, const std::string& type = "") {
        const auto folder = sysfs() / "devices/pci0000:00/host0/block" / name;
        std::filesystem::create_directories(folder);
        if (!type.empty())
            writeFile(folder / "device/type", type + "\n");
        std::filesystem::create_directory_symlink(folder, sysfs() / "class/block" / name);
    }
    // An optical drive holding `image`: the node is a link to it.
    std::string addOpticalDrive(const std::string& name, const std::filesystem::path& image) {
        addBlock(name, "5");
        std::filesystem::create_symlink(image, dev() / name);
        return node(name);
    }
    // One line per mount, as the kernel writes them (blanks in `folder` must already be \040).
    void addMount(const std::string& source, const std::string& folder) {
        std::ofstream(mountTable(), std::ios::app) << source << " " << folder << " udf ro 0 0\n";
    }

private:
    TempDir m_root;
};

} // namespace lumadisc::test
