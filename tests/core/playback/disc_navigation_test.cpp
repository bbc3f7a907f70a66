// Chapters, titles, streams and angles from every source, the movies' chapter variables, and
// resuming a disc where it was left.
#include "core/playback/remote_control.h"
#include "core/skin/actions.h"
#include "core/skin/movie_variables.h"
#include "core/started_program.h"

namespace lumadisc {
namespace {

using namespace test;

class Navigation : public StartedProgram {
protected:
    Navigation() {
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        // Title 1: three chapters, two angles, two audio streams, two subtitles; title 2: short.
        const std::vector<AudioStreamInfo> audio{{"en", "AC-3", 6}, {"xx", "MPEG-1", 1}};
        const TitleInfo first{600'000, {0, 300'000, 450'000}, 2, audio, {{"de"}, {""}}};
        h.discInfo.discs["D:"] = {std::string(32, 'a'), {first, {20'000, {0}, 1, {}, {}}}};
        h.environment.commandLineText = "D:\\";
        h.engine.audio = 0;
        start();
        play(1, 60, 600);
    }
    void play(int title, long elapsed, long length) {
        h.engine.titleNumber = title;
        h.engine.chapterNumber = 1;
        h.engine.chapters = title == 1 ? 3 : 1;
        playingTick(0.5F, elapsed, length);
    }
    // What a command, a key or a remote method made the fakes do.
    Names ask(const std::string& way) {
        return journalOf([&] {
            if (std::islower(way[0]))
                bar().gui_Command(way, "");
            else if (!RemoteControl(program()).command(way))
                actionForKey(way, false, false)->perform(program());
        });
    }
};

// Each row asks one way: the bar's command, a key or a remote method (Next is test_mpris's).
TEST_F(Navigation, ChaptersDiscMenusAndPopUpsFromTheBarTheKeysAndTheRemoteActAtOnce) {
    // The chapter playing, the way to ask, and what it does.
    const std::tuple<int, std::string, Names> cases[] = {
        {1, "nextchapter", {"engine.setChapter 2"}}, {3, "PgDown", {}},
        {1, "Previous", {"engine.setChapter 1"}},    {2, "PgUp", {"engine.setChapter 1"}},
        {1, "T", {"engine.showDiscMenu title"}},     {1, "rootmenu", {"engine.showDiscMenu root"}}};
    for (const auto& [chapter, way, does] : cases) {
        h.engine.chapterNumber = chapter;
        EXPECT_EQ(ask(way), does) << way << " in chapter " << chapter;
    }

    h.writePack("French.ini", "[Language Pack]\n202=Allemand\n");
    state().settings.languageFile = "French.ini";
    // A pop-up, what it lists, and what choosing its last item does.
    const std::tuple<std::string, Names, std::string> popUps[] = {
        {"titles", {"Title 1 (10:00, 3 chapters)", "Title 2 (0:20, 1 chapter)"}, "setTitle 2"},
        {"audio",
         {"1. English (AC-3, 6 channels)", "2. XX (MPEG-1, 1 channel)"},
         "setAudioStream 1"},
        {"subtitles", {"1. Allemand", "2. Unknown language", "Off"}, "setSubtitleStream -1"},
        {"angles", {"Angle 1", "Angle 2"}, "setAngle 2"}};
    h.windows.choose = [](const MenuItem& menu) { return &menu.children.back(); };
    for (const auto& [command, captions, does] : popUps) {
        h.engine.titleNumber = 1; // choosing a title moved to title 2
        const Names did = ask(command);
        EXPECT_EQ(h.windows.popupCaptions, captions) << command;
        EXPECT_EQ(did.empty() ? "" : did.back(), "engine." + does) << command;
    }
}

TEST_F(Navigation, ChapterVariablesAreWrittenOnlyWhenTheyChange) {
    // Each tick writes the time and the knob; the chapter only when it changed.
    const Names shown{"bar.set _level0.timeElapsed1.text=00:01:00/00:10:00",
                      "player.set _root.KnobPosition=50"};
    const auto tick = [&] { return journalOf([&] { main().movieTimer_Timer(); }); };
    EXPECT_EQ(tick(), shown) << "the chapter was written although it did not change";
    h.engine.chapterNumber = 2;
    EXPECT_THAT(tick(), ElementsAre(shown[0], shown[1], "player.set _root.chapter=2",
                                    "bar.set _level0.chapter.text=2/3"));
    EXPECT_EQ(h.playerMovie.variables[movievar::playerChapterMarks], "0.5,0.75");
}

TEST_F(Navigation, ResumeIsOfferedForAPlaceWorthItAcceptedOnceAndGoesAway) {
    // Where the disc was stopped, in turn: title, seconds, length; the last by ending the program.
    // Whether resuming is offered after each.
    const std::pair<std::vector<std::array<long, 3>>, bool> cases[] = {
        {{{1, 59, 600}}, false},
        {{{1, 569, 600}}, true},
        {{{1, 300, 600}, {1, 10, 600}}, true},
        {{{1, 300, 600}, {1, 570, 600}}, false},
        {{{2, 12, 20}}, true}};
    for (const auto& [stops, offered] : cases) {
        std::filesystem::remove(h.stateFolder.path() / "resume");
        for (const auto& [title, seconds, length] : stops) {
            play(static_cast<int>(title), seconds, length);
            if (seconds == 12)
                EXPECT_ANY_THROW(h.program->unload(WindowId::DvdBar)) << "the program went on";
            else
                main().stopButton_Click();
        }
        engineState(-1, false);
        main().PlayDVD("D:\\");
        EXPECT_EQ(main().resumeNotice.visible, offered) << "stopped at " << stops.back()[1];
    }
    EXPECT_EQ(main().resumeNotice.caption, "Resume at 0:12? Press Y or click here.");
    // The place reached is test_disc_navigation's; the streams are not.
    EXPECT_EQ(ask("Y"), (Names{"engine.setTitle 2", "engine.setElapsedSeconds 12",
                               "engine.setAudioStream 0", "engine.setSubtitleStream -1"}));
    EXPECT_THAT(ask("Y"), IsEmpty()) << "accepted twice";
    // Any transport command takes the offer away.
    main().PlayDVD("D:\\");
    main().pauseButton_Click();
    EXPECT_FALSE(main().resumeNotice.visible) << "pause left the offer";
}

} // namespace
} // namespace lumadisc
