// LinuxDiscInfo on the sample discs: their structure as their information files give it, the
// same disc ID for a disc's image and its folder, and nothing for what is no readable DVD-Video.
#include "linux/linux_disc_info.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace lumadisc::test {
namespace {

std::string sample(const char* name) {
    return (sampleDiscDir() / name).string();
}

// "length: chapter starts / audio language:format:channels … / subtitle languages …"
std::string described(const TitleInfo& title) {
    std::string text = std::to_string(title.lengthMs) + ":";
    for (const long start : title.chapterStartsMs)
        text += " " + std::to_string(start);
    text += " /";
    for (const auto& audio : title.audio)
        text += " " + audio.language + ":" + audio.format + ":" + std::to_string(audio.channels);
    text += " /";
    for (const auto& subtitle : title.subtitles)
        text += " " + subtitle.language;
    return text;
}

TEST(LinuxDiscInfoTest, TitlesChaptersStreamsAndTheSameIdForAnImageAndItsFolder) {
    LinuxDiscInfo info;
    const auto menu = info.read(sample("menu"));
    ASSERT_TRUE(menu && menu->titles.size() == 2) << "the menu disc's two titles were not read";
    EXPECT_EQ(described(menu->titles[0]), "20000: 0 10000 16000 / en:AC-3:2 fr:AC-3:2 / en fr");
    EXPECT_EQ(described(menu->titles[1]), "8000: 0 / en:AC-3:2 /") << "its own title set";
    const auto id = [&](const char* name) {
        const auto facts = info.read(sample(name));
        return facts ? facts->id : "nothing read from " + std::string(name);
    };
    // Scrambled video leaves the information files readable: the ID is the unscrambled disc's.
    for (const auto& [image, folder] :
         {std::pair{"lumadisc-sample.iso", "menu"}, {"encrypted.iso", "ending"}})
        EXPECT_EQ(id(image), id(folder)) << image << " and " << folder;
    EXPECT_NE(id("ending"), menu->id);
}

TEST(LinuxDiscInfoTest, WhatIsNoReadableDvdVideoGivesNothingAndPrintsNothing) {
    LinuxDiscInfo info;
    for (const char* name : {"iso9660-only.iso", "damaged.iso", "no-video-folder", "no-such.iso"}) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(info.read(sample(name))) << "read a disc from " << name;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << name << " printed on stderr";
    }
}

} // namespace
} // namespace lumadisc::test
