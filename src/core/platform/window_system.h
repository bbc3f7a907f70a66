#pragma once

#include "core/controls.h"

namespace lumadisc {

enum class WindowId { Splash, Main, DvdBar, Options, About };

struct ScreenMetrics {
    int widthPixels = 0;
    int heightPixels = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

// What the windows need from the toolkit beyond their own state.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual ScreenMetrics screen() = 0;
    // Lets the user move the window with the mouse, as if its title bar were dragged.
    virtual void dragWindow(WindowId window) = 0;
    // Shows the window modally; returns once it is hidden or unloaded.
    virtual void showModal(WindowId window) = 0;
    // Gives the window the keyboard focus.
    virtual void focus(WindowId window) = 0;
    // Shows `menu`'s visible items as a pop-up at the mouse position over `owner`; returns the
    // chosen item (nullptr when none was chosen).
    virtual const MenuItem* popupMenu(WindowId owner, const MenuItem& menu) = 0;
    // Installs (or removes) the replacement procedure of the window's skin movie, through
    // which every mouse and key message passes before the movie sees it (see hooking.h).
    virtual void hookMovie(WindowId window, bool install) = 0;
    // Ends the program at once: no further handler of any window runs. The process then lets go
    // of what it holds (the engine, its name on the desktop bus) and exits.
    [[noreturn]] virtual void endProgram() = 0;
    // Ends the process on the spot, holding on to everything until it is gone.
    [[noreturn]] virtual void endProcessNow() = 0;
};

} // namespace lumadisc
