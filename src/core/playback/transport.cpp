// The main window's transport commands and its status tick.
#include "core/options/options_dialog.h"
#include "core/platform/clock.h"
#include "core/platform/disc_info.h"
#include "core/platform/drives.h"
#include "core/platform/window_system.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"
#include "core/text_util.h"

#include <algorithm>

namespace lumadisc {

namespace {
bool engineActive(PlayerEngine& engine) {
    return engine.position() >= 0;
}

} // namespace

void MainForm::pauseButton_Click() {
    hideResumeNotice();
    PlayerEngine& engine = m_program.svc.engine;
    if (engineActive(engine) && engine.isPlaying())
        engine.pause();
}

void MainForm::ffButton_Click() {
    hideResumeNotice();
    PlayerEngine& engine = m_program.svc.engine;
    if (engineActive(engine) && engine.isPlaying())
        engine.jump(1);
}

void MainForm::rewindButton_Click() {
    hideResumeNotice();
    PlayerEngine& engine = m_program.svc.engine;
    if (engineActive(engine) && engine.isPlaying())
        engine.jump(-1);
}

void MainForm::stopButton_Click() {
    if (timeElapsed.caption == m_program.text("020", "LOADING..."))
        return;
    hideResumeNotice();
    movieProgress.value = 0;
    timeElapsed.caption = "";
    PlayerEngine& engine = m_program.svc.engine;
    if (engineActive(engine)) {
        rememberPlace();
        engine.stop();
        m_program.svc.clock.sleep(500);
        m_program.state.userStopped = true;
    }
}

void MainForm::muteStatus_Click() {
    m_program.svc.engine.switchMute();
    muteStatus.caption = muteStatus.caption != "U" ? "U" : "V";
}

void MainForm::volumeSlider_MouseMove(int button, int /*shift*/, float /*x*/, float /*y*/) {
    if (button != 1)
        return;
    if (muteStatus.caption == "V")
        muteStatus_Click();
    m_program.svc.engine.setVolume(volumeSlider.value);
}

void MainForm::movieProgress_MouseDown(int button, int /*shift*/, float x, float /*y*/) {
    try {
        PlayerEngine& engine = m_program.svc.engine;
        if (engine.itemCount() >= 1 && button == 1) {
            const float widthTwips = static_cast<float>(
                movieProgress.bounds.width * m_program.svc.windows.screen().twipsPerPixelX);
            engine.setPosition(x / widthTwips);
        }
    } catch (const std::exception&) {
        // A seek that fails is simply not made.
    }
}

void MainForm::player_Command(const std::string& command, const std::string& args) {
    if (command == "ID_FS_drag") {
        DragWindow(WindowId::Main);
    } else if (command == "IDC_FS_KnobReleased") {
        PlayerEngine& engine = m_program.svc.engine;
        if (engineActive(engine)) {
            hideResumeNotice();
            engine.setPosition(static_cast<float>(leadingNumber(args) / 100));
        }
    }
}

void MainForm::DragWindow(WindowId window) {
    m_program.svc.windows.dragWindow(window);
}

void MainForm::FullScreen() {
    PlayerEngine& engine = m_program.svc.engine;
    engine.setEngineVariable("key-fullscreen", 102);
    engine.setEngineVariable("key-pressed", 102);
}

void MainForm::EnableTransport(bool enabled) {
    m_program.optionsDialog().editMenu.enabled = enabled;
    playButton.enabled = enabled;
    stopButton.enabled = enabled;
    pauseButton.enabled = enabled;
    rewindButton.enabled = enabled;
    ffButton.enabled = enabled;
}

std::string MainForm::FormatTime(long& seconds) {
    const long h = seconds / 3600;
    seconds -= h * 3600;
    const long m = seconds / 60;
    seconds -= m * 60;
    return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(seconds);
}

void MainForm::movieTimer_Timer() {
    Program& p = m_program;
    try {
        PlayerEngine& engine = p.svc.engine;
        const float position = engine.position();
        const bool playing = engine.isPlaying();
        if (position < 0 && !playing) {
            if (playButton.enabled) {
                // A disc that replaces the one playing shows "LOADING..." until it plays; the
                // offer to resume it stays.
                if (timeElapsed.caption != p.text("020", "LOADING..."))
                    hideResumeNotice();
                EnableTransport(false);
                movieProgress.value = 0;
                timeElapsed.caption = "";
                p.svc.barMovie.setVariable(movievar::barTimeElapsed, "");
                p.svc.barMovie.setVariable(movievar::barDvdName, "The dvd is stopped");
                p.svc.playerMovie.setVariable(movievar::playerFilename, "Lumadisc");
                // A disc that breaks off in an error (a truncated image) would break off
                // again each time the watch restarted it.
                if (engine.itemFailed())
                    p.state.failedDisc = p.svc.drives.discIdentity(p.state.selectedDrive);
            }
            // A start that the engine gave up on would otherwise show "LOADING..." for good.
            if (!timeElapsed.caption->empty() && engine.itemFailed() &&
                timeElapsed.caption == p.text("020", "LOADING..."))
                discStartFailed(p.text("07", "Please insert a valid Video DVD."));
            if (!logoHide.visible)
                logoHide.visible = true;
            if (!p.state.userStopped)
                tmrCheckCD.enabled = true;
            showChapters(-1, 0, 0);
        } else if (playing) {
            long elapsed = engine.elapsedSeconds();
            long length = engine.lengthSeconds();
            timeElapsed.caption = FormatTime(elapsed) + "/" + FormatTime(length);
            p.svc.barMovie.setVariable(movievar::barTimeElapsed, timeElapsed.caption);
            p.svc.playerMovie.setVariable(movievar::playerKnobPosition,
                                          singleToText(engine.position() * 100));
            if (logoHide.visible)
                logoHide.visible = false;
            if (!playButton.enabled)
                EnableTransport(true);
            const std::string filename = p.svc.playerMovie.getVariable(movievar::playerFilename);
            if (p.svc.barMovie.getVariable(movievar::barDvdName) != filename)
                p.svc.barMovie.setVariable(movievar::barDvdName, filename);
            tmrCheckCD.enabled = false;
            p.state.userStopped = false;
            showChapters(engine.title(), engine.chapter(), engine.chapterCount());
        }
    } catch (const std::exception&) {
        // The tick runs again 10 ms later.
    }
}

void MainForm::nextChapter() {
    PlayerEngine& engine = m_program.svc.engine;
    const int chapter = engine.chapter();
    if (engine.title() < 1 || chapter < 1 || chapter >= engine.chapterCount())
        return;
    hideResumeNotice();
    engine.setChapter(chapter + 1);
}

// As a remote's previous: the chapter before, or the start of the first.
void MainForm::previousChapter() {
    PlayerEngine& engine = m_program.svc.engine;
    const int chapter = engine.chapter();
    if (engine.title() < 1 || chapter < 1)
        return;
    hideResumeNotice();
    engine.setChapter(std::max(1, chapter - 1));
}

void MainForm::showChapters(int title, int chapter, int chapterCount) {
    if (title < 1 || chapter < 1 || chapterCount < 1)
        title = chapter = chapterCount = 0;
    ChapterDisplay& shown = m_chaptersShown;
    Program& p = m_program;
    if (chapter != shown.chapter)
        p.svc.playerMovie.setVariable(movievar::playerChapter, std::to_string(chapter));
    if (chapterCount != shown.count)
        p.svc.playerMovie.setVariable(movievar::playerChapterCount, std::to_string(chapterCount));
    if (chapter != shown.chapter || chapterCount != shown.count)
        p.svc.barMovie.setVariable(
            movievar::barChapter,
            chapter > 0 ? std::to_string(chapter) + "/" + std::to_string(chapterCount) : "");
    if (title != shown.title) {
        // The starts after the first, as fractions of the title's length, from the disc's facts.
        std::string marks;
        const DiscFacts* disc = p.state.disc ? &*p.state.disc : nullptr;
        if (disc && title >= 1 && title <= static_cast<int>(disc->titles.size())) {
            const TitleInfo& info = disc->titles[static_cast<std::size_t>(title - 1)];
            for (std::size_t i = 1; info.lengthMs > 0 && i < info.chapterStartsMs.size(); ++i)
                marks += (marks.empty() ? "" : ",") +
                         singleToText(static_cast<float>(info.chapterStartsMs[i]) /
                                      static_cast<float>(info.lengthMs));
        }
        p.svc.playerMovie.setVariable(movievar::playerChapterMarks, marks);
    }
    shown = {title, chapter, chapterCount};
}

} // namespace lumadisc
