#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumadisc {

class Program;

enum class PlaybackStatus { Stopped, Paused, Playing };

// The player as a desktop remote control (media keys, sound menus, task bars) sees it.
struct RemoteState {
    PlaybackStatus status = PlaybackStatus::Stopped;
    // Counts the starts from stopped, so a client holding the id of an earlier run is told apart.
    int track = 0;
    // The disc label and the title's length; empty and 0 while stopped.
    std::string title;
    long lengthSeconds = 0;
    // The volume slider, 0..100.
    int volume = 0;
    // The elapsed time at the refresh, -1 while stopped.
    long elapsedSeconds = -1;
    // A title with more than one chapter plays: next and previous go from chapter to chapter.
    bool chapters = false;
};

// Which parts of the state differ from the previous refresh.
struct RemoteChanges {
    bool status = false;
    bool metadata = false;
    bool volume = false;
    bool chapters = false;
    // The position jumped (the bar's forward and back, the knob, the progress bar): more than
    // playing on could move it between two refreshes.
    bool seeked = false;
};

// Remote control of the player: its state for clients, and their commands mapped onto the
// same procedures as the control bar, so an action behaves alike from every source.
class RemoteControl {
public:
    explicit RemoteControl(Program& program);

    // Reads the player's state again. Runs after every handler and status tick, so it reads
    // only what the tick reads anyway. A failing read keeps the previous state.
    RemoteChanges refresh();
    const RemoteState& state() const { return m_state; }
    // An object path naming the current run of the disc; empty while stopped.
    std::string trackId() const;
    // The elapsed time, read now; 0 when nothing is loaded or the engine cannot tell.
    std::int64_t positionMicroseconds();

    // Runs the action of a remote-control method without arguments ("Play", "Quit"; see
    // `core/skin/actions.h`); false when the method has none.
    bool command(std::string_view method);
    void play() { command("Play"); }
    void pause() { command("Pause"); }
    void playPause() { command("PlayPause"); }
    void stop() { command("Stop"); }
    void next() { command("Next"); }
    void previous() { command("Previous"); }
    // Moves by `offset`, kept within the title. Returns the new position, or nothing when no
    // title with a known length is loaded.
    std::optional<std::int64_t> seek(std::int64_t offset);
    // Moves to `position` of the run named by `trackId`. Returns the new position, or nothing
    // when the id is stale or the position lies outside the title.
    std::optional<std::int64_t> setPosition(const std::string& trackId, std::int64_t position);
    // 0..1; values outside are taken as the nearest limit.
    void setVolume(double volume);
    void raise() { command("Raise"); }
    void quit() { command("Quit"); }

private:
    std::optional<std::int64_t> moveTo(std::int64_t position, std::int64_t length);

    Program& m_program;
    RemoteState m_state;
};

} // namespace lumadisc
