#include "core/drives/command_line_disc.h"

#include "core/platform/drives.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"

namespace lumadisc {

bool offerDisc(Drives& drives, const std::string& path) {
    if (path.empty())
        return false;
    for (const std::string& drive : drives.logicalDrives())
        if (drives.driveType(drive) == Drives::kOptical && drives.isRootOf(drive, path))
            return true;
    return drives.addVirtualDrive(path);
}

void playDroppedDisc(Program& program, const std::string& path) {
    if (offerDisc(program.svc.drives, path))
        program.mainForm().PlayDVD(path);
}

} // namespace lumadisc
