#include "linux/optical_device.h"

#include "linux/file_descriptor.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <climits> // CDSL_CURRENT is INT_MAX

namespace lumadisc {

namespace {

// O_NONBLOCK lets the open succeed on a drive without a disc or with its tray open.
FileDescriptor openDevice(const std::string& node) {
    return FileDescriptor(::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
}

} // namespace

bool isBlockDevice(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISBLK(info.st_mode);
}

bool discReady(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    if (S_ISREG(info.st_mode))
        return true;
    if (!S_ISBLK(info.st_mode))
        return false;
    const FileDescriptor device = openDevice(path);
    return device.valid() && ::ioctl(device.get(), CDROM_DRIVE_STATUS, CDSL_CURRENT) == CDS_DISC_OK;
}

bool moveTray(const std::string& node, bool open) {
    const FileDescriptor device = openDevice(node);
    return device.valid() && ::ioctl(device.get(), open ? CDROMEJECT : CDROMCLOSETRAY, 0) == 0;
}

} // namespace lumadisc
