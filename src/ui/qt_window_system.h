#pragma once

#include "core/platform/window_system.h"
#include "ui/movie_hook.h"

namespace lumadisc {

class ViewHub;

class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();
    void attach(ViewHub& hub) { m_hub = &hub; }

    ScreenMetrics screen() override;
    void dragWindow(WindowId window) override;
    void showModal(WindowId window) override;
    void focus(WindowId window) override;
    const MenuItem* popupMenu(WindowId owner, const MenuItem& menu) override;
    void hookMovie(WindowId window, bool install) override;
    [[noreturn]] void endProgram() override;

private:
    ViewHub* m_hub = nullptr;
    ScreenMetrics m_screen;
    MovieHook m_hook;
};

} // namespace lumadisc
