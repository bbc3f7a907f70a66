// Remote control: the state clients see and their commands, which must do exactly what the
// control bar does.
#include "core/playback/remote_control.h"

#include "core/shell/config_file.h"
#include "core/shell/main_form.h"
#include "support/program_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace lumadisc {
namespace {

using test::ProgramEnded;
using test::ProgramHarness;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Volume = Drives::VolumeInfo;
using Names = std::vector<std::string>;

constexpr std::int64_t kSecond = 1'000'000;

// Two programs playing the same disc: `h` is driven remotely, `twin` through the control bar,
// so the two journals tell whether a remote command did what the bar's button does.
class Remote : public ::testing::Test {
protected:
    Remote() {
        for (ProgramHarness* harness : {&h, &twin}) {
            harness->writeConfig(configText({"English.ini", "/home/user/Shots", 1, 0, 0, 0, 0}));
            harness->drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
            harness->environment.commandLineText = "D:\\";
            harness->start();
            harness->engine.elapsed = 300;
            harness->engine.length = 1200;
            // The first tick that sees the disc playing ends "LOADING...".
            harness->program->mainForm().movieTimer_Timer();
        }
        remote = std::make_unique<RemoteControl>(*h.program);
    }
    MainForm& main() { return h.program->mainForm(); }
    // The engine of both programs as a tick would find it.
    void engineState(float position, bool playing) {
        for (ProgramHarness* harness : {&h, &twin}) {
            harness->engine.pos = position;
            harness->engine.playing = playing;
        }
    }
    Names remotely(const std::function<void(RemoteControl&)>& action) {
        h.journal.entries.clear();
        action(*remote);
        return h.journal.entries;
    }
    Names fromBar(const std::string& command) {
        twin.journal.entries.clear();
        twin.barMovie.click(command);
        return twin.journal.entries;
    }
    static bool none(const RemoteChanges& changes) {
        return !changes.status && !changes.metadata && !changes.volume;
    }

    ProgramHarness h;
    ProgramHarness twin;
    std::unique_ptr<RemoteControl> remote;
};

TEST_F(Remote, StatusAndMetadataFollowThePlayer) {
    RemoteChanges changes = remote->refresh();
    EXPECT_TRUE(changes.status && changes.metadata && changes.volume);
    EXPECT_EQ(remote->state().status, PlaybackStatus::Playing);
    EXPECT_EQ(remote->state().title, "FILM");
    EXPECT_EQ(remote->state().lengthSeconds, 1200);
    EXPECT_EQ(remote->state().volume, 50);
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/1");
    // Nothing changed, nothing to announce: this runs a hundred times a second.
    EXPECT_TRUE(none(remote->refresh()));
    h.engine.elapsed = 301;
    EXPECT_TRUE(none(remote->refresh()));

    engineState(0.25f, false);
    changes = remote->refresh();
    EXPECT_EQ(remote->state().status, PlaybackStatus::Paused);
    EXPECT_TRUE(changes.status);
    EXPECT_FALSE(changes.metadata || changes.volume);
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/1");

    // A menu without a length, then the title behind it.
    engineState(0.25f, true);
    h.engine.length = -1;
    changes = remote->refresh();
    EXPECT_TRUE(changes.status && changes.metadata);
    EXPECT_EQ(remote->state().lengthSeconds, 0);
    h.engine.length = 1200;
    EXPECT_TRUE(remote->refresh().metadata);

    engineState(-1, false);
    changes = remote->refresh();
    EXPECT_EQ(remote->state().status, PlaybackStatus::Stopped);
    EXPECT_TRUE(changes.status && changes.metadata);
    EXPECT_EQ(remote->state().title, "");
    EXPECT_EQ(remote->state().lengthSeconds, 0);
    EXPECT_EQ(remote->trackId(), "");

    // Another disc, or the same one again, is a new track.
    engineState(0, true);
    h.playerMovie.variables["_root.filename"] = "HOLIDAY";
    EXPECT_TRUE(remote->refresh().metadata);
    EXPECT_EQ(remote->state().title, "HOLIDAY");
    EXPECT_EQ(remote->trackId(), "/org/lumadisc/disc/2");
}

TEST_F(Remote, AFailingReadKeepsTheLastState) {
    remote->refresh();
    h.engine.failing = {"isPlaying"};
    engineState(-1, false);
    EXPECT_TRUE(none(remote->refresh()));
    EXPECT_EQ(remote->state().status, PlaybackStatus::Playing);
    engineState(0.5f, true);
    h.engine.failing = {"position"};
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    engineState(-1, false);
    h.engine.failing.clear();
    EXPECT_TRUE(remote->refresh().status);
    EXPECT_EQ(remote->state().status, PlaybackStatus::Stopped);
}

TEST_F(Remote, VolumeGoesThroughTheVolumeSliderLikeVolumePlus) {
    remote->refresh();
    main().muteStatus_Click();
    twin.program->mainForm().muteStatus_Click();
    twin.program->mainForm().volumeSlider.value = 56;
    const Names viaRemote = remotely([](RemoteControl& r) { r.setVolume(0.57); });
    EXPECT_EQ(viaRemote, fromBar("vol+"));
    EXPECT_THAT(viaRemote, Contains("engine.switchMute"));
    EXPECT_EQ(main().volumeSlider.value, 57);
    EXPECT_EQ(h.engine.vol, 57);
    EXPECT_EQ(main().muteStatus.caption, "U");
    EXPECT_EQ(h.barMovie.variables["_level0.volumeText1.text"], "Volume 57");
    EXPECT_EQ(h.barMovie.variables["_level0.volumeText2.text"], "Volume 57");
    const RemoteChanges changes = remote->refresh();
    EXPECT_TRUE(changes.volume);
    EXPECT_FALSE(changes.status || changes.metadata);
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
    engineState(0.25f, true);
    EXPECT_EQ(remote->positionMicroseconds(), 300 * kSecond);
    EXPECT_EQ(remote->seek(60 * kSecond), 360 * kSecond);
    EXPECT_EQ(remote->seek(-400 * kSecond), 0);
    EXPECT_EQ(remote->seek(2000 * kSecond), 1200 * kSecond);
    EXPECT_THAT(h.journal.with("engine.setPosition"),
                ElementsAre("engine.setPosition 0.300000", "engine.setPosition 0.000000",
                            "engine.setPosition 1.000000"));

    // Paused is still loaded.
    engineState(0.25f, false);
    EXPECT_EQ(remote->seek(-30 * kSecond), 270 * kSecond);

    // Nothing to move in: idle, or a menu without a length.
    engineState(-1, false);
    EXPECT_EQ(remote->positionMicroseconds(), 0);
    EXPECT_THAT(remotely([](RemoteControl& r) { EXPECT_EQ(r.seek(kSecond), std::nullopt); }),
                IsEmpty());
    engineState(0.1f, true);
    h.engine.length = 0;
    EXPECT_THAT(remotely([](RemoteControl& r) { EXPECT_EQ(r.seek(kSecond), std::nullopt); }),
                IsEmpty());
}

TEST_F(Remote, SetPositionIgnoresStaleTracksAndPlacesOutsideTheTitle) {
    remote->refresh();
    const std::string track = remote->trackId();
    EXPECT_EQ(remote->setPosition(track, 600 * kSecond), 600 * kSecond);
    EXPECT_EQ(remote->setPosition(track, 1200 * kSecond), 1200 * kSecond);
    EXPECT_THAT(h.journal.with("engine.setPosition"),
                ElementsAre("engine.setPosition 0.500000", "engine.setPosition 1.000000"));

    const auto ignored = [&](const std::string& id, std::int64_t position) {
        return remotely([&](RemoteControl& r) {
            EXPECT_EQ(r.setPosition(id, position), std::nullopt) << id << " " << position;
        });
    };
    EXPECT_THAT(ignored(track, 1200 * kSecond + 1), IsEmpty());
    EXPECT_THAT(ignored(track, -1), IsEmpty());
    EXPECT_THAT(ignored("/org/lumadisc/disc/0", kSecond), IsEmpty());
    EXPECT_THAT(ignored("", kSecond), IsEmpty());

    // After a stop and a new start the old id is stale.
    engineState(-1, false);
    remote->refresh();
    EXPECT_THAT(ignored(track, kSecond), IsEmpty());
    engineState(0, true);
    remote->refresh();
    EXPECT_THAT(ignored(track, kSecond), IsEmpty());
    EXPECT_EQ(remote->setPosition(remote->trackId(), kSecond), kSecond);
}

TEST_F(Remote, TransportCommandsRunTheControlBarsProcedures) {
    engineState(0.25f, true);
    Names viaRemote = remotely([](RemoteControl& r) { r.pause(); });
    EXPECT_EQ(viaRemote, fromBar("pause"));
    EXPECT_THAT(viaRemote, ElementsAre("engine.pause"));

    // Play resumes a pause, and names the disc again as the play button does.
    engineState(0.25f, false);
    viaRemote = remotely([](RemoteControl& r) { r.play(); });
    EXPECT_EQ(viaRemote, fromBar("play"));
    EXPECT_THAT(viaRemote, Contains("engine.play"));

    engineState(0.25f, true);
    viaRemote = remotely([](RemoteControl& r) { r.stop(); });
    EXPECT_EQ(viaRemote, fromBar("stop"));
    EXPECT_THAT(viaRemote, ElementsAre("engine.stop", "sleep 500"));
    EXPECT_TRUE(h.program->state.userStopped);

    // Pause does nothing while stopped, as the button.
    engineState(-1, false);
    EXPECT_THAT(remotely([](RemoteControl& r) { r.pause(); }), IsEmpty());
}

TEST_F(Remote, PlayPauseTogglesLikeTheSpaceKey) {
    engineState(0.25f, true);
    Names viaRemote = remotely([](RemoteControl& r) { r.playPause(); });
    EXPECT_EQ(viaRemote, fromBar("pause"));
    EXPECT_THAT(viaRemote, ElementsAre("engine.pause"));
    engineState(0.25f, false);
    viaRemote = remotely([](RemoteControl& r) { r.playPause(); });
    EXPECT_EQ(viaRemote, fromBar("play"));
    EXPECT_THAT(viaRemote, Contains("engine.play"));
}

TEST_F(Remote, RaiseShowsTheMainWindowAndQuitIsTheBarsExit) {
    h.barMovie.click("ID_FS_mini");
    ASSERT_FALSE(main().visible);
    remote->raise();
    EXPECT_TRUE(main().visible);

    h.journal.entries.clear();
    EXPECT_THROW(remote->quit(), ProgramEnded);
    const Names viaRemote = h.journal.entries;
    twin.journal.entries.clear();
    EXPECT_THROW(twin.barMovie.click("ID_FS_exit"), ProgramEnded);
    EXPECT_EQ(viaRemote, twin.journal.entries);
    EXPECT_THAT(viaRemote, Contains("windows.end"));
}

TEST_F(Remote, JumpsMadeElsewhereAreAnnouncedOnce) {
    engineState(0.25f, true);
    remote->refresh();
    // Playing on moves a second at most between two refreshes.
    h.engine.elapsed = 301;
    EXPECT_FALSE(remote->refresh().seeked);
    // The control bar's forward jump moves ten.
    h.engine.elapsed = 311;
    EXPECT_TRUE(remote->refresh().seeked);
    h.engine.elapsed = 301;
    EXPECT_TRUE(remote->refresh().seeked);
    // A remote seek is announced by its caller, not again by the next refresh.
    ASSERT_EQ(remote->seek(100 * kSecond), 401 * kSecond);
    h.engine.elapsed = 401;
    EXPECT_FALSE(remote->refresh().seeked);
    // Stopping and starting again is no jump.
    engineState(-1, false);
    remote->refresh();
    engineState(0.01f, true);
    h.engine.elapsed = 3;
    EXPECT_FALSE(remote->refresh().seeked);
}

} // namespace
} // namespace lumadisc
