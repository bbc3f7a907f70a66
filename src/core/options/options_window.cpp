// The options window's own work: showing the settings, the folder button, OK and Cancel; and
// the Options command that opens it.
#include "core/options/options_dialog.h"
#include "core/platform/dialogs.h"
#include "core/platform/environment.h"
#include "core/platform/window_system.h"
#include "core/playback/player_engine.h"
#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"

namespace lumadisc {

void OptionsDialog::Form_Load() {
    FillLanguageList();
    SettingsRecord& settings = m_program.state.settings;
    if (settings.snapshotFolder.empty())
        settings.snapshotFolder = m_program.mainForm().GetDesktopFolder();
    snapshotPath.text = settings.snapshotFolder;
    chkOverlay.value = settings.useOverlay;
    chkScreenSaver.value = settings.disableScreenSaver;
    chkAutoPlay.value = settings.autoPlay;
    // A style the list does not hold selects nothing; OK then keeps it.
    const bool knownStyle =
        settings.wallpaperStyle >= 0 &&
        settings.wallpaperStyle < static_cast<int>(cmbWallpaperType.items.size());
    cmbWallpaperType.listIndex = knownStyle ? settings.wallpaperStyle : -1;
    switch (settings.snapshotTarget) {
    case 0:
        optToFile_Click();
        break;
    case 1:
        optToClipboard_Click();
        break;
    default:
        optToDesktop_Click();
        break;
    }
}

namespace {
// Selecting an option button clears the others and sets which controls can be used.
void selectDestination(OptionsDialog& o, OptionButton& chosen, bool file, bool wallpaper) {
    for (OptionButton* button : {&o.optToFile, &o.optToClipboard, &o.optToDesktop})
        button->value = button == &chosen;
    o.snapshotPath.enabled = file;
    o.snapshotsBrowse.enabled = file;
    o.cmbWallpaperType.enabled = wallpaper;
}
} // namespace

void OptionsDialog::optToFile_Click() {
    selectDestination(*this, optToFile, true, false);
}

void OptionsDialog::optToClipboard_Click() {
    selectDestination(*this, optToClipboard, false, false);
}

void OptionsDialog::optToDesktop_Click() {
    selectDestination(*this, optToDesktop, false, true);
}

void OptionsDialog::snapshotsBrowse_Click() {
    enabled = false;
    if (FolderBrowse1.Browse())
        snapshotPath.text = FolderBrowse1.FullName();
    enabled = true;
    m_program.svc.windows.focus(WindowId::Options);
}

void OptionsDialog::CancelButton_Click() {
    m_program.unload(WindowId::Options);
}

void OptionsDialog::OKButton_Click() {
    Program& p = m_program;
    const SettingsRecord& old = p.state.settings;
    SettingsRecord chosen = old;
    // Without any pack the list is empty: the record's language (the built-in English) stays.
    if (!availableLanguages.items.empty())
        chosen.languageFile = availableLanguages.text() + ".ini";
    chosen.snapshotFolder = snapshotPath.text;
    chosen.disableScreenSaver = static_cast<std::int16_t>(chkScreenSaver.value);
    chosen.useOverlay = static_cast<std::int16_t>(chkOverlay.value);
    chosen.autoPlay = static_cast<std::int16_t>(chkAutoPlay.value);
    if (cmbWallpaperType.listIndex >= 0)
        chosen.wallpaperStyle = static_cast<std::int16_t>(cmbWallpaperType.listIndex);

    bool restart = chosen.snapshotFolder != old.snapshotFolder ||
                   chosen.disableScreenSaver != old.disableScreenSaver ||
                   chosen.useOverlay != old.useOverlay;
    chosen.snapshotTarget = optToFile.value ? 0 : optToClipboard.value ? 1 : 2;
    restart = restart || chosen.snapshotTarget != old.snapshotTarget;

    Environment& env = p.svc.environment;
    writeConfigFile(env.joinPath(env.settingsFolder(), "Config.cfg"), chosen);
    // The engine option list still comes from the record as it was.
    p.mainForm().SaveOptions();
    RegisterAutoPlay(static_cast<std::int16_t>(chkAutoPlay.value));
    visible = false;

    if (p.svc.engine.isPlaying() && restart) {
        const MessageResult answer = p.svc.dialogs.messageBox(
            p.text("037", "The changes you have made require restarting the video. Do you "
                          "want to restart?"),
            MessageButtons::YesNo, MessageIcon::Question, "Lumadisc");
        // The drive string names the drive's root on Linux; the restart re-reads the file.
        if (answer == MessageResult::Yes)
            p.mainForm().PlayDVD(p.state.selectedDrive);
        return;
    }
    p.state.settings = chosen;
}

void MainForm::optionsMenuCommand_Click() {
    Program& p = m_program;
    p.optionsDialog().visible = true;
    p.svc.windows.showModal(WindowId::Options);
    p.unload(WindowId::About);
    ApplyLanguageCaptions();
    p.svc.barMovie.setVariable(movievar::barVolumeText1,
                               p.text("032", "Volume") + " " + std::to_string(volumeSlider.value));
}

} // namespace lumadisc
