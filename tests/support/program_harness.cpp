#include "support/program_harness.h"

#include "core/shell/main_form.h"

namespace lumadisc::test {

ProgramHarness::ProgramHarness(FakeDrives::Style style) : drives(journal, style) {
    environment.appFolder = appFolder.str();
    environment.temp = tempFolder.str();
    environment.state = stateFolder.str();
}

Program& ProgramHarness::start() {
    program = std::make_unique<Program>(Services{
        engine, playerMovie, barMovie, clock, drives, environment, shellFolders, singleInstance,
        diskSpace, dialogs, windows, launcher, discHandlers, desktop, desktop, desktop, discInfo});
    program->mainForm().Form_Initialize();
    program->mainForm().Form_Load();
    return *program;
}

} // namespace lumadisc::test
