#pragma once

#include "core/platform/window_system.h"

#include <QObject>

#include <cstdint>
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

// Connects the views to the program. What the user does in a view reaches the core handler
// through call(), which catches what escapes a handler and then brings every view in line with
// its window; views never change a window themselves. The hub makes the views of the windows
// that load later (About, the splash) and lets them go once their windows are unloaded.
class ViewHub : public QObject {
    Q_OBJECT

public:
    ViewHub(Program& program, MainWindowView& main, DvdBarView& bar);
    ~ViewHub() override;
    ViewHub(const ViewHub&) = delete;
    ViewHub& operator=(const ViewHub&) = delete;

    Program& program() { return m_program; }
    MainWindowView& mainView() { return m_main; }
    DvdBarView& barView() { return m_bar; }

    // Runs a core handler, then syncs the views.
    void call(const std::function<void()>& handler);
    // Runs a core handler that is known to leave every window as it was.
    void run(const std::function<void()>& handler);
    // Runs a timer's handler and syncs the views only if it changed something they show: most
    // status ticks change nothing.
    void tick(const std::function<void()>& handler);
    // Brings every view in line with its window's state; at the outermost level, windows
    // unloaded meanwhile are then freed.
    void syncAll();
    // Runs at the end of every syncAll, for what follows the windows' state outside the views.
    void setSyncHook(std::function<void()> hook) { m_syncHook = std::move(hook); }
    // True once a handler ended the program: nothing runs any more, the event loop is ending.
    bool ending() const { return m_ending; }

signals:
    // A window's view came or went (nullptr): the window system shows what the hub holds.
    void viewChanged(WindowId window, QWidget* widget);

private:
    void connectMainView();
    void connectBarView();
    void syncAbout();
    void syncOptions();
    void end();

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
    std::uint64_t m_shownChanges = 0;
    int m_depth = 0;
    bool m_ending = false;
};

} // namespace lumadisc
