// Resuming a disc where it was left: the place is remembered when a title stops, and offered
// by a notice over the video when the same disc starts again.
#include "core/platform/disc_info.h"
#include "core/platform/environment.h"
#include "core/playback/player_engine.h"
#include "core/playback/resume_store.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/text_util.h"

#include <algorithm>

namespace lumadisc {

namespace {

// Too near the start there is nothing to resume, too near the end the title was seen: at least
// a minute in (a tenth of a short title), and before 95 % of it.
bool worthResuming(long seconds, long lengthSeconds) {
    return seconds >= std::min(60L, lengthSeconds / 10) && seconds * 100 < lengthSeconds * 95;
}

ResumeStore resumeStore(Program& p) {
    Environment& env = p.svc.environment;
    const std::string folder = env.stateFolder();
    return ResumeStore(folder.empty() ? std::string() : env.joinPath(folder, "resume"));
}

} // namespace

void MainForm::rememberPlace() {
    Program& p = m_program;
    if (!p.state.disc)
        return;
    try {
        PlayerEngine& engine = p.svc.engine;
        const int title = engine.title();
        if (title < 1 || engine.position() < 0)
            return;
        const long seconds = engine.elapsedSeconds();
        const long length = engine.lengthSeconds();
        if (worthResuming(seconds, length))
            resumeStore(p).remember(
                p.state.disc->id, {title, seconds, engine.audioStream(), engine.subtitleStream()});
        // A title seen to its end starts afresh next time; a peek at the start keeps the place.
        else if (seconds * 100 >= length * 95)
            resumeStore(p).forget(p.state.disc->id);
    } catch (const std::exception&) {
        // An engine that cannot tell where it is has nothing to remember.
    }
}

void MainForm::discStarted() {
    Program& p = m_program;
    p.state.disc = p.svc.discInfo.read(p.state.selectedDrive);
    if (!p.state.disc)
        return;
    const std::optional<ResumePoint> place = resumeStore(p).find(p.state.disc->id);
    // The title must be one of this disc's; the place was worth keeping when it was kept.
    if (!place || place->title > static_cast<int>(p.state.disc->titles.size()))
        return;
    m_offer = *place;
    resumeNotice.caption =
        fillIn(p.text("088", "Resume at %1? Press Y or click here."), clockText(place->seconds));
    resumeNotice.visible = true;
    resumeTimer.enabled = true;
}

void MainForm::resumeNotice_Click() {
    if (!resumeNotice.visible)
        return;
    hideResumeNotice();
    PlayerEngine& engine = m_program.svc.engine;
    engine.setTitle(m_offer.title);
    engine.setElapsedSeconds(m_offer.seconds);
    if (m_offer.audio >= 0)
        engine.setAudioStream(m_offer.audio);
    engine.setSubtitleStream(m_offer.subtitle);
}

void MainForm::resumeTimer_Timer() {
    hideResumeNotice();
}

void MainForm::hideResumeNotice() {
    resumeNotice.visible = false;
    resumeTimer.enabled = false;
}

} // namespace lumadisc
