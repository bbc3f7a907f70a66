#include "support/fake_engine.h"

#include "core/failure.h"

namespace lumadisc::test {

void FakeEngine::call(const std::string& name, const std::string& detail) {
    m_journal.add("engine." + name + (detail.empty() ? "" : " " + detail));
    if (failing.count(name))
        throw Failure("engine." + name + " failed", 1);
}

bool FakeEngine::isPlaying() {
    if (failing.count("isPlaying"))
        throw Failure("isPlaying failed", 1);
    return playing;
}

float FakeEngine::position() {
    if (failing.count("position"))
        throw Failure("position failed", 1);
    return pos;
}

void FakeEngine::setPosition(float position) {
    call("setPosition", std::to_string(position));
    pos = position;
}

long FakeEngine::elapsedSeconds() {
    return elapsed;
}
long FakeEngine::lengthSeconds() {
    return length;
}
long FakeEngine::volume() {
    return vol;
}

void FakeEngine::setVolume(long volume) {
    call("setVolume", std::to_string(volume));
    vol = volume;
}

void FakeEngine::play() {
    call("play");
    playing = true;
    if (pos < 0)
        pos = 0;
}

void FakeEngine::pause() {
    call("pause");
    playing = false;
}

void FakeEngine::stop() {
    call("stop");
    playing = false;
    pos = -1;
}

void FakeEngine::jump(long direction) {
    call("jump", std::to_string(direction));
}

void FakeEngine::switchMute() {
    call("switchMute");
    muted = !muted;
}

void FakeEngine::setEngineVariable(const std::string& name, int value) {
    call("setEngineVariable", name + "=" + std::to_string(value));
}

void FakeEngine::clearItems() {
    call("clearItems");
    items = 0;
}

long FakeEngine::itemCount() {
    return items;
}

void FakeEngine::addItem(const std::string& newTarget, const std::vector<std::string>& newOptions,
                         long mode, long position) {
    call("addItem",
         newTarget + " mode=" + std::to_string(mode) + " pos=" + std::to_string(position));
    target = newTarget;
    options = newOptions;
    items = 1;
}

} // namespace lumadisc::test
