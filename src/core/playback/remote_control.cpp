#include "core/playback/remote_control.h"

#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/skin/actions.h"
#include "core/skin/dvd_bar_form.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumadisc {

namespace {
constexpr std::int64_t kMicroseconds = 1'000'000;
} // namespace

RemoteControl::RemoteControl(Program& program) : m_program(program) {}

RemoteChanges RemoteControl::refresh() {
    Program& p = m_program;
    RemoteState next = m_state;
    try {
        PlayerEngine& engine = p.svc.engine;
        const bool playing = engine.isPlaying();
        const bool active = engine.position() >= 0;
        next.status = playing  ? PlaybackStatus::Playing
                      : active ? PlaybackStatus::Paused
                               : PlaybackStatus::Stopped;
        if (next.status == PlaybackStatus::Stopped) {
            next.title.clear();
            next.lengthSeconds = 0;
            next.elapsedSeconds = -1;
        } else {
            next.elapsedSeconds = engine.elapsedSeconds();
            if (m_state.status == PlaybackStatus::Stopped)
                ++next.track;
            // The status tick keeps the disc label here while a disc plays.
            next.title = p.svc.playerMovie.getVariable(movievar::playerFilename);
            next.lengthSeconds = std::max(0L, engine.lengthSeconds());
        }
        next.volume = p.mainForm().volumeSlider.value;
        // As the status tick found it.
        next.chapters =
            next.status != PlaybackStatus::Stopped && p.mainForm().shownChapterCount() > 1;
    } catch (const std::exception&) {
        // Like the status tick, a failing read is tried again on the next refresh.
        return {};
    }
    const RemoteChanges changes{next.status != m_state.status,
                                next.track != m_state.track || next.title != m_state.title ||
                                    next.lengthSeconds != m_state.lengthSeconds,
                                next.volume != m_state.volume, next.chapters != m_state.chapters,
                                // Refreshes follow each other within a second while playing.
                                m_state.elapsedSeconds >= 0 && next.elapsedSeconds >= 0 &&
                                    next.track == m_state.track &&
                                    std::abs(next.elapsedSeconds - m_state.elapsedSeconds) >= 2};
    m_state = std::move(next);
    return changes;
}

std::string RemoteControl::trackId() const {
    if (m_state.status == PlaybackStatus::Stopped)
        return {};
    return "/org/lumadisc/disc/" + std::to_string(m_state.track);
}

std::int64_t RemoteControl::positionMicroseconds() {
    PlayerEngine& engine = m_program.svc.engine;
    try {
        if (engine.position() >= 0)
            return std::max(0L, engine.elapsedSeconds()) * kMicroseconds;
    } catch (const std::exception&) {
        // A client asking while the engine cannot tell gets the start.
    }
    return 0;
}

bool RemoteControl::command(std::string_view method) {
    const Action* action = actionForRemote(method);
    if (action)
        action->perform(m_program);
    return action != nullptr;
}

std::optional<std::int64_t> RemoteControl::seek(std::int64_t offset) {
    PlayerEngine& engine = m_program.svc.engine;
    if (engine.position() < 0)
        return std::nullopt;
    const std::int64_t length = engine.lengthSeconds() * kMicroseconds;
    const std::int64_t elapsed = std::max(0L, engine.elapsedSeconds()) * kMicroseconds;
    return moveTo(std::clamp(elapsed + offset, std::int64_t{0}, std::max(length, std::int64_t{0})),
                  length);
}

std::optional<std::int64_t> RemoteControl::setPosition(const std::string& trackId,
                                                       std::int64_t position) {
    PlayerEngine& engine = m_program.svc.engine;
    if (trackId.empty() || trackId != this->trackId() || engine.position() < 0)
        return std::nullopt;
    const std::int64_t length = engine.lengthSeconds() * kMicroseconds;
    if (position < 0 || position > length)
        return std::nullopt;
    return moveTo(position, length);
}

// The knob's seek: a fraction of the title, only while a title is loaded.
std::optional<std::int64_t> RemoteControl::moveTo(std::int64_t position, std::int64_t length) {
    if (length <= 0)
        return std::nullopt;
    m_program.svc.engine.setPosition(
        static_cast<float>(static_cast<double>(position) / static_cast<double>(length)));
    // Announced by the caller; the next refresh must not take it for another jump.
    m_state.elapsedSeconds = static_cast<long>(position / kMicroseconds);
    return position;
}

void RemoteControl::setVolume(double volume) {
    // NaN fails every comparison and is taken as silence.
    const double bounded = volume > 0 ? std::min(volume, 1.0) : 0.0;
    const int value = static_cast<int>(std::lround(bounded * 100));
    MainForm& main = m_program.mainForm();
    // Like vol+ at the top, a change that changes nothing does nothing (a mute stays).
    if (value == main.volumeSlider.value)
        return;
    main.volumeSlider.value = value;
    main.volumeSlider_MouseMove(1, 0, 0, 0);
    m_program.dvdBarForm().writeVolumeTexts();
}

} // namespace lumadisc
