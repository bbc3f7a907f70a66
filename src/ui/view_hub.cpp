#include "ui/view_hub.h"

#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/shell/splash_form.h"
#include "core/skin/dvd_bar_form.h"
#include "ui/about_view.h"
#include "ui/disc_drop.h"
#include "ui/dvd_bar_view.h"
#include "ui/main_window_view.h"
#include "ui/options_view.h"
#include "ui/qml_skin_movie.h"
#include "ui/splash_view.h"
#include "ui/timer_driver.h"

#include <QCoreApplication>

#include <iostream>

namespace lumadisc {

ViewHub::ViewHub(Program& program, MainWindowView& main, DvdBarView& bar)
    : m_program(program), m_main(main), m_bar(bar), m_timers(std::make_unique<TimerDriver>(*this)) {
    m_main.attach(*this);
    m_bar.attach(*this);
    // The movies' commands are calls like any other: failures are caught, the views follow.
    for (auto [movie, window] : {std::pair<SkinMovie*, WindowId>{&m_main.player(), WindowId::Main},
                                 {&m_bar.gui(), WindowId::DvdBar}}) {
        movie->setCommandHandler(
            [this, window](const std::string& command, const std::string& args) {
                call([&] { m_program.movieCommand(window, command, args); });
            });
    }
    new DiscDrop(*this, &m_main);
    new DiscDrop(*this, &m_bar);
}

ViewHub::~ViewHub() = default;

void ViewHub::call(const std::function<void()>& handler) {
    run(handler);
    syncAll();
}

void ViewHub::run(const std::function<void()>& handler) {
    ++m_depth;
    try {
        handler();
    } catch (const std::exception& error) {
        // A failure no handler catches is reported and the program goes on.
        std::cerr << "Lumadisc: " << error.what() << std::endl;
    }
    --m_depth;
}

void ViewHub::syncAll() {
    Program& p = m_program;
    if (p.isLoaded(WindowId::Splash)) {
        if (!m_splash) {
            m_splash = std::make_unique<SplashView>();
        }
        m_splash->setVisible(p.splashForm().visible);
    } else {
        m_splash.reset();
    }

    AboutForm* about = p.loadedAboutForm();
    if (about != m_aboutForm) {
        // The window may be going away from inside one of its own signals.
        if (m_about)
            m_about.release()->deleteLater();
        m_aboutForm = about;
        if (about)
            m_about = std::make_unique<AboutView>(*this, &m_main);
    }
    if (m_about) {
        m_about->sync(*about);
        if (m_about->isVisible() != about->visible)
            m_about->setVisible(about->visible);
    }

    OptionsDialog* options = p.loadedOptionsDialog();
    if (options != m_optionsForm) {
        if (m_options)
            m_options.release()->deleteLater();
        m_optionsForm = options;
        if (options)
            m_options = std::make_unique<OptionsView>(*this, *options, &m_main);
    }
    if (m_options) {
        m_options->sync();
        if (m_options->isVisible() != options->visible)
            m_options->setVisible(options->visible);
    }

    if (DvdBarForm* bar = p.loadedDvdBarForm())
        m_bar.sync(*bar);
    if (MainForm* main = p.loadedMainForm())
        m_main.sync(*main);
    m_timers->sync();
    if (m_syncHook)
        m_syncHook();
}

QWidget* ViewHub::widgetOf(WindowId window) {
    switch (window) {
    case WindowId::Main:
        return &m_main;
    case WindowId::DvdBar:
        return &m_bar;
    case WindowId::About:
        syncAll();
        return m_about.get();
    case WindowId::Splash:
        return m_splash.get();
    case WindowId::Options:
        syncAll();
        return m_options.get();
    }
    return nullptr;
}

} // namespace lumadisc
