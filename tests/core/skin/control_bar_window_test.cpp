// The control bar window's own events and the movies' context-menu suppression.
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/hooking.h"
#include "support/program_harness.h"

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

TEST(ControlBarWindow, BringsTheMainWindowBackButNeverHidesIt) {
    test::ProgramHarness h;
    h.writeConfig(configText({"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0}));
    Program& p = h.start();
    MainForm& main = p.mainForm();
    DvdBarForm& bar = p.dvdBarForm();

    // Minimising the bar by itself leaves the main window as it is.
    bar.windowState = WindowState::Minimized;
    bar.Form_Resize();
    EXPECT_TRUE(main.visible);
    bar.windowState = WindowState::Maximized;
    main.visible = false;
    bar.Form_Resize();
    EXPECT_TRUE(main.visible);

    // A repaint shows a hidden main window whatever the bar's state.
    bar.windowState = WindowState::Minimized;
    main.visible = false;
    bar.Form_Paint();
    EXPECT_TRUE(main.visible);
    bar.Form_Paint();
    EXPECT_TRUE(main.visible);
}

TEST(MovieHook, OnlyTheContextMenuPressesBecomeNull) {
    EXPECT_EQ(MovieProc(msg::RightButtonDown, 0), msg::Null);
    EXPECT_EQ(MovieProc(msg::RightButtonDown, 2), msg::Null);
    EXPECT_EQ(MovieProc(msg::KeyDown, msg::VkApps), msg::Null);

    EXPECT_EQ(MovieProc(msg::RightButtonUp, 0), msg::RightButtonUp);
    EXPECT_EQ(MovieProc(msg::KeyUp, msg::VkApps), msg::KeyUp);
    EXPECT_EQ(MovieProc(msg::KeyDown, 'A'), msg::KeyDown);
    EXPECT_EQ(MovieProc(msg::KeyDown, 0x5C), msg::KeyDown);
    EXPECT_EQ(MovieProc(msg::LeftButtonDown, msg::VkApps), msg::LeftButtonDown);
    EXPECT_EQ(MovieProc(msg::LeftButtonUp, 0), msg::LeftButtonUp);
}

} // namespace
} // namespace lumadisc
