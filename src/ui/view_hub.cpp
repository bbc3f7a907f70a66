#include "ui/view_hub.h"

#include "core/controls.h"
#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/shell/splash_form.h"
#include "core/skin/dvd_bar_form.h"
#include "ui/about_view.h"
#include "ui/disc_drop.h"
#include "ui/dvd_bar_view.h"
#include "ui/keyboard.h"
#include "ui/main_window_view.h"
#include "ui/options_view.h"
#include "ui/qml_skin_movie.h"
#include "ui/qt_window_system.h"
#include "ui/splash_view.h"
#include "ui/timer_driver.h"

#include <QApplication>
#include <QKeyEvent>

#include <iostream>

namespace lumadisc {

ViewHub::ViewHub(Program& program, MainWindowView& main, DvdBarView& bar)
    : m_program(program), m_main(main), m_bar(bar), m_timers(std::make_unique<TimerDriver>(*this)) {
    connectMainView();
    connectBarView();
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

void ViewHub::connectMainView() {
    MainForm& form = m_program.mainForm();
    auto click = [this, &form](void (MainWindowView::*signal)(), void (MainForm::*handler)()) {
        connect(&m_main, signal, this,
                [this, &form, handler] { call([&] { (form.*handler)(); }); });
    };
    click(&MainWindowView::playClicked, &MainForm::playButton_Click);
    click(&MainWindowView::pauseClicked, &MainForm::pauseButton_Click);
    click(&MainWindowView::stopClicked, &MainForm::stopButton_Click);
    click(&MainWindowView::rewindClicked, &MainForm::rewindButton_Click);
    click(&MainWindowView::ffClicked, &MainForm::ffButton_Click);
    click(&MainWindowView::muteClicked, &MainForm::muteStatus_Click);
    click(&MainWindowView::stageDoubleClicked, &MainForm::FullScreen);
    click(&MainWindowView::resumeNoticeClicked, &MainForm::resumeNotice_Click);

    // The handlers take positions in twips.
    const ScreenMetrics screen = m_program.svc.windows.screen();
    auto twips = [screen](QPoint pos) {
        return std::pair{static_cast<float>(pos.x() * screen.twipsPerPixelX),
                         static_cast<float>(pos.y() * screen.twipsPerPixelY)};
    };
    connect(&m_main, &MainWindowView::volumeMoved, this,
            [this, &form, twips](int value, int button, QPoint pos) {
                call([&] {
                    form.volumeSlider.value = value;
                    const auto [x, y] = twips(pos);
                    form.volumeSlider_MouseMove(button, 0, x, y);
                });
            });
    connect(&m_main, &MainWindowView::progressPressed, this,
            [this, &form, twips](int button, QPoint pos) {
                call([&] {
                    const auto [x, y] = twips(pos);
                    form.movieProgress_MouseDown(button, 0, x, y);
                });
            });
    // Dragged by the user: the form takes the new place, or the next sync would move it back.
    connect(&m_main, &MainWindowView::movedTo, this, [this, &form, screen](QPoint topLeft) {
        run([&] {
            if (!m_program.isLoaded(WindowId::Main))
                return;
            form.left = topLeft.x() * screen.twipsPerPixelX;
            form.top = topLeft.y() * screen.twipsPerPixelY;
        });
    });
    connect(&m_main, &MainWindowView::closeRequested, this,
            [this] { call([this] { m_program.unload(WindowId::Main); }); });
    connect(&m_main, &MainWindowView::keyPressed, this,
            [this](QKeyEvent* event) { event->setAccepted(handleShortcut(*this, event)); });
    connect(&m_main, &MainWindowView::fullScreenLeft, this, &ViewHub::syncAll);
}

void ViewHub::connectBarView() {
    const ScreenMetrics screen = m_program.svc.windows.screen();
    connect(&m_bar, &DvdBarView::exposed, this, [this] {
        call([this] {
            if (DvdBarForm* form = m_program.loadedDvdBarForm())
                form->Form_Paint();
        });
    });
    connect(&m_bar, &DvdBarView::stateChanged, this, [this](WindowState state) {
        call([this, state] {
            DvdBarForm* form = m_program.loadedDvdBarForm();
            if (!form || form->windowState == state)
                return;
            form->windowState = state;
            form->Form_Resize();
        });
    });
    connect(&m_bar, &DvdBarView::movedTo, this, [this, screen](QPoint topLeft) {
        run([&] {
            if (DvdBarForm* form = m_program.loadedDvdBarForm()) {
                form->left = topLeft.x() * screen.twipsPerPixelX;
                form->top = topLeft.y() * screen.twipsPerPixelY;
            }
        });
    });
    connect(&m_bar, &DvdBarView::closeRequested, this,
            [this] { call([this] { m_program.unload(WindowId::DvdBar); }); });
    connect(&m_bar, &DvdBarView::keyPressed, this,
            [this](QKeyEvent* event) { event->setAccepted(handleShortcut(*this, event)); });
}

void ViewHub::call(const std::function<void()>& handler) {
    run(handler);
    syncAll();
}

void ViewHub::run(const std::function<void()>& handler) {
    if (m_ending)
        return;
    ++m_depth;
    try {
        handler();
    } catch (const ProgramEnding&) {
        end();
    } catch (const std::exception& error) {
        // A failure no handler catches is reported and the program goes on.
        std::cerr << "Lumadisc: " << error.what() << std::endl;
    }
    --m_depth;
}

void ViewHub::tick(const std::function<void()>& handler) {
    run(handler);
    if (shownChanges != m_shownChanges)
        syncAll();
}

void ViewHub::end() {
    m_ending = true;
    // Gone for the user at once; modal loops end with their windows, the event loop returns.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void ViewHub::syncAll() {
    if (m_ending)
        return;
    Program& p = m_program;
    if (p.isLoaded(WindowId::Splash) != (m_splash != nullptr)) {
        m_splash.reset(p.isLoaded(WindowId::Splash) ? new SplashView : nullptr);
        emit viewChanged(WindowId::Splash, m_splash.get());
    }
    if (m_splash)
        m_splash->setVisible(p.splashForm().visible);

    syncAbout();
    syncOptions();
    if (DvdBarForm* bar = p.loadedDvdBarForm())
        m_bar.sync(*bar);
    if (MainForm* main = p.loadedMainForm())
        m_main.sync(*main);
    m_shownChanges = shownChanges;
    m_timers->sync();
    if (m_syncHook)
        m_syncHook();
    if (m_depth == 0)
        p.deleteUnloaded();
}

void ViewHub::syncAbout() {
    AboutForm* about = m_program.loadedAboutForm();
    if (about != m_aboutForm) {
        // The window may be going away from inside one of its own signals.
        if (m_about) {
            disconnect(m_about.get(), nullptr, this, nullptr);
            m_about.release()->deleteLater();
        }
        m_aboutForm = about;
        if (about) {
            m_about = std::make_unique<AboutView>(&m_main);
            auto handle = [this](void (AboutForm::*handler)()) {
                return [this, handler] {
                    call([this, handler] {
                        if (AboutForm* form = m_program.loadedAboutForm())
                            (form->*handler)();
                    });
                };
            };
            connect(m_about.get(), &AboutView::okClicked, this, handle(&AboutForm::cmdOK_Click));
            connect(m_about.get(), &AboutView::closeRequested, this,
                    handle(&AboutForm::cmdOK_Click));
            connect(m_about.get(), &AboutView::siteClicked, this,
                    handle(&AboutForm::siteLinkLabel_Click));
            connect(m_about.get(), &AboutView::mailClicked, this,
                    handle(&AboutForm::mailLinkLabel_Click));
        }
        emit viewChanged(WindowId::About, m_about.get());
    }
    if (m_about)
        m_about->sync(*about);
}

void ViewHub::syncOptions() {
    OptionsDialog* options = m_program.loadedOptionsDialog();
    if (options != m_optionsForm) {
        if (m_options) {
            // Hidden, it takes no more input before it goes.
            m_options->hide();
            m_options.release()->deleteLater();
        }
        m_optionsForm = options;
        if (options)
            m_options = std::make_unique<OptionsView>(*this, *options, &m_main);
        emit viewChanged(WindowId::Options, m_options.get());
    }
    if (m_options) {
        m_options->sync();
        if (m_options->isVisible() != options->visible)
            m_options->setVisible(options->visible);
    }
}

} // namespace lumadisc
