#include "core/skin/shortcuts.h"

#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/dvd_bar_form.h"

namespace lumadisc {

bool runShortcut(Program& program, ShortcutKey key, bool fullScreen) {
    DvdBarForm& bar = program.dvdBarForm();
    switch (key) {
    case ShortcutKey::Space:
        bar.gui_Command(program.svc.engine.isPlaying() ? "pause" : "play", "");
        return true;
    case ShortcutKey::S:
        bar.gui_Command("stop", "");
        return true;
    case ShortcutKey::Up:
        bar.gui_Command("navup", "");
        return true;
    case ShortcutKey::Down:
        bar.gui_Command("navdown", "");
        return true;
    case ShortcutKey::Left:
        bar.gui_Command("navleft", "");
        return true;
    case ShortcutKey::Right:
        bar.gui_Command("navright", "");
        return true;
    case ShortcutKey::Enter:
        bar.gui_Command("enter", "");
        return true;
    case ShortcutKey::F:
        bar.gui_Command("fullscreen", "");
        return true;
    case ShortcutKey::Escape:
        if (!fullScreen)
            return false;
        program.mainForm().FullScreen();
        return true;
    case ShortcutKey::M:
        bar.gui_Command("mute", "");
        return true;
    case ShortcutKey::Plus:
        bar.gui_Command("vol+", "");
        return true;
    case ShortcutKey::Minus:
        bar.gui_Command("vol-", "");
        return true;
    }
    return false;
}

} // namespace lumadisc
