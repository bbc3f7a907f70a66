#include "core/shell/main_form.h"

#include "core/failure.h"
#include "core/options/about_form.h"
#include "core/options/options_dialog.h"
#include "core/platform/dialogs.h"
#include "core/platform/environment.h"
#include "core/platform/single_instance.h"
#include "core/playback/player_engine.h"
#include "core/shell/config_file.h"
#include "core/shell/program.h"
#include "core/shell/splash_form.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/movie_size.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"
#include "core/text_util.h"

namespace lumadisc {

namespace {
// The stage's design size: 385 x 284 pixels at 15 twips per pixel.
constexpr int kStageWidthTwips = 5775;
constexpr int kStageHeightTwips = 4265;
} // namespace

MainForm::MainForm(Program& program) : m_program(program) {
    caption = "Lumadisc";
    // The design size, before the player movie gives the window its own.
    width = 5775;
    height = 6000;
    stage.bounds = {0, 0, kStageWidthTwips / 15, kStageHeightTwips / 15};
    logoHide.bounds = {20, 0, 385, 284};
    logoHide.visible = true;
    timeElapsed.bounds = {8, 334, 200, 18};
    rewindButton = {"7", true, true, {8, 356, 30, 26}};
    playButton = {"4", true, true, {42, 356, 30, 26}};
    pauseButton = {";", true, true, {76, 356, 30, 26}};
    stopButton = {"<", true, true, {110, 356, 30, 26}};
    ffButton = {"8", true, true, {144, 356, 30, 26}};
    muteStatus = {"U", true, true, {224, 356, 30, 26}};
    volumeSlider.bounds = {260, 360, 117, 20};
    movieProgress.bounds = {8, 388, 369, 8};
    movieTimer = {true, 10};
    tmrCheckCD = {false, 100};
    // A line along the foot of the stage.
    resumeNotice.bounds = {10, 244, 365, 30};
    resumeNotice.visible = false;
    resumeTimer = {false, 8000};
    tempImages.pattern = "IMG_*.jpg";
}

void MainForm::Form_Initialize() {
    m_program.splashForm().visible = true;
}

void MainForm::Form_Load() {
    Program& p = m_program;
    if (p.svc.singleInstance.previousInstanceRunning()) {
        p.svc.dialogs.messageBox(p.text("034", "The application is already running."),
                                 MessageButtons::Ok, MessageIcon::Exclamation,
                                 p.text("013", "Warning"));
        p.unload(WindowId::Splash);
        p.unload(WindowId::Main);
        return;
    }
    p.state.noDriveListed = true;
    p.svc.singleInstance.createNamedLock("QuorvaneLumadisc");
    StartHook();

    const std::string resources =
        p.svc.environment.joinPath(p.svc.environment.dataFolder(), "Resources");
    const std::string movieFile = p.svc.environment.joinPath(resources, "Player.qml");
    p.svc.playerMovie.loadMovie(movieFile);
    const ScreenMetrics screen = p.svc.windows.screen();
    p.svc.playerMovie.setSize(width / screen.twipsPerPixelX, height / screen.twipsPerPixelY);
    EnableTransport(false);
    logoHide.bounds.left = stage.bounds.left;
    volumeSlider.value = static_cast<int>(p.svc.engine.volume());
    movieProgress.value = 0;

    const auto [movieWidth, movieHeight] = boundedMovieSize(p.svc.playerMovie, screen, movieFile);
    width = movieWidth * screen.twipsPerPixelX;
    height = movieHeight * screen.twipsPerPixelY;
    p.svc.playerMovie.setSize(movieWidth, movieHeight);
    left = (screen.widthPixels * screen.twipsPerPixelX - width) / 2;
    top = p.dvdBarForm().top - height;
    p.svc.playerMovie.setVariable(movievar::playerFilename, "Lumadisc");
    p.svc.barMovie.setVariable(movievar::barTimeElapsed, "");

    try {
        LoadConfigurations();
        SettingsRecord& settings = p.state.settings;
        if (settings.snapshotFolder.empty())
            settings.snapshotFolder = GetDesktopFolder();
        if (trimBlanks(settings.languageFile).empty())
            settings.languageFile = "English.ini";
        finishStartUp();
    } catch (const std::exception&) {
        recoverSettings();
        finishStartUp();
    }
    visible = true;
}

// Steps common to a normal start-up and to the recovery.
void MainForm::finishStartUp() {
    SaveOptions();
    ApplyLanguageCaptions();
    m_program.unload(WindowId::Splash);
    m_program.dvdBarForm().visible = true;
    PlayDVD(m_program.svc.environment.commandLine());
}

// The settings file could not be read or applied: start afresh with the defaults. The file is
// replaced, not deleted first, so that an interrupted recovery leaves a file behind.
void MainForm::recoverSettings() {
    SettingsRecord defaults;
    defaults.languageFile = "English.ini";
    defaults.snapshotFolder = GetDesktopFolder();
    defaults.useOverlay = 1;
    writeSettingsFile(defaults);
    m_program.state.settings = defaults;
}

void MainForm::writeSettingsFile(const SettingsRecord& record) {
    try {
        writeConfigFile(settingsPath(), record);
    } catch (const Failure& failure) {
        m_program.lang.WriteErrorLog("Error Description: " + std::string(failure.what()) +
                                     ", Error Number: " + std::to_string(failure.number()) +
                                     ", Method: writeSettingsFile");
    }
}

std::string MainForm::settingsPath() {
    Environment& env = m_program.svc.environment;
    return env.joinPath(env.settingsFolder(), "Config.cfg");
}

bool MainForm::LoadConfigurations() {
    readConfigFile(settingsPath(), m_program.state.settings);
    return true;
}

void MainForm::Form_Unload(int /*cancel*/) {
    rememberPlace();
    StopHook();
    m_program.unload(WindowId::About);
    m_program.unload(WindowId::Options);
    m_program.unload(WindowId::DvdBar);
}

void MainForm::ApplyLanguageCaptions() {
    Program& p = m_program;
    p.state.okText = p.text("03", "&OK");
    p.state.cancelText = p.text("04", "&Cancel");

    OptionsDialog& options = p.optionsDialog();
    options.fileMenu.caption = p.text("10", "&File");
    options.openMenu().caption = p.text("11", "&Open");
    options.exitCommand().caption = p.text("12", "E&xit");
    options.editMenu.caption = p.text("20", "&Edit");
    options.toolsMenu.caption = p.text("30", "&Tools");
    options.optionsMenuCommand().caption = p.text("31", "&Options");
    options.helpMenu.caption = p.text("40", "&Help");
    options.howToUseMenu().caption = p.text("41", "&How To Use?");
    options.aboutMenu().caption = p.text("43", "&About");

    p.aboutForm().cmdOK.caption = p.state.okText;
    options.OKButton.caption = p.state.okText;
    options.CancelButton.caption = p.state.cancelText;

    options.caption = p.text("70", "Options");
    options.languageFrame.caption = p.text("71", "Language");
    options.languageLabel.caption = p.text("72", "Select Language:");
}

void MainForm::StartHook() {
    m_program.svc.windows.hookMovie(WindowId::Main, true);
}

void MainForm::StopHook() {
    m_program.svc.windows.hookMovie(WindowId::Main, false);
}

} // namespace lumadisc
