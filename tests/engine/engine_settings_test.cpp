// What the program tells the engine: the option list of a disc start and the hot keys.
#include "engine/engine_options.h"
#include "engine/key_bindings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

namespace lumadisc {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The list the program builds for a disc start: overlay pair, two snapshot paths (index 2 and
// index 4), the screen saver and the fixed snapshot naming.
EngineOptions parseProgramList(const std::string& overlay, const std::string& screensaver,
                               const std::string& second) {
    return EngineOptions::parse({"overlay", overlay, "snapshot-path=/home/ann/Desktop", screensaver,
                                 second, "no-osd", "no-snapshot-preview", "snapshot-sequential",
                                 "snapshot-prefix=IMG_", "snapshot-format=jpg"});
}

TEST(EngineOptionsTest, OverlayAndScreensaverChooseInstanceArgumentsAndMediaOptions) {
    const auto plain =
        parseProgramList("no-overlay", "no-disable-screensaver", "snapshot-path=/tmp/scratch");
    EXPECT_FALSE(plain.overlay);
    EXPECT_THAT(plain.instanceArguments(),
                ElementsAre("--gl=none", "--gles2=none", "--no-disable-screensaver"));
    EXPECT_THAT(plain.mediaOptions(), ElementsAre(":avcodec-hw=none"));

    const auto overlay =
        parseProgramList("overlay", "disable-screensaver", "snapshot-path=/tmp/scratch");
    EXPECT_TRUE(overlay.overlay);
    EXPECT_THAT(overlay.instanceArguments(), ElementsAre("--disable-screensaver"));
    EXPECT_THAT(overlay.mediaOptions(), IsEmpty());

    // The later of two contradicting options wins.
    EXPECT_TRUE(EngineOptions::parse({"no-overlay", "overlay"}).overlay);
    EXPECT_FALSE(EngineOptions::parse({"overlay", "no-overlay"}).overlay);
    EXPECT_EQ(
        EngineOptions::parse({"no-disable-screensaver", "disable-screensaver"}).disableScreensaver,
        true);

    // An empty list asks for nothing beyond the defaults.
    const auto defaults = EngineOptions::parse({});
    EXPECT_TRUE(defaults.overlay);
    EXPECT_FALSE(defaults.disableScreensaver.has_value());
    EXPECT_THAT(defaults.instanceArguments(), IsEmpty());
    EXPECT_THAT(defaults.mediaOptions(), IsEmpty());
    EXPECT_TRUE(defaults.snapshotFolder.empty());
}

TEST(EngineOptionsTest, SnapshotsGoToTheLastSnapshotPathWithTheGivenNaming) {
    EXPECT_EQ(parseProgramList("overlay", "disable-screensaver", "snapshot-path=/tmp/scratch")
                  .snapshotFolder,
              "/tmp/scratch");
    // A destination without a scratch folder leaves index 4 empty: the first path holds.
    EXPECT_EQ(parseProgramList("overlay", "disable-screensaver", "").snapshotFolder,
              "/home/ann/Desktop");
    // A failed folder look-up yields the bare option: no folder at all.
    EXPECT_TRUE(parseProgramList("overlay", "disable-screensaver", "snapshot-path=")
                    .snapshotFolder.empty());
    EXPECT_EQ(EngineOptions::parse({"snapshot-path=/media/My Pictures (2)"}).snapshotFolder,
              "/media/My Pictures (2)");

    const auto options = EngineOptions::parse({"snapshot-prefix=shot-", "snapshot-format=png"});
    EXPECT_EQ(options.snapshotPrefix, "shot-");
    EXPECT_EQ(options.snapshotFormat, "png");
    // A file needs an extension: an empty format keeps the default.
    const auto defaults = EngineOptions::parse({"snapshot-format="});
    EXPECT_EQ(defaults.snapshotPrefix, "IMG_");
    EXPECT_EQ(defaults.snapshotFormat, "jpg");
}

TEST(KeyBindingsTest, KeyVariablesBindTheirActionsAndRebindingReleasesTheOldCode) {
    using Action = KeyBindings::Action;
    KeyBindings keys;
    EXPECT_FALSE(keys.actionFor(83).has_value());
    const std::tuple<const char*, int, Action> bindings[] = {
        {"key-fullscreen", 102, Action::FullScreen},  {"key-snapshot", 83, Action::Snapshot},
        {"key-nav-up", 117, Action::NavUp},           {"key-nav-down", 100, Action::NavDown},
        {"key-nav-left", 108, Action::NavLeft},       {"key-nav-right", 114, Action::NavRight},
        {"key-nav-activate", 97, Action::NavActivate}};
    for (const auto& [variable, code, action] : bindings)
        keys.bind(variable, code);
    for (const auto& [variable, code, action] : bindings)
        EXPECT_EQ(keys.actionFor(code), action) << variable;

    // Variables that name no action bind nothing.
    keys.bind("key-quit", 1);
    keys.bind("key-pressed", 2);
    EXPECT_FALSE(keys.actionFor(1).has_value());
    EXPECT_FALSE(keys.actionFor(2).has_value());

    keys.bind("key-snapshot", 115);
    EXPECT_FALSE(keys.actionFor(83).has_value());
    EXPECT_EQ(keys.actionFor(115), Action::Snapshot);
}

} // namespace
} // namespace lumadisc
