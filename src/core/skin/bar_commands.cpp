// The control bar movie's commands.
#include "core/options/options_dialog.h"
#include "core/platform/window_system.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/skin_movie.h"

namespace lumadisc {

void DvdBarForm::gui_Command(const std::string& command, const std::string& /*args*/) {
    Program& p = m_program;
    MainForm& main = p.mainForm();
    if (command == "ID_FS_drag") {
        main.DragWindow(WindowId::DvdBar);
    } else if (command == "power") {
        p.svc.windows.endProgram();
    } else if (command == "drivers") {
        OptionsDialog& options = p.optionsDialog();
        options.fileMenu_Click();
        if (const MenuItem* chosen = p.svc.windows.popupMenu(WindowId::DvdBar, options.openMenu()))
            options.menuItemChosen(*chosen);
    } else if (command == "vol+") {
        if (main.volumeSlider.value < 100) {
            ++main.volumeSlider.value;
            main.volumeSlider_MouseMove(1, 0, 0, 0);
            writeVolumeTexts();
        }
    } else if (command == "vol-") {
        if (main.volumeSlider.value >= 1) {
            --main.volumeSlider.value;
            main.volumeSlider_MouseMove(1, 0, 0, 0);
            writeVolumeTexts();
        }
    } else if (command == "play") {
        main.playButton_Click();
    } else if (command == "rewind") {
        main.rewindButton_Click();
    } else if (command == "ID_FS_mini") {
        windowState = WindowState::Minimized;
        main.visible = false;
    } else if (command == "ff") {
        main.ffButton_Click();
    } else if (command == "stop") {
        main.stopButton_Click();
    } else if (command == "pause") {
        main.pauseButton_Click();
    } else if (command == "mute") {
        main.muteStatus_Click();
    } else if (command == "ID_FS _about") {
        OptionsDialog& options = p.optionsDialog();
        if (const MenuItem* chosen = p.svc.windows.popupMenu(WindowId::DvdBar, options.helpMenu))
            options.menuItemChosen(*chosen);
    } else if (command == "option") {
        // The options window comes with its own work; until then the command does nothing.
    } else if (command == "snapshot") {
        // Snapshots come with their own work; until then the command does nothing.
    } else if (command == "open") {
        p.svc.barMovie.setVariable("_level0.dvdName.text", "<No DVD drive is selected>");
        p.svc.engine.stop();
        doorOpen = !doorOpen;
        SetDoor(p.state.selectedDrive, doorOpen);
    } else if (command == "fullscreen") {
        main.FullScreen();
    } else if (command == "navup") {
        dvdMenuKey("key-nav-up", 'u');
    } else if (command == "navdown") {
        dvdMenuKey("key-nav-down", 'd');
    } else if (command == "navright") {
        dvdMenuKey("key-nav-right", 'r');
    } else if (command == "navleft") {
        dvdMenuKey("key-nav-left", 'l');
    } else if (command == "enter") {
        dvdMenuKey("key-nav-activate", 'a');
    } else if (command == "ID_FS_exit") {
        p.unload(WindowId::DvdBar);
    }
}

void DvdBarForm::dvdMenuKey(const std::string& variable, char letter) {
    PlayerEngine& engine = m_program.svc.engine;
    const auto code = static_cast<std::int16_t>(letter);
    engine.setEngineVariable(variable, code);
    engine.setEngineVariable("key-pressed", code);
}

} // namespace lumadisc
