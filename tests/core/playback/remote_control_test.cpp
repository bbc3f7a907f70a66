// Remote control: the state clients see and their commands, which must do exactly what the
// control bar does. What test_mpris sees (status, title, length, volume, pause, play, stop, a
// seek and a position, Raise) is its.
#include "core/playback/remote_control.h"

#include "core/skin/actions.h"
#include "core/started_program.h"

#include <cmath>
#include <optional>

namespace lumadisc {
namespace {

using namespace test;

constexpr std::int64_t kSecond = 1'000'000;

class Remote : public StartedProgram {
protected:
    Remote() {
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        h.environment.commandLineText = "D:\\";
        start();
        playingTick(0, 300, 1200); // the first tick that sees the disc playing ends "LOADING..."
        remote.emplace(program());
        remote->refresh();
    }
    // Which of status and metadata a refresh announces, as "sm" letters.
    std::string refreshed() {
        const RemoteChanges c = remote->refresh();
        return std::string(c.status ? "s" : "") + (c.metadata ? "m" : "");
    }
    // A position change that the remote must refuse without touching anything.
    void expectIgnored(const std::function<std::optional<std::int64_t>(RemoteControl&)>& call) {
        EXPECT_THAT(journalOf([&] { EXPECT_EQ(call(*remote), std::nullopt); }), IsEmpty());
    }

    std::optional<RemoteControl> remote;
};

TEST_F(Remote, ChangesAreAnnouncedOnceEachStartIsANewRunAndAFailingReadKeepsTheLastState) {
    const std::string firstRun = remote->trackId();
    // Nothing changed, nothing to announce: this runs a hundred times a second.
    h.engine.elapsed = 301;
    EXPECT_EQ(refreshed(), "");
    engineState(0.25f, false);
    EXPECT_EQ(refreshed(), "s");
    EXPECT_EQ(remote->trackId(), firstRun) << "a pause is the same run";
    // A menu without a length.
    engineState(0.25f, true);
    h.engine.length = -1;
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(remote->state().lengthSeconds, 0);
    engineState(-1, false);
    EXPECT_EQ(refreshed(), "sm");
    engineState(0, true);
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_NE(remote->trackId(), firstRun) << "starting the disc again began no new run";

    h.engine.failing = {"isPlaying"};
    engineState(-1, false);
    EXPECT_EQ(refreshed(), "");
    h.engine.failing = {"position"};
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    h.engine.failing.clear();
    EXPECT_EQ(refreshed(), "sm") << "the failing read changed the state";
}

TEST_F(Remote, VolumeGoesThroughTheVolumeSliderLikeVolumePlus) {
    main().muteStatus_Click();
    main().volumeSlider.value = 56;
    const Names volumePlus = journalOf([&] { h.barMovie.click("vol+"); });
    main().muteStatus_Click();
    main().volumeSlider.value = 56;
    EXPECT_EQ(journalOf([&] { remote->setVolume(0.57); }), volumePlus);
    // The same volume again changes nothing, not even the mute.
    main().muteStatus_Click();
    EXPECT_THAT(journalOf([&] { remote->setVolume(0.571); }), IsEmpty());

    const std::pair<double, int> limits[] = {{1.7, 100}, {std::nan(""), 0}, {0.004, 0}, {0.005, 1}};
    for (const auto& [volume, engine] : limits) {
        main().volumeSlider.value = 50;
        remote->setVolume(volume);
        EXPECT_EQ(h.engine.vol, engine) << "the engine's volume after remote volume " << volume;
    }
}

TEST_F(Remote, SeekAndSetPositionStayWithinTheTitle) {
    const std::string track = remote->trackId();
    // Offsets from 300 s, or places, whether it plays, and where they land in the 1200 s title.
    const std::tuple<std::optional<std::int64_t>, std::int64_t, bool, std::int64_t> moves[] = {
        {-400 * kSecond, 0, true, 0},
        {2000 * kSecond, 0, true, 1200 * kSecond},
        {std::nullopt, 1200 * kSecond, true, 1200 * kSecond},
        {-30 * kSecond, 0, false, 270 * kSecond}}; // paused is still loaded
    for (const auto& [offset, place, playing, landed] : moves) {
        engineState(0.25f, playing);
        EXPECT_EQ(offset ? remote->seek(*offset) : remote->setPosition(track, place), landed);
        EXPECT_FLOAT_EQ(h.engine.pos, static_cast<float>(landed) / (1200 * kSecond));
    }

    // Places outside the title, a stale run, nothing loaded, a menu without a length.
    for (const std::int64_t outside : {1200 * kSecond + 1, std::int64_t{-1}})
        expectIgnored([&](RemoteControl& r) { return r.setPosition(track, outside); });
    expectIgnored([](RemoteControl& r) { return r.setPosition("/org/lumadisc/disc/0", kSecond); });
    engineState(-1, false);
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
    engineState(0.1f, true);
    h.engine.length = 0;
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
}

// What the actions do is the control bar's test; here that the remote reaches the same ones.
// Pause and Quit are test_mpris's.
TEST_F(Remote, CommandsAreTheControlBarsActions) {
    EXPECT_EQ(actionForRemote("PlayPause"), actionForKey("Space", false, false))
        << "PlayPause is not what Space does";
}

TEST_F(Remote, JumpsMadeElsewhereAreAnnounced) {
    engineState(0.25f, true);
    // Playing on moves a second at most between two refreshes; the bar's jump moves ten.
    for (const auto& [elapsed, seeked] : {std::pair{301L, false}, {311L, true}, {301L, true}}) {
        h.engine.elapsed = elapsed;
        EXPECT_EQ(remote->refresh().seeked, seeked) << "elapsed " << elapsed;
    }
}

} // namespace
} // namespace lumadisc
