// The drive menu of the options window: listing the optical drives and starting a chosen disc.
#include "core/drives/drive_caption.h"
#include "core/options/options_dialog.h"
#include "core/platform/clock.h"
#include "core/platform/drives.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"
#include "core/text_util.h"

namespace lumadisc {

namespace {
// Not in the language packs: a fixed English text, with the README's words on libdvdcss.
constexpr const char* encryptedDiscMessage =
    "This disc is encrypted.\n\nEncrypted discs need libdvdcss, which is not installed. On "
    "Debian, install it from the contrib section with \"sudo apt install libdvd-pkg\" and "
    "\"sudo dpkg-reconfigure libdvd-pkg\", then start Lumadisc again.";
} // namespace

long OptionsDialog::ListOpticalDrives(std::vector<std::string>& captions) {
    Program& p = m_program;
    Drives& drives = p.svc.drives;
    captions.clear();
    std::vector<std::string> letters;
    for (const std::string& drive : drives.logicalDrives()) {
        if (drives.driveType(drive) != Drives::kOptical)
            continue;
        letters.push_back(drive);
        const auto volume = drives.volumeInformation(drive);
        captions.push_back(
            driveCaption(volume ? volume->label : p.text("06", "<Please insert a DVD>"), drive));
    }
    long count = static_cast<long>(letters.size());
    if (count == 0) {
        dvdsList()[0].caption = p.text("05", "<No DVD drives were found>");
    } else {
        p.state.driveLetters = letters;
    }
    dvdsList().resize(1);
    return count;
}

void OptionsDialog::fileMenu_Click() {
    std::vector<std::string>& captions = m_program.state.driveCaptions;
    if (ListOpticalDrives(captions) == 0)
        return;
    std::vector<MenuItem>& items = dvdsList();
    items[0].caption = captions[0];
    for (std::size_t i = 1; i < captions.size(); ++i) {
        MenuItem next = items[0];
        next.caption = captions[i];
        items.push_back(next);
    }
    m_program.state.noDriveListed = false;
}

void OptionsDialog::dvdsList_Click(std::int16_t index) {
    Program& p = m_program;
    ProgramState& state = p.state;
    MainForm& main = p.mainForm();
    state.lastDriveIndex = index;
    main.LoadConfigurations();
    main.SaveOptions();
    if (dvdsList().at(0).caption == p.text("05", "<No DVD drives were found>"))
        return;

    const std::string noDisc = p.text("06", "<Please insert a DVD>");
    state.selectedDrive = state.driveLetters.at(static_cast<std::size_t>(index));
    state.watchedDrive = state.selectedDrive;

    Drives& drives = p.svc.drives;
    const auto volume = drives.volumeInformation(state.selectedDrive);
    const std::string fileSystem = volume ? volume->fileSystem : std::string();
    const bool hasVideoFolder = drives.videoFolderExists(state.selectedDrive);

    if (equalsIgnoringCase(fileSystem, "UDF") && hasVideoFolder) {
        const std::string caption = dvdsList().at(static_cast<std::size_t>(index)).caption;
        p.svc.barMovie.setVariable(movievar::barDvdName, caption);
        p.svc.playerMovie.setVariable(movievar::playerFilename,
                                      captionLabel(caption, state.selectedDrive));
        if (caption.starts_with(noDisc))
            return;
        // The engine would sit on "LOADING..." for good: say what is missing instead.
        if (drives.discEncrypted(state.selectedDrive) && !p.svc.engine.decryptsDiscs()) {
            main.discStartFailed(encryptedDiscMessage);
            return;
        }
        try {
            main.stopButton_Click();
            p.svc.engine.clearItems();
            main.logoHide.visible = true;
            p.svc.clock.sleep(500);
            main.timeElapsed.caption = p.text("020", "LOADING...");
            p.svc.engine.addItem("dvd://" + state.selectedDrive, state.engineOptions, 2, 0);
            p.svc.clock.sleep(500);
            main.playButton_Click();
            main.discStarted();
            return;
        } catch (const std::exception&) {
            // Handled below, exactly as a disc that is not a video disc.
        }
    }
    main.discStartFailed(p.text("07", "Please insert a valid Video DVD."));
}

} // namespace lumadisc
