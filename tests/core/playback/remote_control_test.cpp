// Remote control: the state clients see and their commands, which must do exactly what the
// control bar does.
#include "core/playback/remote_control.h"

#include "core/started_program.h"

#include <cmath>
#include <memory>

namespace lumadisc {
namespace {

using namespace test;

constexpr std::int64_t kSecond = 1'000'000;
const Names kResume{"engine.play", "player.set _root.filename=FILM",
                    "bar.set _level0.dvdName.text=FILM", "sleep 500"};

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
    EXPECT_EQ(s.status, PlaybackStatus::Playing);
    EXPECT_EQ(s.title, "FILM");
    EXPECT_EQ(s.lengthSeconds, 1200);
    EXPECT_EQ(s.volume, 50);
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/1");
    // Nothing changed, nothing to announce: this runs a hundred times a second.
    EXPECT_EQ(refreshed(), "");
    h.engine.elapsed = 301;
    EXPECT_EQ(refreshed(), "");

    bothEngines(0.25f, false);
    EXPECT_EQ(refreshed(), "s");
    EXPECT_EQ(s.status, PlaybackStatus::Paused);
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/1");

    // A menu without a length, then the title behind it.
    bothEngines(0.25f, true);
    h.engine.length = -1;
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(s.lengthSeconds, 0);
    h.engine.length = 1200;
    EXPECT_EQ(refreshed(), "m");

    bothEngines(-1, false);
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(s.status, PlaybackStatus::Stopped);
    EXPECT_EQ(s.title, "");
    EXPECT_EQ(s.lengthSeconds, 0);
    EXPECT_EQ(remote->trackId(), "");

    // Another disc, or the same one again, is a new track.
    bothEngines(0, true);
    h.playerMovie.variables["_root.filename"] = "HOLIDAY";
    EXPECT_EQ(refreshed(), "sm");
    EXPECT_EQ(s.title, "HOLIDAY");
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/2");
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
    EXPECT_EQ(remote->state().status, PlaybackStatus::Stopped);
}

TEST_F(Remote, VolumeGoesThroughTheVolumeSliderLikeVolumePlus) {
    remote->refresh();
    main().muteStatus_Click();
    twin.program->mainForm().muteStatus_Click();
    twin.program->mainForm().volumeSlider.value = 56;
    const Names viaRemote = remotely([](RemoteControl& r) { r.setVolume(0.57); });
    EXPECT_EQ(viaRemote, fromBar("vol+"));
    EXPECT_THAT(viaRemote, ElementsAre("engine.switchMute", "engine.setVolume 57",
                                       "bar.set _level0.volumeText1.text=Volume 57",
                                       "bar.set _level0.volumeText2.text=Volume 57"));
    EXPECT_EQ(main().volumeSlider.value, 57);
    EXPECT_EQ(main().muteStatus.caption, "U");
    EXPECT_EQ(refreshed(), "v");
    EXPECT_EQ(remote->state().volume, 57);

    // The same volume again changes nothing, not even the mute.
    main().muteStatus_Click();
    EXPECT_THAT(remotely([](RemoteControl& r) { r.setVolume(0.571); }), IsEmpty());
    EXPECT_EQ(main().muteStatus.caption, "V");

    const std::pair<double, int> limits[] = {{1.7, 100},        {-0.5, 0},  {0.996, 100},
                                             {std::nan(""), 0}, {0.004, 0}, {0.005, 1}};
    for (const auto& [volume, slider] : limits) {
        main().volumeSlider.value = 50;
        remote->setVolume(volume);
        EXPECT_EQ(main().volumeSlider.value, slider) << volume;
        EXPECT_EQ(h.engine.vol, slider) << volume;
    }
}

TEST_F(Remote, SeekMovesWithinTheTitle) {
    bothEngines(0.25f, true);
    EXPECT_EQ(remote->positionMicroseconds(), 300 * kSecond);
    EXPECT_EQ(remote->seek(60 * kSecond), 360 * kSecond);
    EXPECT_EQ(remote->seek(-400 * kSecond), 0);
    EXPECT_EQ(remote->seek(2000 * kSecond), 1200 * kSecond);
    EXPECT_THAT(h.journal.with("engine.setPosition"),
                ElementsAre("engine.setPosition 0.300000", "engine.setPosition 0.000000",
                            "engine.setPosition 1.000000"));
    bothEngines(0.25f, false); // paused is still loaded
    EXPECT_EQ(remote->seek(-30 * kSecond), 270 * kSecond);

    // Nothing to move in: idle, or a menu without a length.
    bothEngines(-1, false);
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
    bothEngines(0.1f, true);
    h.engine.length = 0;
    expectIgnored([](RemoteControl& r) { return r.seek(kSecond); });
}

TEST_F(Remote, SetPositionIgnoresStaleTracksAndPlacesOutsideTheTitle) {
    remote->refresh();
    const std::string track = remote->trackId();
    EXPECT_EQ(remote->setPosition(track, 600 * kSecond), 600 * kSecond);
    EXPECT_EQ(remote->setPosition(track, 1200 * kSecond), 1200 * kSecond);
    EXPECT_THAT(h.journal.with("engine.setPosition"),
                ElementsAre("engine.setPosition 0.500000", "engine.setPosition 1.000000"));
    const auto ignored = [&](const std::string& id, std::int64_t position) {
        SCOPED_TRACE(id + " " + std::to_string(position));
        expectIgnored([&](RemoteControl& r) { return r.setPosition(id, position); });
    };
    ignored(track, 1200 * kSecond + 1);
    ignored(track, -1);
    ignored("/org/lumadisc/disc/0", kSecond);
    ignored("", kSecond);
    // After a stop and a new start the old id is stale.
    bothEngines(-1, false);
    remote->refresh();
    ignored(track, kSecond);
    bothEngines(0, true);
    remote->refresh();
    ignored(track, kSecond);
    EXPECT_EQ(remote->setPosition(remote->trackId(), kSecond), kSecond);
}

TEST_F(Remote, TransportCommandsRunTheControlBarsProcedures) {
    struct Case {
        float position;
        bool playing;
        std::function<void(RemoteControl&)> action;
        std::string barCommand;
        Names journal;
    };
    const Case cases[] = {
        {0.25f, true, [](RemoteControl& r) { r.pause(); }, "pause", {"engine.pause"}},
        // Play resumes a pause, and names the disc again as the play button does.
        {0.25f, false, [](RemoteControl& r) { r.play(); }, "play", kResume},
        // Play-pause toggles like the space key.
        {0.25f, true, [](RemoteControl& r) { r.playPause(); }, "pause", {"engine.pause"}},
        {0.25f, false, [](RemoteControl& r) { r.playPause(); }, "play", kResume},
        {0.25f, true, [](RemoteControl& r) { r.stop(); }, "stop", {"engine.stop", "sleep 500"}},
        // Pause does nothing while stopped, as the button.
        {-1, false, [](RemoteControl& r) { r.pause(); }, "pause", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.barCommand);
        bothEngines(c.position, c.playing);
        const Names viaRemote = remotely(c.action);
        EXPECT_EQ(viaRemote, fromBar(c.barCommand));
        EXPECT_EQ(viaRemote, c.journal);
    }
    EXPECT_TRUE(state().userStopped);
}

TEST_F(Remote, RaiseShowsTheMainWindowAndQuitIsTheBarsExit) {
    h.barMovie.click("ID_FS_mini");
    ASSERT_FALSE(main().visible);
    remote->raise();
    EXPECT_TRUE(main().visible);

    h.journal.entries.clear();
    EXPECT_THROW(remote->quit(), ProgramEnded);
    twin.journal.entries.clear();
    EXPECT_THROW(twin.barMovie.click("ID_FS_exit"), ProgramEnded);
    EXPECT_EQ(h.journal.entries, twin.journal.entries);
    EXPECT_THAT(h.journal.entries, ::testing::Contains("windows.end"));
}

TEST_F(Remote, JumpsMadeElsewhereAreAnnouncedOnce) {
    bothEngines(0.25f, true);
    remote->refresh();
    // Playing on moves a second at most between two refreshes; the bar's jump moves ten.
    for (const auto& [elapsed, seeked] : {std::pair{301L, false}, {311L, true}, {301L, true}}) {
        h.engine.elapsed = elapsed;
        EXPECT_EQ(remote->refresh().seeked, seeked) << elapsed;
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
