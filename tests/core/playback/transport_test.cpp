// The transport commands, seeking, the volume slider, time formatting and the status tick.
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
            EXPECT_EQ(button->enabled, edit) << button->caption << " out of step with the rest";
        return edit;
    }
    // A tick that finds the title playing at `position`, `elapsed` s into `length`.
    void playingTick(float position = 0.25f, long elapsed = 10, long length = 20) {
        engineState(position, true);
        h.engine.elapsed = elapsed;
        h.engine.length = length;
        main().movieTimer_Timer();
    }
    std::string bar(const std::string& name) { return h.barMovie.variables[name]; }
};

TEST_F(Transport, PauseAndJumpsNeedAPlayingTitleTheKnobALoadedOne) {
    const struct {
        float position;
        bool playing;
        Names journal;
    } cases[] = {
        {-1, false, {}},   // idle: the knob is ignored too
        {0.3f, false, {}}, // paused: only the knob acts
        // At the very start of the title (position 0) everything acts.
        {0, true, {"engine.pause", "engine.jump 1", "engine.jump -1"}},
    };
    for (const auto& c : cases) {
        Names acted;
        for (void (MainForm::*press)() : {&MainForm::pauseButton_Click, &MainForm::ffButton_Click,
                                          &MainForm::rewindButton_Click}) {
            engineState(c.position, c.playing);
            const Names journal = journalOf([&] { (main().*press)(); });
            acted.insert(acted.end(), journal.begin(), journal.end());
        }
        EXPECT_EQ(acted, c.journal) << "at position " << c.position << ", playing " << c.playing;
        knob("50");
        EXPECT_FLOAT_EQ(h.engine.pos, c.position < 0 ? c.position : 0.5f)
            << "knob released at position " << c.position;
    }
    const std::pair<const char*, float> knobs[] = {{"12.5xyz", 0.125f}, {"0", 0}, {"100", 1}};
    for (const auto& [value, position] : knobs) {
        knob(value);
        EXPECT_FLOAT_EQ(h.engine.pos, position) << "knob released at " << value;
    }
    h.playerMovie.click("IDC_FS_KnobMoved", "10");
    EXPECT_FLOAT_EQ(h.engine.pos, 1) << "moving the knob (not releasing it) seeked";
}

TEST_F(Transport, StopIsRefusedWhileLoadingAndKeepsTheWatchOffUntilPlayingAgain) {
    h.writePack("French.ini", "[Language Pack]\r\n020=CHARGEMENT...\r\n");
    state().settings.languageFile = "French.ini";
    playingTick();
    main().movieProgress.value = 40;
    main().timeElapsed.caption = "CHARGEMENT...";
    main().stopButton_Click();
    EXPECT_EQ(main().movieProgress.value, 40);
    EXPECT_TRUE(h.engine.playing) << "stop acted while the disc was loading";
    // The English text is no loading text in French.
    main().timeElapsed.caption = "LOADING...";
    main().stopButton_Click();
    EXPECT_FALSE(h.engine.playing);
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    main().movieTimer_Timer();
    EXPECT_FALSE(main().tmrCheckCD.enabled) << "the disc watch would restart a stopped disc";
    playingTick(0.1f);
    EXPECT_FALSE(state().userStopped);

    // Stop with nothing loaded clears the display only.
    engineState(-1, false);
    main().movieTimer_Timer();
    main().timeElapsed.caption = "x";
    EXPECT_THAT(journalOf([&] { main().stopButton_Click(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_FALSE(state().userStopped);
}

TEST_F(Transport, TheBarsFollowTheLeftButtonOnly) {
    h.windows.metrics = {1024, 768, 12, 15}; // twips across differ from twips down
    const float widthTwips = static_cast<float>(main().movieProgress.bounds.width * 12);
    engineState(-1, false, 1);
    const std::pair<float, float> clicks[] = {{widthTwips / 4, 0.25f}, {0, 0}, {widthTwips, 1}};
    for (const auto& [x, position] : clicks) {
        main().movieProgress_MouseDown(1, 0, x, 3);
        EXPECT_FLOAT_EQ(h.engine.pos, position) << "click at " << x << " twips";
    }
    main().movieProgress_MouseDown(2, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, 1) << "a right click seeked";
    engineState(-1, false, 0);
    main().movieProgress_MouseDown(1, 0, 10, 3);
    EXPECT_FLOAT_EQ(h.engine.pos, -1) << "seeked with no item loaded";
    engineState(-1, false, 1);
    h.engine.failing = {"setPosition"};
    EXPECT_NO_THROW(main().movieProgress_MouseDown(1, 0, 10, 3));

    main().muteStatus.caption = "V";
    main().volumeSlider.value = 70;
    main().volumeSlider_MouseMove(2, 0, 10, 5);
    EXPECT_EQ(h.engine.vol, 50) << "a right drag on the volume slider set the volume";
    main().volumeSlider_MouseMove(1, 0, 10, 5);
    EXPECT_EQ(h.engine.vol, 70);
    EXPECT_EQ(main().muteStatus.caption, "U") << "moving the slider did not end the mute";
}

TEST(FormatTime, HoursMinutesSecondsAndTheRemainder) {
    const std::pair<long, const char*> cases[] = {
        {0, "00:00:00"},    {9, "00:00:09"},     {59, "00:00:59"},
        {60, "00:01:00"},   {3599, "00:59:59"},  {3600, "01:00:00"},
        {3725, "01:02:05"}, {36000, "10:00:00"}, {360000, "100:00:00"}};
    for (const auto& [seconds, text] : cases) {
        long value = seconds;
        EXPECT_EQ(MainForm::FormatTime(value), text) << seconds << " s";
        EXPECT_EQ(value, seconds % 60) << "remainder left of " << seconds << " s";
    }
}

TEST_F(Transport, ThePlayingTickShowsTimeKnobNameAndTransport) {
    h.playerMovie.variables["_root.filename"] = "FILM";
    main().tmrCheckCD.enabled = true;
    state().userStopped = true;
    playingTick(0.25f, 760, 6303);
    EXPECT_EQ(main().timeElapsed.caption, "00:12:40/01:45:03");
    EXPECT_EQ(bar("_level0.timeElapsed1.text"), "00:12:40/01:45:03");
    EXPECT_EQ(h.playerMovie.variables["_root.KnobPosition"], "25");
    EXPECT_EQ(bar("_level0.dvdName.text"), "FILM");
    EXPECT_FALSE(main().logoHide.visible) << "the loading frame hides the picture";
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().tmrCheckCD.enabled);
    EXPECT_FALSE(state().userStopped);

    // The disc name is written only when it differs; the knob keeps fractions.
    const int writes = h.barMovie.writes;
    playingTick(0.125f, 760, 6303);
    EXPECT_EQ(h.barMovie.writes, writes + 1) << "the bar was written more than the time";
    EXPECT_EQ(h.playerMovie.variables["_root.KnobPosition"], "12.5");

    // Paused and failing ticks change nothing.
    h.journal.entries.clear();
    engineState(0.25f, false);
    main().movieTimer_Timer();
    engineState(-1, true);
    h.engine.failing = {"position"};
    EXPECT_NO_THROW(main().movieTimer_Timer());
    EXPECT_THAT(h.journal.entries, IsEmpty());
    EXPECT_TRUE(transportEnabled());
    EXPECT_FALSE(main().logoHide.visible || main().tmrCheckCD.enabled);
}

TEST_F(Transport, TheIdleTickStopsTheDisplayOnceAndStartsTheWatch) {
    playingTick();
    main().movieProgress.value = 30;
    engineState(-1, false);
    main().movieTimer_Timer();
    EXPECT_EQ(bar("_level0.timeElapsed1.text"), "");
    EXPECT_EQ(bar("_level0.dvdName.text"), "The dvd is stopped");
    EXPECT_EQ(h.playerMovie.variables["_root.filename"], "Lumadisc");
    EXPECT_FALSE(transportEnabled());
    EXPECT_EQ(main().movieProgress.value, 0);
    EXPECT_EQ(main().timeElapsed.caption, "");
    EXPECT_TRUE(main().logoHide.visible);
    EXPECT_TRUE(main().tmrCheckCD.enabled) << "the disc watch did not start";

    // Further idle ticks leave the screen alone.
    main().timeElapsed.caption = "LOADING...";
    EXPECT_THAT(journalOf([&] { main().movieTimer_Timer(); }), IsEmpty());
    EXPECT_EQ(main().timeElapsed.caption, "LOADING...");
}

} // namespace
} // namespace lumadisc
