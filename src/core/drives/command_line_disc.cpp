#include "core/drives/command_line_disc.h"

#include "core/platform/drives.h"

namespace lumadisc {

bool offerDisc(Drives& drives, const std::string& path) {
    if (path.empty())
        return false;
    for (const std::string& drive : drives.logicalDrives())
        if (drives.driveType(drive) == Drives::kOptical && drives.isRootOf(drive, path))
            return true;
    return drives.addVirtualDrive(path);
}

} // namespace lumadisc
