#pragma once

#include "core/controls.h"
#include "core/form.h"
#include "core/platform/disk_space.h"
#include "core/platform/window_system.h"
#include "core/playback/resume_store.h"
#include "core/shell/settings_record.h"

#include <string>

namespace lumadisc {

class Program;

// The main window: the video stage, the player movie, the status line, the transport and the
// two timers. Its procedures are split by subsystem: start-up and shutdown in shell/, transport
// and disc start in playback/, snapshots and shell folders in snapshot/.
class MainForm : public Form {
public:
    explicit MainForm(Program& program);

    // The video engine's surface, at the window's top-left; never moved or resized.
    Frame stage;
    Label timeElapsed;
    Frame logoHide;
    Slider volumeSlider;
    ProgressBar movieProgress;
    Button playButton;
    Button pauseButton;
    Button stopButton;
    Button rewindButton;
    Button ffButton;
    Button muteStatus;
    Timer movieTimer;
    Timer tmrCheckCD;
    FileList tempImages;
    // The offer to go on where the disc was left, over the video; it goes away by itself when
    // its timer runs out.
    Label resumeNotice;
    Timer resumeTimer;

    // Start-up and shutdown.
    void Form_Initialize();
    void Form_Load();
    void Form_Unload(int cancel);
    bool LoadConfigurations();
    void ApplyLanguageCaptions();
    void StartHook();
    void StopHook();

    // Transport and status.
    void pauseButton_Click();
    void stopButton_Click();
    void rewindButton_Click();
    void ffButton_Click();
    void muteStatus_Click();
    void volumeSlider_MouseMove(int button, int shift, float x, float y);
    void movieProgress_MouseDown(int button, int shift, float x, float y);
    void player_Command(const std::string& command, const std::string& args);
    void DragWindow(WindowId window);
    void FullScreen();
    void EnableTransport(bool enabled);
    static std::string FormatTime(long& seconds);
    void optionsMenuCommand_Click();
    void movieTimer_Timer();
    // Chapter skip within the title playing.
    void nextChapter();
    void previousChapter();
    // The chapter count the movies show: above 1 while a title with several chapters plays.
    int shownChapterCount() const { return m_chaptersShown.count; }

    // Disc start and disc watch.
    void PlayDVD(const std::string& dvdDrive);
    void SaveOptions();
    void playButton_Click();
    void tmrCheckCD_Timer();
    // A disc that cannot be started: the displays say no drive is selected, the disc watch
    // leaves the disc alone until it changes, and the person is told `message`.
    void discStartFailed(const std::string& message);

    // Resume (resume.cpp): the place of the title playing is remembered when it stops, and
    // offered when the same disc starts again.
    void rememberPlace();
    // Reads the facts of the disc just started and offers to resume it.
    void discStarted();
    void resumeNotice_Click();
    void resumeTimer_Timer();
    void hideResumeNotice();

    // Every writer of "Config.cfg" goes through here: the file is replaced at once, and a
    // write that fails leaves the old file and is recorded in the error log.
    void writeSettingsFile(const SettingsRecord& record);

    // Snapshots and shell folders.
    void Snapshot();
    std::string GetDesktopFolder();
    std::string GetLocalAppDataFolder();
    void SetWallpaper(const std::string& path, int style);

private:
    void recoverSettings();
    void finishStartUp();
    std::string settingsPath();
    void clearScratchSnapshots(const std::string& folder);
    void deliverSnapshot();
    // Writes the chapter variables of the movies that differ from what they show.
    void showChapters(int title, int chapter, int chapterCount);

    Program& m_program;
    // The last successful free-space query of the snapshot folder; all 0 before the first.
    DiskSpace::Figures m_snapshotSpace;
    // What the movies' chapter variables show; -2 before the first write.
    struct ChapterDisplay {
        int title = -2;
        int chapter = -2;
        int count = -2;
    } m_chaptersShown;
    // The place the notice offers.
    ResumePoint m_offer;
};

} // namespace lumadisc
