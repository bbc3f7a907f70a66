#include "linux/optical_device.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits> // CDSL_CURRENT is INT_MAX

namespace lumadisc {

namespace {

// O_NONBLOCK lets the open succeed on a drive without a disc or with its tray open.
class DeviceHandle {
public:
    explicit DeviceHandle(const std::string& node)
        : m_fd(::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {}
    ~DeviceHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    DeviceHandle(const DeviceHandle&) = delete;
    DeviceHandle& operator=(const DeviceHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

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
    DeviceHandle device(path);
    return device.fd() >= 0 &&
           ::ioctl(device.fd(), CDROM_DRIVE_STATUS, CDSL_CURRENT) == CDS_DISC_OK;
}

bool moveTray(const std::string& node, bool open) {
    DeviceHandle device(node);
    return device.fd() >= 0 && ::ioctl(device.fd(), open ? CDROMEJECT : CDROMCLOSETRAY, 0) == 0;
}

} // namespace lumadisc
