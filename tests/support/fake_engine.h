#pragma once

#include "core/failure.h"
#include "core/playback/player_engine.h"
#include "support/journal.h"

#include <set>
#include <string>
#include <vector>

namespace lumadisc::test {

// An engine whose state is plain fields; each command is journalled, and any operation named in
// `failing` throws Failure.
class FakeEngine : public PlayerEngine, Journalled {
public:
    explicit FakeEngine(Journal& journal) : Journalled(journal) {}

    bool playing = false;
    float pos = -1;
    long elapsed = -1;
    long length = -1;
    long vol = 50;
    long items = 0;
    int added = 0; // items added since the start
    std::string target;
    std::vector<std::string> options;
    std::set<std::string> failing;
    bool failed = false;
    bool decrypts = false;
    // The disc's navigation: title (-1 idle, 0 menus), chapter, streams (-1 none or off).
    int titleNumber = -1;
    int chapterNumber = 0;
    int chapters = 0;
    int audio = -1;
    int subtitle = -1;

    bool isPlaying() override { return checked("isPlaying", playing); }
    float position() override { return checked("position", pos); }
    long elapsedSeconds() override { return elapsed; }
    long lengthSeconds() override { return length; }
    long volume() override { return vol; }
    long itemCount() override { return items; }
    void setPosition(float position) override { set("setPosition", pos, position); }
    void setVolume(long volume) override { set("setVolume", vol, volume); }
    void play() override {
        call("play");
        playing = true;
        pos = pos < 0 ? 0 : pos;
    }
    void pause() override {
        call("pause");
        playing = false;
    }
    void stop() override {
        call("stop");
        playing = false;
        pos = -1;
    }
    void jump(long direction) override { call("jump", std::to_string(direction)); }
    void switchMute() override { call("switchMute"); }
    void setEngineVariable(const std::string& name, int value) override {
        call("setEngineVariable", name + "=" + std::to_string(value));
    }
    void clearItems() override {
        call("clearItems");
        items = 0;
    }
    void addItem(const std::string& newTarget, const std::vector<std::string>& newOptions,
                 long mode, long position) override {
        call("addItem",
             newTarget + " mode=" + std::to_string(mode) + " pos=" + std::to_string(position));
        target = newTarget;
        options = newOptions;
        items = 1;
        ++added;
        failed = false;
    }
    bool itemFailed() override { return failed; }
    bool decryptsDiscs() override { return decrypts; }
    int title() override { return titleNumber; }
    void setTitle(int title) override {
        set("setTitle", titleNumber, title);
        chapterNumber = chapters > 0 ? 1 : 0;
    }
    int chapter() override { return chapterNumber; }
    int chapterCount() override { return chapters; }
    void setChapter(int chapter) override { set("setChapter", chapterNumber, chapter); }
    void setElapsedSeconds(long seconds) override { set("setElapsedSeconds", elapsed, seconds); }
    int audioStream() override { return audio; }
    void setAudioStream(int stream) override { set("setAudioStream", audio, stream); }
    int subtitleStream() override { return subtitle; }
    void setSubtitleStream(int stream) override { set("setSubtitleStream", subtitle, stream); }
    void setAngle(int angle) override { call("setAngle", std::to_string(angle)); }
    void showDiscMenu(DiscMenu menu) override {
        call("showDiscMenu", menu == DiscMenu::Title ? "title" : "root");
        titleNumber = 0;
    }

private:
    void check(const std::string& name) const {
        if (failing.count(name))
            throw Failure("engine." + name + " failed", 1);
    }
    template <typename T> T checked(const std::string& name, T value) const {
        check(name);
        return value;
    }
    void call(const std::string& name, const std::string& detail = {}) {
        m_journal.add("engine." + name + (detail.empty() ? "" : " " + detail));
        check(name);
    }
    template <typename T> void set(const std::string& name, T& field, T value) {
        call(name, std::to_string(value));
        field = value;
    }
};

} // namespace lumadisc::test
