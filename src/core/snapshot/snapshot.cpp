// Taking a snapshot of the picture and delivering it to a file, the clipboard or the wallpaper.
#include "core/file_list.h"
#include "core/file_system.h"
#include "core/platform/clipboard.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/environment.h"
#include "core/platform/picture_files.h"
#include "core/platform/wallpaper.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"

#include <exception>

namespace lumadisc {

namespace {
// The engine's snapshot hot key, bound and then reported as pressed.
constexpr int kSnapshotKey = 83;
} // namespace

void MainForm::Snapshot() {
    Program& p = m_program;
    // A failed query leaves the figures of the last good one, so before any good query the
    // snapshot is refused.
    DiskSpace::Figures figures;
    if (p.svc.diskSpace.query(p.state.settings.snapshotFolder, figures))
        m_snapshotSpace = figures;
    if (m_snapshotSpace.availableToUser / 10 < 1024) {
        const std::string message = p.text("036", "Insufficient disk space.");
        p.svc.dialogs.messageBox(message, MessageButtons::Ok, MessageIcon::Critical,
                                 p.text("010", "Error"));
        return;
    }
    // Past the guard every failure ends the snapshot without a word, and nothing is undone.
    try {
        deliverSnapshot();
    } catch (const std::exception&) {
    }
}

void MainForm::deliverSnapshot() {
    Program& p = m_program;
    const SettingsRecord& settings = p.state.settings;
    p.svc.engine.setEngineVariable("key-snapshot", kSnapshotKey);
    p.svc.engine.setEngineVariable("key-pressed", kSnapshotKey);
    // The engine writes the file on its own; this wait is the only synchronisation with it.
    p.svc.clock.sleep(500);
    if (settings.snapshotTarget <= 0)
        return;

    refreshFileList(tempImages);
    if (tempImages.names.empty())
        return;
    // The engine numbers its files so that the newest comes last by name.
    const std::string snapshot =
        p.svc.environment.joinPath(tempImages.path, tempImages.names.back());
    if (settings.snapshotTarget == 1) {
        p.svc.clipboard.clear();
        p.svc.clipboard.setPicture(snapshot);
        removeFile(snapshot);
    } else if (settings.snapshotTarget == 2) {
        const std::string bitmap =
            p.svc.environment.joinPath(tempImages.path, "Lumadisc-Wallpaper.bmp");
        p.svc.pictures.saveAsBitmap(snapshot, bitmap);
        SetWallpaper(bitmap, settings.wallpaperStyle);
        removeFile(snapshot);
    }
}

void MainForm::SetWallpaper(const std::string& path, int style) {
    m_program.svc.wallpaper.set(path, style);
}

} // namespace lumadisc
