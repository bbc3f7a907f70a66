#include "linux/linux_disk_space.h"

#include <sys/statvfs.h>

namespace lumadisc {

bool LinuxDiskSpace::query(const std::string& folder, Figures& figures) {
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0)
        return false;
    figures.availableToUser = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize;
    figures.total = static_cast<std::uint64_t>(info.f_blocks) * info.f_frsize;
    figures.totalFree = static_cast<std::uint64_t>(info.f_bfree) * info.f_frsize;
    return true;
}

} // namespace lumadisc
