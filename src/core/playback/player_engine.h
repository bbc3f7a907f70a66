#pragma once

#include <string>
#include <vector>

namespace lumadisc {

// The video engine embedded in the main window as `stage`. Calls are synchronous and made on
// the user-interface thread. Operations may throw Failure.
class PlayerEngine {
public:
    virtual ~PlayerEngine() = default;

    virtual bool isPlaying() = 0;
    // 0..1 while a title is loaded, negative when idle.
    virtual float position() = 0;
    virtual void setPosition(float position) = 0;
    virtual long elapsedSeconds() = 0;
    virtual long lengthSeconds() = 0;
    virtual long volume() = 0;
    virtual void setVolume(long volume) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // A short relative jump: +1 forward, -1 back.
    virtual void jump(long direction) = 0;
    virtual void switchMute() = 0;
    // Hot-key emulation: bind a key variable to a code, then "key-pressed" with that code.
    virtual void setEngineVariable(const std::string& name, int value) = 0;
    virtual void clearItems() = 0;
    virtual long itemCount() = 0;
    virtual void addItem(const std::string& target, const std::vector<std::string>& options,
                         long mode, long position) = 0;
    // Whether the current item ended in an error (the engine could not open or read it).
    virtual bool itemFailed() = 0;
    // Whether encrypted (CSS) discs can be played.
    virtual bool decryptsDiscs() = 0;

    // The title playing: 1.. for the disc's titles, 0 while its menus play, -1 when idle.
    virtual int title() = 0;
    virtual void setTitle(int title) = 0;
    // The chapter of the title playing, 1..chapterCount(); 0 when none.
    virtual int chapter() = 0;
    virtual int chapterCount() = 0;
    virtual void setChapter(int chapter) = 0;
    // Moves within the title playing to `seconds` from its start.
    virtual void setElapsedSeconds(long seconds) = 0;
    // The audio and subtitle streams by the disc's stream numbers (0.., the order of DiscInfo's
    // lists); -1: none playing / subtitles off.
    virtual int audioStream() = 0;
    virtual void setAudioStream(int stream) = 0;
    virtual int subtitleStream() = 0;
    virtual void setSubtitleStream(int stream) = 0;
    // 1..angles of the title.
    virtual void setAngle(int angle) = 0;
    enum class DiscMenu { Title, Root };
    virtual void showDiscMenu(DiscMenu menu) = 0;
};

} // namespace lumadisc
