// Opening and closing a drive's tray; every failure is silent.
#include "core/platform/drives.h"
#include "core/shell/program.h"
#include "core/skin/dvd_bar_form.h"

namespace lumadisc {

void DvdBarForm::SetDoor(const std::string& drive, const bool& open) {
    try {
        m_program.svc.drives.setDoor(drive, open);
    } catch (const std::exception&) {
        // The tray stays as it is; nobody is told.
    }
}

void DvdBarForm::Eject(const std::string& drive) {
    SetDoor(drive, true);
}

void DvdBarForm::CloseDoor(const std::string& drive) {
    SetDoor(drive, false);
}

} // namespace lumadisc
