// LinuxDiscInfo on the sample discs: their structure as their information files give it, the
// same disc ID for a disc's image and its folder, and nothing for what is no readable DVD-Video.
#include "linux/linux_disc_info.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <regex>

namespace lumadisc::test {
namespace {

std::string sample(const char* name) {
    return (sampleDiscDir() / name).string();
}

std::string languages(const TitleInfo& title) {
    std::string text;
    for (const auto& audio : title.audio)
        text += audio.language + ":" + audio.format + ":" + std::to_string(audio.channels) + " ";
    text += "/";
    for (const auto& subtitle : title.subtitles)
        text += " " + subtitle.language;
    return text;
}

TEST(LinuxDiscInfoTest, TheMenuDiscsTitlesChaptersAndStreams) {
    LinuxDiscInfo info;
    const auto folder = info.read(sample("menu"));
    ASSERT_TRUE(folder) << "the menu disc's folder was not read";
    ASSERT_EQ(folder->titles.size(), 2u);
    const TitleInfo& first = folder->titles[0];
    EXPECT_EQ(first.lengthMs, 20000);
    EXPECT_EQ(first.chapterStartsMs, (std::vector<long>{0, 10000, 16000}));
    EXPECT_EQ(first.angles, 1);
    EXPECT_EQ(languages(first), "en:AC-3:2 fr:AC-3:2 / en fr");
    const TitleInfo& second = folder->titles[1];
    EXPECT_EQ(second.lengthMs, 8000);
    EXPECT_EQ(second.chapterStartsMs, std::vector<long>{0});
    EXPECT_EQ(languages(second), "en:AC-3:2 /") << "title 2 lies in a title set of its own";
}

TEST(LinuxDiscInfoTest, TheDiscIdIsTheSameForAnImageAndItsFolderAndDiffersBetweenDiscs) {
    LinuxDiscInfo info;
    const auto id = [&](const char* name) {
        const auto facts = info.read(sample(name));
        return facts ? facts->id : "nothing read from " + std::string(name);
    };
    const std::string menu = id("menu");
    EXPECT_TRUE(std::regex_match(menu, std::regex("[0-9a-f]{32}"))) << menu;
    EXPECT_EQ(id("lumadisc-sample.iso"), menu);
    EXPECT_EQ(id("ending.iso"), id("ending"));
    EXPECT_NE(id("ending"), menu);
    // Scrambled video leaves the information files readable: the ID is the unscrambled disc's.
    EXPECT_EQ(id("encrypted.iso"), id("ending"));
}

TEST(LinuxDiscInfoTest, WhatIsNoReadableDvdVideoGivesNothingAndPrintsNothing) {
    LinuxDiscInfo info;
    const std::string missing = (sampleDiscDir() / "no-such.iso").string();
    for (const std::string& drive : {sample("iso9660-only.iso"), sample("damaged.iso"),
                                     sample("no-video-folder"), missing, std::string()}) {
        testing::internal::CaptureStderr();
        const auto facts = info.read(drive);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(facts) << "read a disc from '" << drive << "'";
        EXPECT_EQ(printed, "") << "reading '" << drive << "' printed on standard error";
    }
}

} // namespace
} // namespace lumadisc::test
