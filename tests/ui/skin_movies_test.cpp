// The two skins the program ships, played by the real host.
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QQmlEngine>
#include <QQmlError>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace lumadisc {
namespace {

using test::Command;
using test::SkinHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Loads a shipped skin; binding errors do not stop a movie from loading, they show up as
// engine warnings, and there must be none.
class ShippedSkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::skinTestApp(); }
    void load(const char* file) {
        QObject::connect(harness.movie.widget()->engine(), &QQmlEngine::warnings,
                         [this](const QList<QQmlError>& list) {
                             for (const QQmlError& warning : list)
                                 warnings.push_back(warning.toString().toStdString());
                         });
        harness.load((test::sourceDir() / "resources" / "Resources" / file).string());
    }
    void TearDown() override { EXPECT_THAT(warnings, IsEmpty()); }
    void drag(QPointF from, QPointF to) {
        harness.press(from);
        harness.moveHeld(to);
        harness.release(to);
    }

    SkinHarness harness;
    std::vector<std::string> warnings;
};

TEST_F(ShippedSkinTest, ControlBarShowsTheProgramsTextsAndEachButtonSendsItsCommand) {
    load("GUI.qml");
    EXPECT_EQ(harness.movie.getVariable("_width") + "x" + harness.movie.getVariable("_height"),
              "800x100");
    for (const char* name : {"dvdName", "timeElapsed1", "volumeText1", "volumeText2", "chapter"}) {
        harness.movie.setVariable(std::string("_level0.") + name + ".text", "Volume 57");
        const QQuickItem* field = harness.item(name);
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->property("text") == "Volume 57" && field->isVisible() &&
                    field->width() > 0)
            << "the bar's text field " << name << " does not show what the program writes";
    }

    // Each button sends the command its name ends in, except these.
    const std::map<std::string, std::string> renamed = {{"volUp", "vol+"},
                                                        {"volDown", "vol-"},
                                                        {"mini", "ID_FS_mini"},
                                                        {"about", "ID_FS _about"},
                                                        {"exit", "ID_FS_exit"}};
    std::map<std::string, std::string> buttons;
    for (const std::string name :
         {"power",    "drivers",   "volUp",     "volDown",    "play",        "rewind",
          "mini",     "ff",        "stop",      "pause",      "mute",        "about",
          "option",   "snapshot",  "open",      "fullscreen", "navup",       "navdown",
          "navright", "navleft",   "enter",     "exit",       "titles",      "audio",
          "angles",   "subtitles", "titlemenu", "rootmenu",   "prevchapter", "nextchapter"})
        buttons["btn_" + name] = renamed.contains(name) ? renamed.at(name) : name;
    std::set<std::string> found, expected;
    for (const QQuickItem* item : harness.root()->findChildren<QQuickItem*>())
        if (item->objectName().startsWith(QStringLiteral("btn_")))
            found.insert(item->objectName().toStdString());
    for (const auto& [name, command] : buttons) {
        expected.insert(name);
        const QQuickItem* button = harness.item(name.c_str());
        ASSERT_NE(button, nullptr) << name;
        harness.commands.clear();
        harness.click(SkinHarness::centreOf(button));
        EXPECT_THAT(harness.commands, IsEmpty()) << name << " raised its command in the click";
        harness.deliver();
        EXPECT_THAT(harness.commands, ElementsAre(Command{command, ""})) << name;
    }
    EXPECT_EQ(found, expected);
    harness.movie.setVariable("_level0.chapter.text", "99/99");
    EXPECT_FALSE(harness.item("chapter")->property("truncated").toBool())
        << "the chapter display cuts 99/99 short";

    // Each button lies whole inside the bar and apart from the others.
    std::vector<std::pair<std::string, QRectF>> places;
    for (const auto& [name, command] : buttons) {
        const QQuickItem* button = harness.item(name.c_str());
        const QRectF place = button->mapRectToScene(button->boundingRect());
        EXPECT_TRUE(QRectF(0, 0, 800, 100).contains(place)) << name << " lies outside the bar";
        for (const auto& [other, otherPlace] : places)
            EXPECT_FALSE(place.intersects(otherPlace)) << name << " overlaps " << other;
        places.emplace_back(name, place);
    }

    // Only the left button clicks; pressing the background or a display starts a drag at once,
    // and is only a drag.
    harness.commands.clear();
    const QPointF play = SkinHarness::centreOf(harness.item("btn_play"));
    harness.click(play, Qt::MiddleButton);
    harness.click(play, Qt::RightButton);
    for (const QPointF at :
         {QPointF(400, 12), QPointF(5, 95), SkinHarness::centreOf(harness.item("timeElapsed1"))}) {
        harness.press(at);
        EXPECT_EQ(harness.commands.size(), 1u) << "no drag at once at " << at.x() << "," << at.y();
        harness.release(at);
        harness.deliver();
        EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
            << "pressed at " << at.x() << "," << at.y();
        harness.commands.clear();
    }
}

TEST_F(ShippedSkinTest, PlayerHasTheWindowsSizeATitleAndCatchesTheMouseOnlyInTheTitleBar) {
    load("Player.qml");
    EXPECT_EQ(harness.movie.getVariable("_width") + "x" + harness.movie.getVariable("_height") +
                  " " + harness.movie.getVariable("_root.filename"),
              "385x400 Lumadisc");
    harness.movie.setVariable("_root.filename", "MY_DISC (/dev/sr0)");
    EXPECT_EQ(harness.item("filename")->property("text").toString(), "MY_DISC (/dev/sr0)");

    // The stage lies under the video widget and the window's own controls lie on the panel
    // below the title bar; the skin must not catch the mouse there.
    const QRectF titleBar(0, 284, 385, 46);
    for (const QQuickItem* item : harness.root()->findChildren<QQuickItem*>()) {
        if (!item->inherits("QQuickMouseArea"))
            continue;
        const QRectF area = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        EXPECT_TRUE(titleBar.contains(area)) << "mouse area at " << area.x() << "," << area.y()
                                             << " " << area.width() << "x" << area.height();
    }
    harness.press(QPointF(200, 290));
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}));
    harness.release(QPointF(200, 290));
    harness.commands.clear();
    harness.click(QPointF(200, 150));
    harness.click(QPointF(200, 370));
    harness.deliver();
    EXPECT_THAT(harness.commands, IsEmpty()) << "stage and panel belong to the window";
}

TEST_F(ShippedSkinTest, TheKnobFollowsThePositionUnlessHeldAndSeeksWhereItIsReleased) {
    load("Player.qml");
    const QQuickItem* track = harness.item("knobTrack");
    const QQuickItem* knob = harness.item("knob");
    ASSERT_NE(track, nullptr);
    ASSERT_NE(knob, nullptr);
    const double travel = track->width() - knob->width();
    // A point on the track, `percent` of the way, where the knob's centre would be.
    const auto onTrack = [&](double percent) {
        return track->mapToScene(
            QPointF(knob->width() / 2 + travel * percent / 100, track->height() / 2));
    };
    const auto setPosition = [&](const char* text) {
        harness.movie.setVariable("_root.KnobPosition", text);
    };
    // The one command raised since the last call: the percent the knob was released at.
    const auto released = [&]() -> std::string {
        harness.deliver();
        const auto commands = std::exchange(harness.commands, {});
        EXPECT_EQ(commands.size(), 1u);
        if (commands.empty())
            return "-1";
        EXPECT_EQ(commands[0].first, "IDC_FS_KnobReleased");
        return commands[0].second;
    };

    // On whole pixels, within the track.
    const std::pair<const char*, double> places[] = {
        {"50", 0.5}, {"0", 0},  {"12.345678", 0.12345678}, {"99.99", 0.9999}, {"100", 1},
        {"150", 1},  {"-4", 0}, {"not a number", 0}};
    for (const auto& [position, fraction] : places) {
        setPosition(position);
        EXPECT_EQ(knob->x(), std::round(fraction * travel)) << "knob at position " << position;
    }

    // Dragged, it seeks on release with at most two decimals; the program cannot move it
    // while it is held.
    setPosition("20");
    harness.press(onTrack(20));
    harness.moveHeld(onTrack(60));
    const double held = knob->x();
    EXPECT_NEAR(held, 0.6 * travel, 1);
    setPosition("21");
    EXPECT_EQ(knob->x(), held);
    harness.moveHeld(onTrack(75));
    harness.release(onTrack(75));
    EXPECT_THAT(harness.commands, IsEmpty());
    const std::string text = released();
    EXPECT_NEAR(std::stod(text), 75, 100 / travel);
    EXPECT_LE(text.size() - std::min(text.find('.'), text.size()), 3u) << text;
    setPosition("12");
    EXPECT_EQ(knob->x(), std::round(0.12 * travel)) << "released, it follows the program again";

    // It stops at the ends of the track; clicking the track away from the knob seeks there.
    setPosition("0");
    drag(onTrack(0), onTrack(100) + QPointF(80, 30));
    EXPECT_EQ(released(), "100");
    drag(onTrack(100), QPointF(-40, 0));
    EXPECT_EQ(released(), "0");
    setPosition("10");
    harness.click(onTrack(40));
    EXPECT_NEAR(std::stod(released()), 40, 100 / travel);
}

TEST_F(ShippedSkinTest, ChapterMarksStandWhereTheKnobIsWhenEachChapterBegins) {
    load("Player.qml");
    const QQuickItem* knob = harness.item("knob");
    const auto marks = [&] {
        std::vector<double> centres;
        for (const QQuickItem* item : harness.item("knobTrack")->childItems())
            if (item->objectName() == QStringLiteral("chapterMark") && item->isVisible())
                centres.push_back(SkinHarness::centreOf(item).x());
        std::sort(centres.begin(), centres.end());
        return centres;
    };
    // Only fractions inside the title make marks; a changed list replaces the old marks.
    const std::pair<const char*, std::vector<double>> cases[] = {
        {"0.5,0.75", {0.5, 0.75}},
        {"0.2,0.4,0.6,0.8", {0.2, 0.4, 0.6, 0.8}},
        {"", {}},
        {"0.25,,chapter,1.5,-0.1,0,1", {0.25}}};
    for (const auto& [text, fractions] : cases) {
        harness.movie.setVariable("_root.chapterMarks", text);
        const std::vector<double> shown = marks();
        ASSERT_EQ(shown.size(), fractions.size()) << "marks for \"" << text << "\"";
        for (std::size_t i = 0; i < fractions.size(); ++i) {
            harness.movie.setVariable("_root.KnobPosition", std::to_string(fractions[i] * 100));
            EXPECT_NEAR(shown[i], SkinHarness::centreOf(knob).x(), 1)
                << "mark " << i + 1 << " of \"" << text << "\" is not under the knob at "
                << fractions[i] * 100 << "%";
        }
    }
}

} // namespace
} // namespace lumadisc
