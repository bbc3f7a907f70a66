#pragma once

#include "core/platform/window_system.h"
#include "ui/movie_hook.h"

#include <QObject>
#include <QPointer>

#include <array>

class QWidget;

namespace lumadisc {

class DvdBarView;
class MainWindowView;

// The screen as the windows measure it: pixels and twips per pixel.
ScreenMetrics readScreenMetrics();

// Thrown by QtWindowSystem::endProgram and caught where the views call the core (ViewHub):
// unwinding skips every step still to come, as ending the program at once must. It is no
// std::exception, so that no handler that ends silently on failures can swallow it.
struct ProgramEnding {};

// The toolkit's side of the windows. It knows the widget of each window that has one: the two
// windows that live as long as the program from the start, the others as the views announce them.
class QtWindowSystem : public QObject, public WindowSystem {
    Q_OBJECT

public:
    QtWindowSystem(const ScreenMetrics& screen, MainWindowView& main, DvdBarView& bar);

    // The window's widget from now on; nullptr when it has none (not loaded).
    void setView(WindowId window, QWidget* widget);
    QWidget* view(WindowId window) const;

    ScreenMetrics screen() override;
    void dragWindow(WindowId window) override;
    void showModal(WindowId window) override;
    void focus(WindowId window) override;
    const MenuItem* popupMenu(WindowId owner, const MenuItem& menu) override;
    void hookMovie(WindowId window, bool install) override;
    [[noreturn]] void endProgram() override;
    [[noreturn]] void endProcessNow() override;

signals:
    // Asks the views to follow their windows now: a window loaded by the running handler is
    // about to be shown before that handler returns.
    void viewsWanted();

private:
    ScreenMetrics m_screen;
    MainWindowView& m_main;
    DvdBarView& m_bar;
    std::array<QPointer<QWidget>, 5> m_views;
    MovieHook m_hook;
};

} // namespace lumadisc
