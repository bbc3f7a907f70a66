// The two skins the program ships, played by the real host.
#include "core/skin/actions.h"
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QQmlEngine>
#include <QQmlError>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    void setKnob(const char* at) { harness.movie.setVariable("_root.KnobPosition", at); }

    SkinHarness harness;
    std::vector<std::string> warnings;
};

TEST_F(ShippedSkinTest, ControlBarShowsTheProgramsTextsAndEachButtonSendsItsCommand) {
    load("GUI.qml");
    for (const char* name : {"dvdName", "timeElapsed1", "volumeText1", "volumeText2", "chapter"}) {
        harness.movie.setVariable(std::string("_level0.") + name + ".text", "99/99");
        const QQuickItem* field = harness.item(name);
        EXPECT_TRUE(field && field->property("text") == "99/99" && field->isVisible() &&
                    field->width() > 0 && !field->property("truncated").toBool())
            << "the bar's text field " << name << " does not show 99/99 whole";
    }

    // Each button sends a command of the bar no other button sends, and lies whole inside the
    // bar, apart from the others.
    std::set<std::string> commands;
    std::vector<std::pair<std::string, QRectF>> places;
    for (const QQuickItem* button : harness.root()->findChildren<QQuickItem*>()) {
        const std::string name = button->objectName().toStdString();
        if (!name.starts_with("btn_"))
            continue;
        harness.click(SkinHarness::centreOf(button));
        harness.deliver();
        const auto sent = std::exchange(harness.commands, {});
        ASSERT_EQ(sent.size(), 1u) << name << " sent no command, or more than one";
        EXPECT_TRUE(actionForCommand(sent[0].first) && commands.insert(sent[0].first).second)
            << name << " sends " << sent[0].first << ": no command of the bar, or another's";
        const QRectF place = button->mapRectToScene(button->boundingRect());
        EXPECT_TRUE(harness.root()->boundingRect().contains(place))
            << name << " lies outside the bar";
        for (const auto& [other, otherPlace] : places)
            EXPECT_FALSE(place.intersects(otherPlace)) << name << " overlaps " << other;
        places.emplace_back(name, place);
    }
    EXPECT_EQ(commands.size(), 30u) << "a button is missing";

    // Only the left button clicks; pressing the background or a display starts a drag at once,
    // and is only a drag.
    harness.click(SkinHarness::centreOf(harness.item("btn_play")), Qt::MiddleButton);
    const QPointF display = SkinHarness::centreOf(harness.item("timeElapsed1"));
    harness.press(display);
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""})) << "no drag at once";
    harness.release(display);
    harness.deliver();
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
        << "a middle click on play, or the press on the display, did more than drag";
}

// Its title and the drag on its title bar are e2e.test_playback's and e2e.test_control_bar's.
TEST_F(ShippedSkinTest, PlayerCatchesTheMouseOnlyInTheTitleBarAndMarksChaptersUnderTheKnob) {
    load("Player.qml");
    // The stage lies under the video widget and the window's own controls lie on the panel
    // below the title bar; the skin must not catch the mouse there.
    const QRectF titleBar(0, 284, 385, 46);
    for (const QQuickItem* item : harness.root()->findChildren<QQuickItem*>()) {
        const QRectF area = item->mapRectToScene(item->boundingRect());
        EXPECT_TRUE(!item->inherits("QQuickMouseArea") || titleBar.contains(area))
            << "a mouse area outside the title bar, at " << area.x() << "," << area.y();
    }

    // Only fractions inside the title make marks.
    harness.movie.setVariable("_root.chapterMarks", "0.75,,chapter,1.5,-0.1,0,1,0.5");
    std::vector<double> centres;
    for (const QQuickItem* item : harness.item("knobTrack")->childItems())
        if (item->objectName() == QStringLiteral("chapterMark") && item->isVisible())
            centres.push_back(SkinHarness::centreOf(item).x());
    std::sort(centres.begin(), centres.end());
    ASSERT_EQ(centres.size(), 2u) << "marks other than those at 50 and 75%";
    for (const auto& [mark, percent] : {std::pair{0, "50"}, {1, "75"}}) {
        setKnob(percent);
        EXPECT_NEAR(centres[mark], SkinHarness::centreOf(harness.item("knob")).x(), 1)
            << "the mark of the chapter at " << percent << "% is not under the knob";
    }
}

TEST_F(ShippedSkinTest, TheKnobFollowsThePositionUnlessHeldAndSeeksWhereItIsReleased) {
    load("Player.qml");
    const QQuickItem* track = harness.item("knobTrack");
    const QQuickItem* knob = harness.item("knob");
    ASSERT_TRUE(track && knob);
    const double travel = track->width() - knob->width();
    // A point on the track, `percent` of the way, where the knob's centre would be.
    const auto onTrack = [&](double percent) {
        return track->mapToScene(
            QPointF(knob->width() / 2 + travel * percent / 100, track->height() / 2));
    };
    // The percent the knob was released at; "-1" unless that is the one command since the last.
    const auto released = [&] {
        harness.deliver();
        const auto sent = std::exchange(harness.commands, {});
        return sent.size() == 1 && sent[0].first == "IDC_FS_KnobReleased" ? sent[0].second : "-1";
    };

    // On whole pixels, within the track.
    const std::pair<const char*, double> places[] = {{"-4", 0},  {"0", 0},   {"99.99", 0.9999},
                                                     {"100", 1}, {"150", 1}, {"not a number", 0}};
    for (const auto& [position, fraction] : places) {
        setKnob(position);
        EXPECT_EQ(knob->x(), std::round(fraction * travel)) << "knob at position " << position;
    }

    // Dragged, it seeks on release with at most two decimals; the program cannot move it
    // while it is held.
    setKnob("20");
    harness.press(onTrack(20));
    harness.moveHeld(onTrack(60));
    const double held = knob->x();
    setKnob("21");
    EXPECT_EQ(knob->x(), held) << "the program moved the held knob";
    harness.release(onTrack(60));
    const std::string text = released();
    EXPECT_NEAR(std::stod(text), 60, 100 / travel) << "the seek on release";
    EXPECT_LE(text.size() - std::min(text.find('.'), text.size()), 3u) << text;
    setKnob("12");
    EXPECT_EQ(knob->x(), std::round(0.12 * travel)) << "released, it follows the program again";

    // It stops at the ends of the track; clicking the track away from the knob seeks there.
    setKnob("0");
    drag(onTrack(0), onTrack(100) + QPointF(80, 30));
    EXPECT_EQ(released(), "100") << "the seek of a knob dragged past the end";
    drag(onTrack(100), QPointF(-40, 0));
    EXPECT_EQ(released(), "0") << "the seek of a knob dragged past the start";
    setKnob("10");
    harness.click(onTrack(40));
    EXPECT_NEAR(std::stod(released()), 40, 100 / travel) << "the seek of a click on the track";
}

} // namespace
} // namespace lumadisc
