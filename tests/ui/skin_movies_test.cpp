// The two skins the program ships, played by the real host.
#include "support/test_paths.h"
#include "ui/skin_test_support.h"

#include <QQmlEngine>
#include <QQmlError>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace lumadisc {
namespace {

using test::Command;
using test::SkinHarness;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string skinPath(const char* file) {
    return (test::sourceDir() / "resources" / "Resources" / file).string();
}

class ShippedSkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::skinTestApp(); }

    // Binding errors do not stop a movie from loading; they show up as engine warnings.
    void SetUp() override {
        QObject::connect(harness.movie.widget()->engine(), &QQmlEngine::warnings,
                         [this](const QList<QQmlError>& list) {
                             for (const QQmlError& warning : list)
                                 warnings.push_back(warning.toString().toStdString());
                         });
    }
    void TearDown() override { EXPECT_THAT(warnings, IsEmpty()); }

    SkinHarness harness;
    std::vector<std::string> warnings;
};

class ControlBarSkinTest : public ShippedSkinTest {
protected:
    void SetUp() override {
        ShippedSkinTest::SetUp();
        harness.load(skinPath("GUI.qml"));
    }
};

// Every button of the control bar and the command it sends.
const std::map<std::string, std::string> barButtons = {
    {"btn_power", "power"},       {"btn_drivers", "drivers"},
    {"btn_volUp", "vol+"},        {"btn_volDown", "vol-"},
    {"btn_play", "play"},         {"btn_rewind", "rewind"},
    {"btn_mini", "ID_FS_mini"},   {"btn_ff", "ff"},
    {"btn_stop", "stop"},         {"btn_pause", "pause"},
    {"btn_mute", "mute"},         {"btn_about", "ID_FS _about"},
    {"btn_option", "option"},     {"btn_snapshot", "snapshot"},
    {"btn_open", "open"},         {"btn_fullscreen", "fullscreen"},
    {"btn_navup", "navup"},       {"btn_navdown", "navdown"},
    {"btn_navright", "navright"}, {"btn_navleft", "navleft"},
    {"btn_enter", "enter"},       {"btn_exit", "ID_FS_exit"},
};

TEST_F(ControlBarSkinTest, IsEightHundredByOneHundredPixels) {
    EXPECT_EQ(harness.movie.getVariable("_width"), "800");
    EXPECT_EQ(harness.movie.getVariable("_height"), "100");
}

TEST_F(ControlBarSkinTest, ShowsTheFourTextFieldsTheProgramWrites) {
    const std::map<std::string, std::string> fields = {
        {"_level0.dvdName.text", "MY_DISC (/dev/sr0)"},
        {"_level0.timeElapsed1.text", "00:12:40/01:45:03"},
        {"_level0.volumeText1.text", "Volume 57"},
        {"_level0.volumeText2.text", "Volume 57"},
    };
    for (const auto& [path, text] : fields) {
        harness.movie.setVariable(path, text);
        EXPECT_EQ(harness.movie.getVariable(path), text) << path;
    }
    for (const char* name : {"dvdName", "timeElapsed1", "volumeText1", "volumeText2"}) {
        const QQuickItem* field = harness.item(name);
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->isVisible()) << name;
        EXPECT_GT(field->width(), 0) << name;
    }
}

TEST_F(ControlBarSkinTest, EachButtonSendsItsCommandWhenClicked) {
    std::set<std::string> found;
    for (const QQuickItem* item : harness.root()->findChildren<QQuickItem*>()) {
        if (item->objectName().startsWith(QStringLiteral("btn_")))
            found.insert(item->objectName().toStdString());
    }
    std::set<std::string> expected;
    for (const auto& entry : barButtons)
        expected.insert(entry.first);
    EXPECT_EQ(found, expected);

    for (const auto& [name, command] : barButtons) {
        const QQuickItem* button = harness.item(name.c_str());
        ASSERT_NE(button, nullptr) << name;
        harness.commands.clear();
        harness.click(SkinHarness::centreOf(button));
        EXPECT_THAT(harness.commands, IsEmpty()) << name << " raised its command in the click";
        harness.deliver();
        EXPECT_THAT(harness.commands, ElementsAre(Command{command, ""})) << name;
    }
}

TEST_F(ControlBarSkinTest, OnlyTheLeftButtonClicks) {
    const QPointF play = SkinHarness::centreOf(harness.item("btn_play"));
    harness.click(play, Qt::MiddleButton);
    harness.click(play, Qt::RightButton);
    harness.deliver();
    EXPECT_THAT(harness.commands, IsEmpty());
}

TEST_F(ControlBarSkinTest, PressingTheBackgroundOrADisplayStartsADragAtOnce) {
    for (const QPointF at :
         {QPointF(400, 12), QPointF(5, 95), SkinHarness::centreOf(harness.item("timeElapsed1"))}) {
        harness.commands.clear();
        harness.press(at);
        EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
            << at.x() << "," << at.y();
        harness.release(at);
        harness.deliver();
        EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}))
            << "a click on the background is only a drag";
    }
}

class PlayerSkinTest : public ShippedSkinTest {
protected:
    void SetUp() override {
        ShippedSkinTest::SetUp();
        harness.load(skinPath("Player.qml"));
        track = harness.item("knobTrack");
        knob = harness.item("knob");
        ASSERT_NE(track, nullptr);
        ASSERT_NE(knob, nullptr);
        travel = track->width() - knob->width();
    }

    // A point on the track, `percent` of the way, where the knob's centre would be.
    QPointF onTrack(double percent) const {
        return track->mapToScene(
            QPointF(knob->width() / 2 + travel * percent / 100, track->height() / 2));
    }

    double releasedPercent() const {
        EXPECT_EQ(harness.commands.size(), 1u);
        if (harness.commands.empty())
            return -1;
        EXPECT_EQ(harness.commands[0].first, "IDC_FS_KnobReleased");
        return std::stod(harness.commands[0].second);
    }

    QQuickItem* track = nullptr;
    QQuickItem* knob = nullptr;
    double travel = 0;
};

TEST_F(PlayerSkinTest, HasTheMainWindowsSizeAndAStartTitle) {
    EXPECT_EQ(harness.movie.getVariable("_width"), "385");
    EXPECT_EQ(harness.movie.getVariable("_height"), "400");
    EXPECT_EQ(harness.movie.getVariable("_root.filename"), "Lumadisc");
    harness.movie.setVariable("_root.filename", "MY_DISC (/dev/sr0)");
    EXPECT_EQ(harness.movie.getVariable("_root.filename"), "MY_DISC (/dev/sr0)");
    EXPECT_EQ(harness.item("filename")->property("text").toString(), "MY_DISC (/dev/sr0)");
}

TEST_F(PlayerSkinTest, MouseAreasStayInTheTitleBar) {
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
}

TEST_F(PlayerSkinTest, TheKnobFollowsThePositionOnWholePixels) {
    harness.movie.setVariable("_root.KnobPosition", "50");
    EXPECT_EQ(knob->x(), std::round(travel / 2));

    for (const char* position : {"0", "12.345678", "33.3", "99.99", "100"}) {
        harness.movie.setVariable("_root.KnobPosition", position);
        EXPECT_EQ(knob->x(), std::round(std::stod(position) / 100 * travel)) << position;
    }

    harness.movie.setVariable("_root.KnobPosition", "150");
    EXPECT_EQ(knob->x(), travel);
    harness.movie.setVariable("_root.KnobPosition", "-4");
    EXPECT_EQ(knob->x(), 0);
    harness.movie.setVariable("_root.KnobPosition", "not a number");
    EXPECT_EQ(knob->x(), 0);
}

TEST_F(PlayerSkinTest, DraggingTheKnobSeeksOnRelease) {
    harness.movie.setVariable("_root.KnobPosition", "20");
    harness.press(onTrack(20));
    harness.moveHeld(onTrack(50));
    harness.moveHeld(onTrack(75));
    harness.release(onTrack(75));
    EXPECT_THAT(harness.commands, IsEmpty());
    harness.deliver();

    const double percent = releasedPercent();
    EXPECT_NEAR(percent, 75, 100 / travel);
    const std::string text = harness.commands.at(0).second;
    const auto point = text.find('.');
    EXPECT_TRUE(point == std::string::npos || text.size() - point - 1 <= 2) << text;
}

TEST_F(PlayerSkinTest, TheProgramCannotMoveAHeldKnob) {
    harness.movie.setVariable("_root.KnobPosition", "10");
    harness.press(onTrack(10));
    harness.moveHeld(onTrack(60));
    const double held = knob->x();
    EXPECT_NEAR(held, 0.6 * travel, 1);

    harness.movie.setVariable("_root.KnobPosition", "11");
    EXPECT_EQ(knob->x(), held);

    harness.release(onTrack(60));
    harness.movie.setVariable("_root.KnobPosition", "12");
    EXPECT_EQ(knob->x(), std::round(0.12 * travel)) << "released, it follows the program again";
}

TEST_F(PlayerSkinTest, TheKnobStopsAtTheEndsOfTheTrack) {
    harness.press(onTrack(0));
    harness.moveHeld(onTrack(100) + QPointF(80, 30));
    harness.release(onTrack(100) + QPointF(80, 30));
    harness.deliver();
    EXPECT_EQ(harness.commands, std::vector<Command>({{"IDC_FS_KnobReleased", "100"}}));

    harness.commands.clear();
    harness.press(onTrack(100));
    harness.moveHeld(QPointF(-40, 0));
    harness.release(QPointF(-40, 0));
    harness.deliver();
    EXPECT_EQ(harness.commands, std::vector<Command>({{"IDC_FS_KnobReleased", "0"}}));
}

TEST_F(PlayerSkinTest, ClickingTheTrackAwayFromTheKnobSeeksThere) {
    harness.movie.setVariable("_root.KnobPosition", "10");
    harness.click(onTrack(40));
    harness.deliver();
    EXPECT_NEAR(releasedPercent(), 40, 100 / travel);
}

TEST_F(PlayerSkinTest, PressingTheTitleBarStartsADragAtOnce) {
    harness.press(QPointF(200, 290));
    EXPECT_THAT(harness.commands, ElementsAre(Command{"ID_FS_drag", ""}));
    harness.release(QPointF(200, 290));

    harness.commands.clear();
    harness.click(QPointF(200, 150));
    harness.click(QPointF(200, 370));
    harness.deliver();
    EXPECT_THAT(harness.commands, IsEmpty()) << "stage and panel belong to the window";
}

} // namespace
} // namespace lumadisc
