// The transport commands, seeking, volume and mute, time formatting and the status tick.
#include "core/started_program.h"

namespace lumadisc {
namespace {

using namespace test;

class Transport : public StartedProgram {
protected:
    Transport() { start(); }
    void knob(const std::string& value) { h.playerMovie.click("IDC_FS_KnobReleased", value); }
    bool transportEnabled() {
        const bool edit = options().editMenu.enabled;
        for (const Button* button : {&main().playButton, &main().stopButton, &main().pauseButton,
                                     &main().rewindButton, &main().ffButton})
            EXPECT_EQ(button->enabled, edit);
        return edit;
    }
    // A tick that finds the title playing, 10 s into 20.
    void playingTick() {
        engineState(0.25f, true);
        h.engine.elapsed = 10;
        h.engine.length = 20;
        main().movieTimer_Timer();
        h.journal.entries.clear();
    }
};

TEST_F(Transport, PauseJumpsAndKnobNeedALoadedTitle) {
    const auto pressAll = [&] {
        main().pauseButton_Click();
        main().ffButton_Click();
        main().rewindButton_Click();
        knob("50");
    };
    engineState(-1, false); // idle
    EXPECT_THAT(journalOf(pressAll), IsEmpty());
    engineState(0.3f, false); // paused: only the knob acts
    EXPECT_THAT(journalOf(pressAll), ElementsAre("engine.setPosition 0.500000"));

    h.journal.entries.clear();
    engineState(0, true);
    main().pauseButton_Click();
    engineState(0, true);
    main().ffButton_Click();
    main().rewindButton_Click();
    knob("12.5xyz");
    h.playerMovie.click("ID_FS_drag");
    h.playerMovie.click("IDC_FS_KnobMoved", "10");
    EXPECT_THAT(h.journal.entries, ElementsAre("engine.pause", "engine.jump 1", "engine.jump -1",
                                               "engine.setPosition 0.125000", "windows.drag main"));
}

TEST_F(Transport, StopIsRefusedWhileTheLoadingTextShows) {
    h.writePack("French.ini", "[Language Pack]\r\n020=CHARGEMENT...\r\n");
    state().settings.languageFile = "French.ini";
    engineState(0.5f, true);
    main().movieProgress.value = 40;
    main().timeElapsed.caption = "CHARGEMENT...";
    main().stopButton_Click();
    EXPECT_EQ(main().timeElapsed.caption, "CHARGEMENT...");
    EXPECT_EQ(main().movieProgress.value, 40);
    EXPECT_THAT(h.journal.entries, IsEmpty());
    // The English text is no loading text in French.
    main().timeElapsed.caption = "LOADING...";
    EXPECT_THAT(journalOf([&] { main().stopButton_Click(); }),
                ElementsAre("engine.stop", "sleep 500"));
}

TEST_F(Transport, AnEffectiveStopKeepsTheWatchOff) {
    playingTick();
    main().movieProgress.value = 40;
    EXPECT_THAT(journalOf([&] { main().stopButton_Click(); }),
                ElementsAre("engine.stop", "sleep 500"));
    EXPECT_TRUE(state().userStopped);
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    main().movieTimer_Timer();
    main().movieTimer_Timer();
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    // Playing again ends the user's stop.
    engineState(0.1f, true);
    main().movieTimer_Timer();
    EXPECT_FALSE(state().userStopped);

    // Stop with nothing loaded clears the display only.
    engineState(-1, false);
    main().movieTimer_Timer();
    main().timeElapsed.caption = "x";
    EXPECT_THAT(journalOf([&] { main().stopButton_Click(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_FALSE(state().userStopped);
}

TEST_F(Transport, MuteAndTheVolumeSlider) {
    for (const char* caption : {"U", "V", "x"}) {
        main().muteStatus.caption = caption;
        main().muteStatus_Click();
        EXPECT_EQ(main().muteStatus.caption, caption == std::string("U") ? "V" : "U") << caption;
    }
    EXPECT_EQ(h.journal.with("engine.switchMute").size(), 3u);

    main().muteStatus.caption = "V";
    main().volumeSlider.value = 70;
    EXPECT_THAT(journalOf([&] {
                    main().volumeSlider_MouseMove(2, 0, 10, 5);
                    main().volumeSlider_MouseMove(0, 0, 10, 5);
                }),
                IsEmpty());
    EXPECT_EQ(main().muteStatus.caption, "V");
    EXPECT_THAT(journalOf([&] { main().volumeSlider_MouseMove(1, 0, 10, 5); }),
                ElementsAre("engine.switchMute", "engine.setVolume 70"));
    EXPECT_EQ(main().muteStatus.caption, "U");
}

TEST_F(Transport, SeekingUsesTheFractionOfTheBarLeftOfThePointer) {
    const int widthTwips = main().movieProgress.bounds.width * 15;
    engineState(-1, false, 1);
    main().movieProgress_MouseDown(1, 0, static_cast<float>(widthTwips) / 4, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, 0.25f);
    main().movieProgress_MouseDown(2, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, 0.25f);
    engineState(-1, false, 0);
    main().movieProgress_MouseDown(1, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, -1);
    engineState(-1, false, 1);
    h.engine.failing = {"setPosition"};
    EXPECT_NO_THROW(main().movieProgress_MouseDown(1, 0, 10, 3));
}

TEST(FormatTime, HoursMinutesSecondsAndTheRemainder) {
    const std::pair<long, const char*> cases[] = {{3725, "01:02:05"},    {36000, "10:00:00"},
                                                  {360000, "100:00:00"}, {0, "00:00:00"},
                                                  {59, "00:00:59"},      {6303, "01:45:03"}};
    for (const auto& [seconds, text] : cases) {
        long value = seconds;
        EXPECT_EQ(MainForm::FormatTime(value), text);
        EXPECT_EQ(value, seconds % 60) << seconds;
    }
}

TEST_F(Transport, ThePlayingTickShowsTimeKnobAndTransport) {
    engineState(0.25f, true);
    h.engine.elapsed = 760;
    h.engine.length = 6303;
    h.playerMovie.variables["_root.filename"] = "FILM";
    main().tmrCheckCD.enabled = true;
    state().userStopped = true;
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }),
                ElementsAre("bar.set _level0.timeElapsed1.text=00:12:40/01:45:03",
                            "player.set _root.KnobPosition=25",
                            "bar.set _level0.dvdName.text=FILM"));
    EXPECT_EQ(main().timeElapsed.caption, "00:12:40/01:45:03");
    EXPECT_FALSE(main().logoHide.visible);
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    EXPECT_FALSE(state().userStopped);

    // The disc name is written only when it differs.
    h.engine.pos = 0.5f;
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }),
                ElementsAre("bar.set _level0.timeElapsed1.text=00:12:40/01:45:03",
                            "player.set _root.KnobPosition=50"));
}

TEST_F(Transport, TheIdleTickStopsTheDisplayOnceAndStartsTheWatch) {
    playingTick();
    main().movieProgress.value = 30;
    engineState(-1, false);
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }),
                ElementsAre("bar.set _level0.timeElapsed1.text=",
                            "bar.set _level0.dvdName.text=The dvd is stopped",
                            "player.set _root.filename=Lumadisc"));
    EXPECT_FALSE(transportEnabled());
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_TRUE(main().logoHide.visible);
    EXPECT_TRUE(main().tmrCheckCD.enabled);

    // Further idle ticks leave the screen alone.
    main().timeElapsed.caption = "LOADING...";
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
}

TEST_F(Transport, PausedTicksAndFailingTicksChangeNothing) {
    playingTick();
    const std::string status = main().timeElapsed.caption;
    engineState(0.25f, false);
    main().movieTimer_Timer();
    engineState(-1, true);
    h.engine.failing = {"position"};
    EXPECT_NO_THROW(main().movieTimer_Timer());
    EXPECT_THAT(h.journal.entries, IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, status);
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().logoHide.visible);
    EXPECT_FALSE(main().tmrCheckCD.enabled);
}

} // namespace
} // namespace lumadisc
