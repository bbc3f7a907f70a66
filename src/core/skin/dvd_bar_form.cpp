#include "core/skin/dvd_bar_form.h"

#include "core/platform/environment.h"
#include "core/platform/window_system.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/actions.h"
#include "core/skin/movie_size.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"

namespace lumadisc {

DvdBarForm::DvdBarForm(Program& program) : m_program(program) {
    caption = "Lumadisc";
}

void DvdBarForm::Form_Load() {
    Program& p = m_program;
    StartHook();
    SkinMovie& gui = p.svc.barMovie;
    Environment& env = p.svc.environment;
    const std::string file = env.joinPath(env.joinPath(env.dataFolder(), "Resources"), "GUI.qml");
    gui.loadMovie(file);
    const ScreenMetrics screen = p.svc.windows.screen();
    const MovieSize size = boundedMovieSize(gui, screen, file);
    width = size.width * screen.twipsPerPixelX;
    height = size.height * screen.twipsPerPixelY;
    left = (screen.widthPixels * screen.twipsPerPixelX - width) / 2;
    top = screen.heightPixels * screen.twipsPerPixelY - height - 70 * screen.twipsPerPixelY;
    gui.setSize(size.width, size.height);
    writeVolumeTexts();
    doorOpen = false;
}

void DvdBarForm::Form_Paint() {
    MainForm& main = m_program.mainForm();
    if (!main.visible)
        main.visible = true;
}

void DvdBarForm::Form_Resize() {
    MainForm& main = m_program.mainForm();
    if (windowState != WindowState::Minimized && !main.visible)
        main.visible = true;
}

void DvdBarForm::Form_Unload(int /*cancel*/) {
    m_program.mainForm().Form_Unload(0);
    StopHook();
    m_program.svc.windows.endProgram();
}

void DvdBarForm::gui_Command(const std::string& command, const std::string& /*args*/) {
    if (const Action* action = actionForCommand(command))
        action->perform(m_program);
}

void DvdBarForm::writeVolumeTexts() {
    Program& p = m_program;
    const std::string text =
        p.text("032", "Volume") + " " + std::to_string(p.mainForm().volumeSlider.value);
    p.svc.barMovie.setVariable(movievar::barVolumeText1, text);
    p.svc.barMovie.setVariable(movievar::barVolumeText2, text);
}

void DvdBarForm::StartHook() {
    m_program.svc.windows.hookMovie(WindowId::DvdBar, true);
}

void DvdBarForm::StopHook() {
    m_program.svc.windows.hookMovie(WindowId::DvdBar, false);
}

} // namespace lumadisc
