#include "core/shell/program.h"

#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "core/shell/splash_form.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/skin_movie.h"

namespace lumadisc {

Program::Program(const Services& services)
    : svc(services), lang(services.environment, services.clock, state.settings.languageFile),
      m_main(std::make_unique<MainForm>(*this)) {
    svc.playerMovie.setCommandHandler([this](const std::string& command, const std::string& args) {
        movieCommand(WindowId::Main, command, args);
    });
    svc.barMovie.setCommandHandler([this](const std::string& command, const std::string& args) {
        movieCommand(WindowId::DvdBar, command, args);
    });
}

void Program::movieCommand(WindowId window, const std::string& command, const std::string& args) {
    if (window == WindowId::Main && m_mainLoaded)
        m_main->player_Command(command, args);
    else if (window == WindowId::DvdBar && m_dvdBar)
        m_dvdBar->gui_Command(command, args);
}

Program::~Program() = default;

MainForm& Program::mainForm() {
    return *m_main;
}

DvdBarForm& Program::dvdBarForm() {
    if (!m_dvdBar) {
        m_dvdBar = std::make_unique<DvdBarForm>(*this);
        m_dvdBar->Form_Load();
    }
    return *m_dvdBar;
}

OptionsDialog& Program::optionsDialog() {
    if (!m_options) {
        m_options = std::make_unique<OptionsDialog>(*this);
        m_options->Form_Load();
    }
    return *m_options;
}

AboutForm& Program::aboutForm() {
    if (!m_about) {
        m_about = std::make_unique<AboutForm>(*this);
        m_about->Form_Load();
    }
    return *m_about;
}

SplashForm& Program::splashForm() {
    if (!m_splash)
        m_splash = std::make_unique<SplashForm>();
    return *m_splash;
}

bool Program::isLoaded(WindowId window) const {
    switch (window) {
    case WindowId::Splash:
        return m_splash != nullptr;
    case WindowId::Main:
        return m_mainLoaded;
    case WindowId::DvdBar:
        return m_dvdBar != nullptr;
    case WindowId::Options:
        return m_options != nullptr;
    case WindowId::About:
        return m_about != nullptr;
    }
    return false;
}

bool Program::showsIdlePlayer() {
    const MainForm* main = loadedMainForm();
    return main && !main->playButton.enabled && main->logoHide.visible &&
           main->timeElapsed.caption->empty();
}

namespace {
// Kept until deleteUnloaded, since an unload may run from inside one of the window's own
// handlers.
template <typename T>
void discard(std::unique_ptr<T>& window, std::vector<std::shared_ptr<void>>& kept) {
    kept.push_back(std::shared_ptr<T>(std::move(window)));
}
} // namespace

void Program::unload(WindowId window) {
    const auto slot = static_cast<std::size_t>(window);
    if (!isLoaded(window) || m_unloading[slot])
        return;
    m_unloading[slot] = true;
    switch (window) {
    case WindowId::Splash:
        discard(m_splash, m_discarded);
        break;
    case WindowId::Main:
        // The main window object stays: the other windows keep reaching its procedures.
        m_main->Form_Unload(0);
        m_mainLoaded = false;
        break;
    case WindowId::DvdBar:
        m_dvdBar->Form_Unload(0);
        discard(m_dvdBar, m_discarded);
        break;
    case WindowId::Options:
        discard(m_options, m_discarded);
        break;
    case WindowId::About:
        discard(m_about, m_discarded);
        break;
    }
    m_unloading[slot] = false;
}

} // namespace lumadisc
