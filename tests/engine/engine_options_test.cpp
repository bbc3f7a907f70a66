#include "engine/engine_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumadisc {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The list the program builds for a disc start: overlay pair, two snapshot paths, the screen
// saver and the fixed snapshot naming.
std::vector<std::string> programList(const std::string& overlay, const std::string& screensaver,
                                     const std::string& second) {
    return {"overlay",
            overlay,
            "snapshot-path=/home/ann/Desktop",
            screensaver,
            second,
            "no-osd",
            "no-snapshot-preview",
            "snapshot-sequential",
            "snapshot-prefix=IMG_",
            "snapshot-format=jpg"};
}

TEST(EngineOptionsTest, NoOverlayMeansPlainX11OutputAndSoftwareDecoding) {
    const auto options = EngineOptions::parse(
        programList("no-overlay", "no-disable-screensaver", "snapshot-path=/tmp/scratch"));

    EXPECT_FALSE(options.overlay);
    EXPECT_THAT(options.instanceArguments(),
                ElementsAre("--gl=none", "--gles2=none", "--no-disable-screensaver"));
    EXPECT_THAT(options.mediaOptions(), ElementsAre(":avcodec-hw=none"));
}

TEST(EngineOptionsTest, OverlayKeepsTheEngineDefaultsAndScreensaverIsAnInstanceArgument) {
    const auto options = EngineOptions::parse(
        programList("overlay", "disable-screensaver", "snapshot-path=/tmp/scratch"));

    EXPECT_TRUE(options.overlay);
    EXPECT_THAT(options.instanceArguments(), ElementsAre("--disable-screensaver"));
    EXPECT_THAT(options.mediaOptions(), IsEmpty());
}

TEST(EngineOptionsTest, TheLaterOfTwoContradictingOptionsWins) {
    EXPECT_TRUE(EngineOptions::parse({"no-overlay", "overlay"}).overlay);
    EXPECT_FALSE(EngineOptions::parse({"overlay", "no-overlay"}).overlay);
    EXPECT_EQ(
        EngineOptions::parse({"no-disable-screensaver", "disable-screensaver"}).disableScreensaver,
        true);
}

TEST(EngineOptionsTest, AnEmptyListAsksForNothingBeyondTheDefaults) {
    const auto options = EngineOptions::parse({});

    EXPECT_TRUE(options.overlay);
    EXPECT_FALSE(options.disableScreensaver.has_value());
    EXPECT_THAT(options.instanceArguments(), IsEmpty());
    EXPECT_THAT(options.mediaOptions(), IsEmpty());
    EXPECT_TRUE(options.snapshotFolder.empty());
    EXPECT_EQ(options.snapshotPrefix, "IMG_");
    EXPECT_EQ(options.snapshotFormat, "jpg");
}

TEST(EngineOptionsTest, SnapshotsGoToTheFolderOfTheLastSnapshotPath) {
    EXPECT_EQ(EngineOptions::parse(
                  programList("overlay", "disable-screensaver", "snapshot-path=/tmp/scratch"))
                  .snapshotFolder,
              "/tmp/scratch");
    // A destination without a scratch folder leaves index 4 empty: the first path holds.
    EXPECT_EQ(
        EngineOptions::parse(programList("overlay", "disable-screensaver", "")).snapshotFolder,
        "/home/ann/Desktop");
    // A failed folder look-up yields the bare option: no folder at all.
    EXPECT_TRUE(
        EngineOptions::parse(programList("overlay", "disable-screensaver", "snapshot-path="))
            .snapshotFolder.empty());
    EXPECT_EQ(EngineOptions::parse({"snapshot-path=/media/My Pictures (2)"}).snapshotFolder,
              "/media/My Pictures (2)");
}

TEST(EngineOptionsTest, SnapshotNamingFollowsPrefixAndFormat) {
    const auto options = EngineOptions::parse({"snapshot-prefix=shot-", "snapshot-format=png"});
    EXPECT_EQ(options.snapshotPrefix, "shot-");
    EXPECT_EQ(options.snapshotFormat, "png");

    // A file needs an extension: an empty format keeps the default.
    EXPECT_EQ(EngineOptions::parse({"snapshot-format="}).snapshotFormat, "jpg");
}

} // namespace
} // namespace lumadisc
