#include "core/skin/shortcuts.h"

#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "support/program_harness.h"

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

struct ShortcutsTest : ::testing::Test {
    ShortcutsTest() {
        harness.start();
        harness.journal.entries.clear();
    }
    std::vector<std::string> engineCalls() const { return harness.journal.with("engine."); }
    test::ProgramHarness harness;
};

TEST_F(ShortcutsTest, SpacePausesWhilePlayingAndPlaysOtherwise) {
    harness.engine.items = 1;
    harness.engine.playing = true;
    harness.engine.pos = 0.5f;
    harness.program->state.noDriveListed = false;
    EXPECT_TRUE(runShortcut(*harness.program, ShortcutKey::Space, false));
    EXPECT_EQ(engineCalls(), std::vector<std::string>{"engine.pause"});
    harness.journal.entries.clear();
    // Paused: the same key resumes through the play command.
    harness.program->state.driveLetters = {"D:"};
    harness.program->optionsDialog().dvdsList()[0].caption = "FILM (D:)";
    EXPECT_TRUE(runShortcut(*harness.program, ShortcutKey::Space, false));
    EXPECT_EQ(engineCalls(), std::vector<std::string>{"engine.play"});
}

TEST_F(ShortcutsTest, KeysRunTheControlBarCommandsTheyStandFor) {
    runShortcut(*harness.program, ShortcutKey::Down, false);
    runShortcut(*harness.program, ShortcutKey::Enter, false);
    runShortcut(*harness.program, ShortcutKey::F, false);
    EXPECT_EQ(engineCalls(),
              (std::vector<std::string>{"engine.setEngineVariable key-nav-down=100",
                                        "engine.setEngineVariable key-pressed=100",
                                        "engine.setEngineVariable key-nav-activate=97",
                                        "engine.setEngineVariable key-pressed=97",
                                        "engine.setEngineVariable key-fullscreen=102",
                                        "engine.setEngineVariable key-pressed=102"}));
    MainForm& main = harness.program->mainForm();
    runShortcut(*harness.program, ShortcutKey::Plus, false);
    EXPECT_EQ(main.volumeSlider.value, 51);
    EXPECT_EQ(harness.barMovie.variables["_level0.volumeText2.text"], "Volume 51");
    runShortcut(*harness.program, ShortcutKey::M, false);
    EXPECT_EQ(main.muteStatus.caption, "V");
}

TEST_F(ShortcutsTest, EscapeOnlyLeavesFullScreen) {
    EXPECT_FALSE(runShortcut(*harness.program, ShortcutKey::Escape, false));
    EXPECT_TRUE(engineCalls().empty());
    EXPECT_TRUE(runShortcut(*harness.program, ShortcutKey::Escape, true));
    EXPECT_EQ(engineCalls().size(), 2u);
}

} // namespace
} // namespace lumadisc
