// Bringing a chosen disc to playing, the engine option list, and the disc watch.
#include "core/drives/drive_caption.h"
#include "core/file_list.h"
#include "core/file_system.h"
#include "core/options/options_dialog.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/drives.h"
#include "core/platform/environment.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"

namespace lumadisc {

void MainForm::PlayDVD(const std::string& dvdDrive) {
    if (dvdDrive.empty())
        return;
    OptionsDialog& options = m_program.optionsDialog();
    options.fileMenu_Click();
    const std::vector<std::string>& letters = m_program.state.driveLetters;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (m_program.svc.drives.isRootOf(letters[i], dvdDrive)) {
            options.dvdsList_Click(static_cast<std::int16_t>(i));
            return;
        }
    }
}

void MainForm::SaveOptions() {
    const SettingsRecord& settings = m_program.state.settings;
    std::vector<std::string> options(10);
    options[0] = "overlay";
    options[1] = settings.useOverlay != 0 ? "overlay" : "no-overlay";
    options[2] = "snapshot-path=" + settings.snapshotFolder;
    options[3] =
        settings.disableScreenSaver == 1 ? "disable-screensaver" : "no-disable-screensaver";
    switch (settings.snapshotTarget) {
    case 0:
        options[4] = "snapshot-path=" + settings.snapshotFolder;
        break;
    case 1: {
        const std::string temp = m_program.svc.environment.tempFolder();
        options[4] = "snapshot-path=" + temp;
        clearScratchSnapshots(temp);
        break;
    }
    case 2: {
        const std::string appData = GetLocalAppDataFolder();
        options[4] = "snapshot-path=" + appData;
        clearScratchSnapshots(appData);
        break;
    }
    default:
        break;
    }
    options[5] = "no-osd";
    options[6] = "no-snapshot-preview";
    options[7] = "snapshot-sequential";
    options[8] = "snapshot-prefix=IMG_";
    options[9] = "snapshot-format=jpg";
    m_program.state.engineOptions = options;
}

// Old snapshots in the scratch folder would be mistaken for new ones.
void MainForm::clearScratchSnapshots(const std::string& folder) {
    // Without a folder name there is nothing of ours to clear.
    if (folder.empty())
        return;
    tempImages.path = folder;
    refreshFileList(tempImages);
    for (const std::string& name : tempImages.names)
        removeFile(m_program.svc.environment.joinPath(folder, name));
    refreshFileList(tempImages);
}

void MainForm::playButton_Click() {
    Program& p = m_program;
    PlayerEngine& engine = p.svc.engine;
    if (engine.itemCount() < 1)
        return;
    if (engine.isPlaying())
        return;
    if (!playButton.enabled)
        timeElapsed.caption = p.text("020", "LOADING...");
    if (p.state.noDriveListed)
        return;
    engine.play();
    const auto index = static_cast<std::size_t>(p.state.lastDriveIndex);
    const std::string caption = p.optionsDialog().dvdsList().at(index).caption;
    p.svc.playerMovie.setVariable(movievar::playerFilename,
                                  captionLabel(caption, p.state.driveLetters.at(index)));
    p.svc.barMovie.setVariable(movievar::barDvdName,
                               p.svc.playerMovie.getVariable(movievar::playerFilename));
    p.svc.clock.sleep(500);
}

void MainForm::tmrCheckCD_Timer() {
    Drives& drives = m_program.svc.drives;
    ProgramState& state = m_program.state;
    if (!drives.videoFolderExists(state.watchedDrive)) {
        state.failedDisc.clear();
        return;
    }
    // Starting a disc blocks the windows for a second or more; one that failed is tried again
    // only once it has changed.
    if (!state.failedDisc.empty() && drives.discIdentity(state.watchedDrive) == state.failedDisc)
        return;
    OptionsDialog& options = m_program.optionsDialog();
    options.fileMenu_Click();
    options.dvdsList_Click(state.lastDriveIndex);
    tmrCheckCD.enabled = false;
}

void MainForm::discStartFailed(const std::string& message) {
    Program& p = m_program;
    timeElapsed.caption = "";
    hideResumeNotice();
    p.svc.barMovie.setVariable(movievar::barDvdName, "<No DVD Drive is selected>");
    p.svc.playerMovie.setVariable(movievar::playerFilename, "Lumadisc");
    // Marked before the message box: its event loop runs the disc watch.
    p.state.failedDisc = p.svc.drives.discIdentity(p.state.selectedDrive);
    p.svc.dialogs.messageBox(message, MessageButtons::Ok, MessageIcon::Critical, "Lumadisc");
}

} // namespace lumadisc
