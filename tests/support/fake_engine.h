#pragma once

#include "core/playback/player_engine.h"
#include "support/journal.h"

#include <set>
#include <string>
#include <vector>

namespace lumadisc::test {

// An engine whose state is plain fields; each call is journalled, and any operation named in
// `failing` throws Failure.
class FakeEngine : public PlayerEngine {
public:
    explicit FakeEngine(Journal& journal) : m_journal(journal) {}

    bool playing = false;
    float pos = -1;
    long elapsed = -1;
    long length = -1;
    long vol = 50;
    bool muted = false;
    long items = 0;
    std::string target;
    std::vector<std::string> options;
    std::set<std::string> failing;

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

private:
    void call(const std::string& name, const std::string& detail = {});
    Journal& m_journal;
};

} // namespace lumadisc::test
