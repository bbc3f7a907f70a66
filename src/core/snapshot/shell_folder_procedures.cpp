// The user's shell folders, as the main window asks for them.
#include "core/platform/shell_folders.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"

namespace lumadisc {

std::string MainForm::GetDesktopFolder() {
    return m_program.svc.shellFolders.desktopFolder();
}

std::string MainForm::GetLocalAppDataFolder() {
    return m_program.svc.shellFolders.localAppDataFolder();
}

} // namespace lumadisc
