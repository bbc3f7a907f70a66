#pragma once

#include "core/lang/language_reader.h"
#include "core/platform/window_system.h"
#include "core/shell/program_state.h"
#include "core/shell/services.h"

#include <memory>
#include <vector>

namespace lumadisc {

class MainForm;
class DvdBarForm;
class OptionsDialog;
class AboutForm;
class SplashForm;

// Composes the windows, the program-wide state and the services. Windows are single instances
// created on first use, as the program's windows are loaded when first touched.
class Program {
public:
    explicit Program(const Services& services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Services svc;
    ProgramState state;
    LanguageReader lang;

    // The main window, the start-up object, exists from the start.
    MainForm& mainForm();
    // Each of these loads its window (running its load steps) when it is not loaded.
    DvdBarForm& dvdBarForm();
    OptionsDialog& optionsDialog();
    AboutForm& aboutForm();
    SplashForm& splashForm();

    bool isLoaded(WindowId window) const;
    // Runs the window's unload handler, then discards it. Unloading a window that is not loaded,
    // or that is being unloaded, has no effect.
    void unload(WindowId window);
    // Frees the windows discarded since the last call. An unload may run inside one of the
    // window's own handlers, so whoever calls the handlers calls this once they have returned.
    void deleteUnloaded() { m_discarded.clear(); }

    // True while the main window shows the idle player, as the status tick leaves it when the
    // engine has no disc: transport off, loading frame shown, no status. The engine leaves that
    // state only through a call of the program, so until then a tick finds nothing new.
    bool showsIdlePlayer();
    // True while the disc watch has no drive to look at and no failed disc to forget: its ticks
    // change nothing until a call of the program chooses a drive.
    bool watchesNoDrive() const { return state.watchedDrive.empty() && state.failedDisc.empty(); }

    // The windows as they are, without loading them; nullptr when not loaded.
    MainForm* loadedMainForm() { return m_mainLoaded ? m_main.get() : nullptr; }
    DvdBarForm* loadedDvdBarForm() { return m_dvdBar.get(); }
    OptionsDialog* loadedOptionsDialog() { return m_options.get(); }
    AboutForm* loadedAboutForm() { return m_about.get(); }
    SplashForm* loadedSplashForm() { return m_splash.get(); }

    // A command event of the movie of `window` (the player's or the control bar's), handed to
    // that window while it is loaded.
    void movieCommand(WindowId window, const std::string& command, const std::string& args);

    // Text lookup shorthand used everywhere a translatable text is needed.
    std::string text(const std::string& key, const std::string& defaultText) {
        return lang.SetCaptionfromINI(key, defaultText);
    }

private:
    std::unique_ptr<MainForm> m_main;
    std::unique_ptr<DvdBarForm> m_dvdBar;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<AboutForm> m_about;
    std::unique_ptr<SplashForm> m_splash;
    bool m_mainLoaded = true;
    bool m_unloading[5] = {};
    std::vector<std::shared_ptr<void>> m_discarded;
};

} // namespace lumadisc
