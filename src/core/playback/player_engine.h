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
};

} // namespace lumadisc
