#pragma once

#include "core/shell/program.h"
#include "support/fake_clock.h"
#include "support/fake_drives.h"
#include "support/fake_engine.h"
#include "support/fake_environment.h"
#include "support/fake_services.h"
#include "support/fake_skin_movie.h"
#include "support/journal.h"
#include "support/test_paths.h"

#include <memory>

namespace lumadisc::test {

// The whole program over fakes, in an application folder of its own.
struct ProgramHarness {
    explicit ProgramHarness(FakeDrives::Style style = FakeDrives::Style::Reference);

    TempDir appFolder;
    TempDir tempFolder;
    TempDir stateFolder;
    Journal journal;
    FakeEngine engine{journal};
    FakeSkinMovie playerMovie{journal, "player", 385, 400};
    FakeSkinMovie barMovie{journal, "bar", 800, 100};
    FakeClock clock{&journal};
    FakeDrives drives;
    FakeEnvironment environment;
    FakeShellFolders shellFolders;
    FakeSingleInstance singleInstance{journal};
    FakeDiskSpace diskSpace;
    FakeDialogs dialogs{journal};
    FakeWindowSystem windows{journal};
    FakeLauncher launcher{journal};
    FakeDiscHandlers discHandlers{journal};
    FakeDesktop desktop{journal};
    FakeDiscInfo discInfo{journal};
    std::unique_ptr<Program> program;

    // Creates the program and runs the main window's initialize and load events.
    Program& start();

    std::string configPath() const { return (appFolder.path() / "Config.cfg").string(); }
    void writeConfig(const std::string& bytes) const { writeFile(configPath(), bytes); }
    std::string config() const { return readFile(configPath()); }
    // Installs a language pack file in the application folder's Lang folder.
    void writePack(const std::string& name, const std::string& bytes) const {
        writeFile(appFolder.path() / "Lang" / name, bytes);
    }
};

} // namespace lumadisc::test
