#pragma once

#include "core/platform/window_system.h"

#include <functional>
#include <memory>

class QWidget;

namespace lumadisc {

class Program;
class MainWindowView;
class DvdBarView;
class AboutView;
class OptionsView;
class SplashView;
class TimerDriver;

// Holds the views of all windows. Every call from a widget into the core goes through call(),
// which catches what escapes a handler and then brings every view in line with its window.
class ViewHub {
public:
    ViewHub(Program& program, MainWindowView& main, DvdBarView& bar);
    ~ViewHub();
    ViewHub(const ViewHub&) = delete;
    ViewHub& operator=(const ViewHub&) = delete;

    Program& program() { return m_program; }
    MainWindowView& mainView() { return m_main; }
    DvdBarView& barView() { return m_bar; }

    // Runs a core handler, then syncs the views.
    void call(const std::function<void()>& handler);
    // Runs a core handler that is known to leave every window as it was.
    void run(const std::function<void()>& handler);
    // Brings every view in line with its window's state.
    void syncAll();
    // Runs at the end of every syncAll, for what follows the windows' state outside the views.
    void setSyncHook(std::function<void()> hook) { m_syncHook = std::move(hook); }
    // The top-level widget of a window; nullptr when the window is not loaded.
    QWidget* widgetOf(WindowId window);

private:
    Program& m_program;
    MainWindowView& m_main;
    DvdBarView& m_bar;
    std::unique_ptr<AboutView> m_about;
    std::unique_ptr<OptionsView> m_options;
    std::unique_ptr<SplashView> m_splash;
    std::unique_ptr<TimerDriver> m_timers;
    std::function<void()> m_syncHook;
    const void* m_aboutForm = nullptr;
    const void* m_optionsForm = nullptr;
    int m_depth = 0;
};

} // namespace lumadisc
