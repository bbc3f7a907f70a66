// Remote control: the state clients see and their commands, which must do exactly what the
// control bar does. Raise is test_mpris's.
#include "core/playback/remote_control.h"

#include "core/started_program.h"

#include <cmath>
#include <memory>

namespace lumadisc {
namespace {

using namespace test;

constexpr std::int64_t kSecond = 1'000'000;

// Two programs playing the same disc: `h` is driven remotely, `twin` through the control bar,
// so the two journals tell whether a remote command did what the bar's button does.
class Remote : public StartedProgram {
protected:
    Remote() {
        for (ProgramHarness* harness : {&h, &twin}) {
            harness->writeConfig(configText(kSaved));
            harness->drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
            harness->environment.commandLineText = "D:\\";
            harness->start();
            harness->engine.elapsed = 300;
            harness->engine.length = 1200;
            // The first tick that sees the disc playing ends "LOADING...".
            harness->program->mainForm().movieTimer_Timer();
        }
        remote = std::make_unique<RemoteControl>(program());
    }
    // The engine of both programs as a tick would find it.
    void bothEngines(float position, bool playing) {
        for (ProgramHarness* harness : {&h, &twin}) {
            harness->engine.pos = position;
            harness->engine.playing = playing;
        }
    }
    Names remotely(const std::function<void(RemoteControl&)>& action) {
        return journalOf([&] { action(*remote); });
    }
    Names fromBar(const std::string& command) {
        twin.journal.entries.clear();
        twin.barMovie.click(command);
        return twin.journal.entries;
    }
    // Which of status, metadata and volume a refresh announces, as "smv" letters.
    std::string refreshed() {
        const RemoteChanges c = remote->refresh();
        return std::string(c.status ? "s" : "") + (c.metadata ? "m" : "") + (c.volume ? "v" : "");
    }
    // A position change that the remote must refuse without touching anything.
    void expectIgnored(const std::function<std::optional<std::int64_t>(RemoteControl&)>& call) {
        EXPECT_THAT(remotely([&](RemoteControl& r) { EXPECT_EQ(call(r), std::nullopt); }),
                    IsEmpty());
    }

    ProgramHarness twin;
    std::unique_ptr<RemoteControl> remote;
};

TEST_F(Remote, StatusAndMetadataFollowThePlayer) {
    EXPECT_EQ(refreshed(), "smv");
    const RemoteState& s = remote->state();
    EXPECT_EQ((std::tuple{s.status, s.title, s.lengthSeconds, s.volume}),
              (std::tuple{PlaybackStatus::Playing, "FILM", 1200L, 50}));
    const std::string firstRun = remote->trackId();
    EXPECT_NE(firstRun, "");
    // Nothing changed, nothing to announce: this runs a hundred times a second.
    EXPECT_EQ(refreshed(), "");
    h.engine.elapsed = 301;
    EXPECT_EQ(refreshed(), "");

    bothEngines(0.25f, false);
    EXPECT_EQ(refreshed(), "s");
    EXPECT_EQ(s.status, PlaybackStatus::Paused);
    EXPECT_EQ(remote->trackId(), firstRun) << "a pause is the same run";

    // A menu without a length, then the title behind it.
    bothEngines(0.25f, true);
    h.engine.length = -1;
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(s.lengthSeconds, 0);
    h.engine.length = 1200;
    EXPECT_EQ(refreshed(), "m");

    bothEngines(-1, false);
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ((std::tuple{s.status, s.title, s.lengthSeconds, remote->trackId()}),
              (std::tuple{PlaybackStatus::Stopped, "", 0L, ""}));

    // Another disc, or the same one again, is a new run.
    bothEngines(0, true);
    h.playerMovie.variables["_root.filename"] = "HOLIDAY";
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(s.title, "HOLIDAY");
    EXPECT_NE(remote->trackId(), firstRun);
}

TEST_F(Remote, AFailingReadKeepsTheLastState) {
    remote->refresh();
    h.engine.failing = {"isPlaying"};
    bothEngines(-1, false);
    EXPECT_EQ(refreshed(), "");
    EXPECT_EQ(remote->state().status, PlaybackStatus::Playing);
    bothEngines(0.5f, true);
    h.engine.failing = {"position"};
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    bothEngines(-1, false);
    h.engine.failing.clear();
    EXPECT_EQ(refreshed(), "sm");
}

TEST_F(Remote, VolumeGoesThroughTheVolumeSliderLikeVolumePlus) {
    remote->refresh();
    main().muteStatus_Click();
    twin.program->mainForm().muteStatus_Click();
    twin.program->mainForm().volumeSlider.value = 56;
    EXPECT_EQ(remotely([](RemoteControl& r) { r.setVolume(0.57); }), fromBar("vol+"));
    EXPECT_EQ(main().muteStatus.caption, "U") << "a volume change ends a mute";
    EXPECT_EQ(refreshed(), "v");
    // The same volume again changes nothing, not even the mute.
    main().muteStatus_Click();
    EXPECT_THAT(remotely([](RemoteControl& r) { r.setVolume(0.571); }), IsEmpty());

    const std::pair<double, int> limits[] = {{1.7, 100},        {-0.5, 0},  {0.996, 100},
                                             {std::nan(""), 0}, {0.004, 0}, {0.005, 1}};
    for (const auto& [volume, slider] : limits) {
        main().volumeSlider.value = 50;
        remote->setVolume(volume);
        EXPECT_EQ((std::pair<long, long>{main().volumeSlider.value, h.engine.vol}),
                  (std::pair<long, long>{slider, slider}))
            << "slider and engine after remote volume " << volume;
    }
}

TEST_F(Remote, SeekAndSetPositionStayWithinTheTitle) {
    bothEngines(0.25f, true);
    remote->refresh();
    EXPECT_EQ(remote->positionMicroseconds(), 300 * kSecond);
    const std::string track = remote->trackId();
    // Offsets from 300 s, or places, and where they land in the 1200 s title.
    const std::tuple<std::optional<std::int64_t>, std::int64_t, std::int64_t> moves[] = {
        {60 * kSecond, 0, 360 * kSecond},
        {-400 * kSecond, 0, 0},
        {2000 * kSecond, 0, 1200 * kSecond},
        {std::nullopt, 600 * kSecond, 600 * kSecond},
        {std::nullopt, 1200 * kSecond, 1200 * kSecond}};
    for (const auto& [offset, place, landed] : moves) {
        EXPECT_EQ(offset ? remote->seek(*offset) : remote->setPosition(track, place), landed);
        EXPECT_FLOAT_EQ(h.engine.pos, static_cast<float>(landed) / (1200 * kSecond));
        h.engine.pos = 0.25f;
    }
    bothEngines(0.25f, false); // paused is still loaded
    EXPECT_EQ(remote->seek(-30 * kSecond), 270 * kSecond);

    // Places outside the title, stale runs, nothing loaded, a menu without a length.
    for (const std::int64_t outside : {1200 * kSecond + 1, std::int64_t{-1}})
        expectIgnored([&](RemoteControl& r) { return r.setPosition(track, outside); });
    for (const std::string& stale : {std::string("/org/lumadisc/disc/0"), std::string()})
        expectIgnored([&](RemoteControl& r) { return r.setPosition(stale, kSecond); });
    bothEngines(-1, false);
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
    remote->refresh();
    bothEngines(0.1f, true);
    remote->refresh();
    expectIgnored([&](RemoteControl& r) { return r.setPosition(track, kSecond); });
    h.engine.length = 0;
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
}

TEST_F(Remote, TransportCommandsRunTheControlBarsProcedures) {
    const std::tuple<float, bool, const char*, const char*> cases[] = {
        {0.25f, true, "Pause", "pause"},
        {0.25f, false, "Play", "play"},
        // Play-pause toggles like the space key.
        {0.25f, true, "PlayPause", "pause"},
        {0.25f, false, "PlayPause", "play"},
        {0.25f, true, "Stop", "stop"},
        // Pause does nothing while stopped, as the button.
        {-1, false, "Pause", "pause"}};
    for (const auto& [position, playing, method, barCommand] : cases) {
        bothEngines(position, playing);
        const Names viaRemote = remotely([&](RemoteControl& r) { EXPECT_TRUE(r.command(method)); });
        EXPECT_EQ(viaRemote, fromBar(barCommand)) << "the remote's " << method;
        EXPECT_EQ(viaRemote.empty(), position < 0) << "the remote's " << method;
    }
    EXPECT_TRUE(state().userStopped);
    EXPECT_FALSE(remote->command("Seek")) << "a method without an action";
    EXPECT_FALSE(remote->command("play"));
}

TEST_F(Remote, QuitIsTheBarsExit) {
    h.journal.entries.clear();
    EXPECT_THROW(remote->quit(), ProgramEnded);
    twin.journal.entries.clear();
    EXPECT_THROW(twin.barMovie.click("ID_FS_exit"), ProgramEnded);
    EXPECT_EQ(h.journal.entries, twin.journal.entries) << "Quit did not run the bar's exit";
}

TEST_F(Remote, JumpsMadeElsewhereAreAnnouncedOnce) {
    bothEngines(0.25f, true);
    remote->refresh();
    // Playing on moves a second at most between two refreshes; the bar's jump moves ten.
    for (const auto& [elapsed, seeked] : {std::pair{301L, false}, {311L, true}, {301L, true}}) {
        h.engine.elapsed = elapsed;
        EXPECT_EQ(remote->refresh().seeked, seeked) << "elapsed " << elapsed;
    }
    // A remote seek is announced by its caller, not again by the next refresh.
    ASSERT_EQ(remote->seek(100 * kSecond), 401 * kSecond);
    h.engine.elapsed = 401;
    EXPECT_FALSE(remote->refresh().seeked);
    // Stopping and starting again is no jump.
    bothEngines(-1, false);
    remote->refresh();
    bothEngines(0.01f, true);
    h.engine.elapsed = 3;
    EXPECT_FALSE(remote->refresh().seeked);
}

} // namespace
} // namespace lumadisc
