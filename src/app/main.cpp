// Lumadisc's composition root: builds the services, the views and the program, then runs.
#include "core/drives/command_line_disc.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "engine/dvdcss_check.h"
#include "engine/vlc_engine.h"
#include "linux/linux_clock.h"
#include "linux/linux_disc_info.h"
#include "linux/linux_disk_space.h"
#include "linux/linux_drives.h"
#include "linux/linux_environment.h"
#include "linux/linux_shell_folders.h"
#include "linux/linux_single_instance.h"
#include "linux/linux_wallpaper.h"
#include "linux/xdg_disc_handler_registration.h"
#include "ui/app_icon.h"
#include "ui/application.h"
#include "ui/dvd_bar_view.h"
#include "ui/main_window_view.h"
#include "ui/mpris_service.h"
#include "ui/qml_skin_movie.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_launcher.h"
#include "ui/qt_picture_files.h"
#include "ui/qt_window_system.h"
#include "ui/startup_failure.h"
#include "ui/view_hub.h"

#include <QMessageBox>
#include <QQuickWindow>
#include <QStringList>

#include <iostream>

namespace {

// Extra engine arguments, for example the audio output of a machine without sound.
std::vector<std::string> engineArguments() {
    std::vector<std::string> arguments;
    const QString extra = qEnvironmentVariable("LUMADISC_ENGINE_ARGS");
    for (const QString& argument : extra.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        arguments.push_back(argument.toStdString());
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    // The video needs an X window id, and windows must be placed by the program.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Otherwise the native video widget makes the skin widgets native, and they render black.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    // The two skins draw in software unless the user chose a backend: through OpenGL they cost
    // about 100 MB (Mesa and LLVM) and 0.2 s of start-up.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    lumadisc::endCleanlyOnFatalMessages(true);
    lumadisc::Application app(argc, argv);
    lumadisc::endCleanlyOnFatalMessages(false);
    QApplication::setApplicationName(QStringLiteral("Lumadisc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.Lumadisc"));
    QApplication::setWindowIcon(lumadisc::appIcon());

    using namespace lumadisc;
    try {
        LinuxEnvironment environment(argc, argv);
        LinuxClock clock;
        LinuxDrives drives;
        LinuxShellFolders shellFolders;
        LinuxSingleInstance singleInstance;
        LinuxDiskSpace diskSpace;
        QtDialogs dialogs;
        QtLauncher launcher;
        XdgDiscHandlerRegistration discHandlers;
        QtClipboard clipboard;
        QtPictureFiles pictures;
        LinuxWallpaper wallpaper;
        LinuxDiscInfo discInfo;

        // Built in the order of their needs, so each gets what it uses whole: the views, the
        // toolkit's side of the windows, the engine drawing into the main view, the program,
        // and the hub that connects the views to the program. Leaving main() lets go of them in
        // the reverse order: the bus name first, the engine before the window it draws into.
        const ScreenMetrics screen = readScreenMetrics();
        MainWindowView mainView(screen);
        DvdBarView barView(screen);
        // The player goes on without the broken skin's scripts.
        for (QmlSkinMovie* movie : {&mainView.player(), &barView.gui()})
            QObject::connect(movie, &QmlSkinMovie::broken, [](const QString& message) {
                QMessageBox::critical(nullptr, QStringLiteral("Lumadisc"), message);
            });
        QtWindowSystem windows(screen, mainView, barView);
        VlcEngine engine(mainView.stageWindowId(), engineArguments());
        engine.setFullScreenHandler([&mainView] { mainView.toggleFullScreen(); });
        if (!dvdcssAvailable())
            std::cerr << "Lumadisc: libdvdcss is not installed, so encrypted commercial discs "
                         "will not play (see the README)."
                      << std::endl;

        Program program(Services{engine, mainView.player(), barView.gui(), clock, drives,
                                 environment, shellFolders, singleInstance, diskSpace, dialogs,
                                 windows, launcher, discHandlers, clipboard, pictures, wallpaper,
                                 discInfo});
        ViewHub hub(program, mainView, barView);
        QObject::connect(&hub, &ViewHub::viewChanged, &windows, &QtWindowSystem::setView);
        QObject::connect(&windows, &QtWindowSystem::viewsWanted, &hub, &ViewHub::syncAll);
        if (const std::string disc = environment.commandLine();
            !offerDisc(drives, disc) && !disc.empty())
            std::cerr << "Lumadisc: " << disc
                      << " is neither a disc image nor a folder holding VIDEO_TS; ignored."
                      << std::endl;

        MainForm& main = program.mainForm();
        main.Form_Initialize();
        hub.syncAll();
        QApplication::processEvents();
        main.Form_Load();
        hub.syncAll();
        if (!program.isLoaded(WindowId::Main))
            return 0;
        // Only the copy that goes on running claims the name on the bus.
        MprisService mpris(hub);
        return QApplication::exec();
    } catch (const std::exception& error) {
        reportStartUpFailure(error.what());
        return 1;
    }
}
