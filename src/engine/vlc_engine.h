#pragma once

#include "core/playback/player_engine.h"
#include "engine/engine_options.h"
#include "engine/key_bindings.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct libvlc_event_t;
struct libvlc_instance_t;
struct libvlc_media_player_t;

namespace lumadisc {

// PlayerEngine over libvlc 3. Made, used and destroyed on the user-interface thread; libvlc's
// events are handed over to that thread before they touch anything.
class VlcEngine : public PlayerEngine {
public:
    // `videoWindow` is the X11 window that shows the video, 0 when there is no X server (the
    // video then goes nowhere). `extraArguments` are added to every libvlc_new call, for example
    // the audio output. Throws Failure when libvlc cannot start.
    explicit VlcEngine(std::uint32_t videoWindow, std::vector<std::string> extraArguments = {});
    ~VlcEngine() override;
    VlcEngine(const VlcEngine&) = delete;
    VlcEngine& operator=(const VlcEngine&) = delete;

    // Called by the full-screen hot key; the window goes full screen itself because libvlc
    // reads the window id only when its video output starts.
    void setFullScreenHandler(std::function<void()> handler);

    bool isPlaying() override;
    float position() override;
    void setPosition(float position) override;
    long elapsedSeconds() override;
    long lengthSeconds() override;
    long volume() override;
    void setVolume(long volume) override;
    void play() override;
    void pause() override;
    void stop() override;
    void jump(long direction) override;
    void switchMute() override;
    void setEngineVariable(const std::string& name, int value) override;
    void clearItems() override;
    long itemCount() override;
    void addItem(const std::string& target, const std::vector<std::string>& options, long mode,
                 long position) override;
    bool itemFailed() override;
    bool decryptsDiscs() override;
    int title() override;
    void setTitle(int title) override;
    int chapter() override;
    int chapterCount() override;
    void setChapter(int chapter) override;
    void setElapsedSeconds(long seconds) override;
    int audioStream() override;
    void setAudioStream(int stream) override;
    int subtitleStream() override;
    void setSubtitleStream(int stream) override;
    void setAngle(int angle) override;
    void showDiscMenu(DiscMenu menu) override;

private:
    struct InstanceDeleter {
        void operator()(libvlc_instance_t* instance) const;
    };
    struct PlayerDeleter {
        void operator()(libvlc_media_player_t* player) const;
    };

    static void onLibvlcEvent(const libvlc_event_t* event, void* engine);
    void onEvent(int type);
    std::vector<std::string> argumentsFor(const EngineOptions& options) const;
    // Makes a new instance and player with `arguments`, replacing the old ones and their item.
    void startInstance(const std::vector<std::string>& arguments);
    void applyAudio();
    // libvlc keeps an item that ended or failed at its last position until it is stopped.
    bool finished();
    void runAction(KeyBindings::Action action);
    void takeSnapshot();
    // Whether the disc's titles (not its menus) are playing.
    bool inTitle();
    // The menu of the disc's menu domain that title 0's seek point `point` calls.
    void callDiscMenu(int point);
    int chapterStartingAt(std::int64_t ms);
    void chooseWantedStreams();
    void forgetWantedStreams();

    // Declared first so that it goes last: the player below must be gone before the events it
    // queued on this object are dropped.
    QObject m_uiThread;
    const std::uint32_t m_videoWindow;
    const std::vector<std::string> m_extraArguments;
    std::vector<std::string> m_arguments;
    std::unique_ptr<libvlc_instance_t, InstanceDeleter> m_instance;
    std::unique_ptr<libvlc_media_player_t, PlayerDeleter> m_player;
    EngineOptions m_options;
    const bool m_decryptsDiscs;
    bool m_hasItem = false;
    // The item ended in an error: libvlc could not open or read it.
    bool m_failed = false;
    long m_volume = 50;
    bool m_muted = false;
    KeyBindings m_keys;
    // The disc's audio and subtitle streams chosen while their tracks were not there yet, and
    // the title they were chosen for.
    std::optional<int> m_wantedTitle;
    std::optional<int> m_wantedAudio;
    std::optional<int> m_wantedSubtitle;
    std::function<void()> m_fullScreenHandler;
};

} // namespace lumadisc
