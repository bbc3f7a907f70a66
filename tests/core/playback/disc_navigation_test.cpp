// Chapters, titles, streams and angles from every source, the movies' chapter variables, and
// resuming a disc where it was left.
#include "core/playback/remote_control.h"
#include "core/skin/actions.h"
#include "core/skin/movie_variables.h"
#include "core/started_program.h"

#include <array>

namespace lumadisc {
namespace {

using namespace test;

class Navigation : public StartedProgram {
protected:
    Navigation() {
        h.drives.add("D:", Drives::kOptical, Volume{"FILM", "UDF"}, true);
        h.discInfo.discs["D:"] = {"0123456789abcdef0123456789abcdef",
                                  {{600'000,
                                    {0, 300'000, 450'000},
                                    2,
                                    {{"en", "AC-3", 6}, {"fr", "MPEG-1", 2}},
                                    {{"de"}, {""}}},
                                   {20'000, {0}, 1, {{"xx", "LPCM", 1}}, {}}}};
        h.environment.commandLineText = "D:\\";
        start();
        play(1, 60, 600);
    }
    void play(int title, long elapsed, long length, int chapters = 3) {
        engineState(0.5F, true);
        h.engine.titleNumber = title;
        h.engine.chapterNumber = 1;
        h.engine.chapters = chapters;
        h.engine.audio = 0;
        h.engine.elapsed = elapsed;
        h.engine.length = length;
        main().movieTimer_Timer();
    }
    // The bar's command; item `choose` of the menu it shows is chosen (none when negative).
    Names popup(const std::string& command, int choose) {
        h.windows.popupCaptions.clear();
        h.windows.choose = [this, choose](const MenuItem& m) {
            for (const MenuItem& item : m.children)
                checked = item.checked ? item.caption : checked;
            return choose < 0 ? nullptr : &m.children.at(static_cast<std::size_t>(choose));
        };
        return journalOf([&] { bar().gui_Command(command, ""); });
    }
    void startAgain() {
        engineState(-1, false);
        main().movieTimer_Timer();
        main().PlayDVD("D:\\");
    }
    std::string checked; // the last menu's current choice
};

TEST_F(Navigation, ChaptersAndDiscMenusFromTheBarTheKeysAndTheRemote) {
    const struct {
        int title, chapter;
        Names ways;
        Names does;
    } cases[] = {
        {1, 1, {"nextchapter", "PgDown", "Next"}, {"engine.setChapter 2"}},
        {1, 3, {"nextchapter", "PgDown", "Next"}, {}},
        {1, 1, {"prevchapter", "PgUp", "Previous"}, {"engine.setChapter 1"}},
        {0, 0, {"nextchapter", "PgUp", "Previous"}, {}},
        {1, 2, {"titlemenu", "T"}, {"engine.showDiscMenu title"}},
        {1, 2, {"rootmenu", "R"}, {"engine.showDiscMenu root"}},
    };
    RemoteControl remote(program());
    for (const auto& c : cases) {
        for (const std::string& way : c.ways) {
            h.engine.titleNumber = c.title;
            h.engine.chapterNumber = c.chapter;
            EXPECT_EQ(journalOf([&] {
                          if (std::islower(way[0]))
                              bar().gui_Command(way, "");
                          else if (!remote.command(way))
                              actionForKey(way, false, false)->perform(program());
                      }),
                      c.does)
                << way << " in title " << c.title << ", chapter " << c.chapter;
        }
    }
}

TEST_F(Navigation, PopUpMenusListTheDiscAndSwitchAtOnce) {
    const struct {
        std::string command;
        Names captions;
        int choose;
        std::string does;
    } cases[] = {
        {"titles", {"Title 1 (10:00, 3 chapters)", "Title 2 (0:20, 1 chapter)"}, 1, "setTitle 2"},
        {"audio",
         {"1. English (AC-3, 6 channels)", "2. French (MPEG-1, 2 channels)"},
         0,
         "setAudioStream 0"},
        {"subtitles", {"1. German", "2. Unknown language", "Off"}, 2, "setSubtitleStream -1"},
        {"angles", {"Angle 1", "Angle 2"}, 1, "setAngle 2"},
    };
    for (const auto& c : cases) {
        EXPECT_THAT(popup(c.command, c.choose), ::testing::Contains("engine." + c.does));
        EXPECT_EQ(h.windows.popupCaptions, c.captions) << c.command;
        h.engine.titleNumber = 1;
    }
    h.writePack("French.ini", "[Language Pack]\n201=Français\n085=%1 canaux\n");
    state().settings.languageFile = "French.ini";
    h.engine.audio = 1;
    popup("audio", -1);
    EXPECT_EQ(checked, "2. Français (MPEG-1, 2 canaux)") << "not the stream playing, in French";
    h.engine.titleNumber = 2;
    popup("audio", -1);
    EXPECT_EQ(h.windows.popupCaptions, Names{"1. XX (LPCM, 1 channel)"});
    // Nothing to choose: one angle, the disc's menus, a disc without facts.
    EXPECT_THAT(popup("angles", 0), IsEmpty());
    h.engine.titleNumber = 0;
    EXPECT_THAT(popup("subtitles", 0), IsEmpty());
    state().disc.reset();
    EXPECT_THAT(popup("titles", 0), IsEmpty());
}

TEST_F(Navigation, ChapterVariablesAreWrittenWhenTheyChange) {
    auto tick = [&] {
        Names writes;
        for (const std::string& entry : journalOf([&] { main().movieTimer_Timer(); }))
            if (entry.find("hapter") != std::string::npos)
                writes.push_back(entry);
        return writes;
    };
    EXPECT_THAT(tick(), IsEmpty()) << "nothing changed";
    h.engine.chapterNumber = 2;
    EXPECT_EQ(tick(), (Names{"player.set _root.chapter=2", "bar.set _level0.chapter.text=2/3"}));
    EXPECT_EQ(h.playerMovie.variables[movievar::playerChapterMarks], "0.5,0.75");
    RemoteControl remote(program());
    EXPECT_TRUE(remote.refresh().chapters && remote.state().chapters);
    play(2, 10, 20, 1);
    EXPECT_TRUE(remote.refresh().chapters && !remote.state().chapters) << "one chapter";
    engineState(-1, false);
    EXPECT_EQ(tick(), (Names{"player.set _root.chapter=0", "player.set _root.chapterCount=0",
                             "bar.set _level0.chapter.text=", "player.set _root.chapterMarks="}));
}

TEST_F(Navigation, ResumeIsOfferedForAPlaceWorthItAndAcceptedByY) {
    const struct {
        std::vector<std::array<long, 3>> stops; // title, seconds, length, stopped in turn
        bool offered;
    } cases[] = {{{{1, 59, 600}}, false},
                 {{{1, 569, 600}}, true},
                 {{{2, 1, 20}}, false},
                 {{{2, 19, 20}}, false},
                 {{{1, 300, 600}, {1, 10, 600}}, true},
                 {{{1, 300, 600}, {1, 570, 600}}, false},
                 {{{2, 12, 20}}, true}};
    for (const auto& c : cases) {
        std::filesystem::remove(h.stateFolder.path() / "resume");
        for (const auto& [title, seconds, length] : c.stops) {
            play(static_cast<int>(title), seconds, length);
            main().stopButton_Click();
        }
        startAgain();
        EXPECT_EQ(main().resumeNotice.visible, c.offered) << c.stops.back()[1] << " s";
    }
    EXPECT_EQ(main().resumeNotice.caption, "Resume at 0:12? Press Y or click here.");
    EXPECT_EQ(journalOf([&] { actionForKey("Y", false, false)->perform(program()); }),
              (Names{"engine.setTitle 2", "engine.setElapsedSeconds 12", "engine.setAudioStream 0",
                     "engine.setSubtitleStream -1"}));
    EXPECT_THAT(journalOf([&] { main().resumeNotice_Click(); }), IsEmpty()) << "accepted twice";
}

TEST_F(Navigation, TheEndOfTheProgramRemembersAndTheNoticeGoesAway) {
    play(2, 12, 20);
    EXPECT_ANY_THROW(h.program->unload(WindowId::DvdBar)) << "the program did not end";
    for (const std::string away : {"timer", "pause", "nextchapter", "disc stops"}) {
        startAgain();
        play(1, 1, 600);
        ASSERT_TRUE(main().resumeNotice.visible && main().resumeTimer.enabled) << away;
        if (away == "timer")
            main().resumeTimer_Timer();
        else if (away == "disc stops")
            engineState(-1, false), main().movieTimer_Timer();
        else
            bar().gui_Command(away, "");
        EXPECT_FALSE(main().resumeNotice.visible || main().resumeTimer.enabled) << away;
    }
}

} // namespace
} // namespace lumadisc
