#pragma once
// The set-up most core tests share: the whole program over fakes, with saved settings.
#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "core/skin/dvd_bar_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace lumadisc::test {

using Names = std::vector<std::string>;
using Volume = Drives::VolumeInfo;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

inline const SettingsRecord kSaved{"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0};

class StartedProgram : public ::testing::Test {
protected:
    explicit StartedProgram(FakeDrives::Style style = FakeDrives::Style::Reference) : h(style) {
        h.writeConfig(configText(kSaved));
    }
    // Starts the program and forgets what the start did.
    void start() {
        h.start();
        h.journal.entries.clear();
    }
    // Runs `action` and returns what it made the fakes do.
    Names journalOf(const std::function<void()>& action) {
        h.journal.entries.clear();
        action();
        return h.journal.entries;
    }
    void engineState(float position, bool playing, long items = 1) {
        h.engine.pos = position;
        h.engine.playing = playing;
        h.engine.items = items;
    }
    // A tick that finds the title playing at `position`, `elapsed` s into `length`.
    void playingTick(float position = 0.25f, long elapsed = 10, long length = 20) {
        engineState(position, true);
        h.engine.elapsed = elapsed;
        h.engine.length = length;
        main().movieTimer_Timer();
    }
    Program& program() { return *h.program; }
    ProgramState& state() { return h.program->state; }
    MainForm& main() { return h.program->mainForm(); }
    OptionsDialog& options() { return h.program->optionsDialog(); }
    DvdBarForm& bar() { return h.program->dvdBarForm(); }
    AboutForm& about() { return h.program->aboutForm(); }
    Names menu() {
        Names captions;
        for (const MenuItem& item : options().dvdsList())
            captions.push_back(item.caption);
        return captions;
    }

    ProgramHarness h;
};

} // namespace lumadisc::test
