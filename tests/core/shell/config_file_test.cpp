#include "core/shell/config_file.h"

#include "core/failure.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

namespace lumadisc {
namespace {

TEST(ConfigFile, WritesSevenCrLfLinesWithBlankFramedNumbers) {
    SettingsRecord record{"English.ini", "/home/u/My Shots", 1, 0, 1, 1, 0};
    EXPECT_EQ(configText(record),
              "English.ini\r\n/home/u/My Shots\r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n");
    record.useOverlay = -1;
    record.autoPlay = -32768;
    record.snapshotTarget = 32767;
    EXPECT_EQ(configText(record),
              "English.ini\r\n/home/u/My Shots\r\n-1 \r\n 0 \r\n 32767 \r\n 1 \r\n-32768 \r\n");
}

TEST(ConfigFile, ReadsWhatItWritesAndIgnoresSurplusLines) {
    SettingsRecord written{"French.ini", "C:\\shots, \"quoted\"", 0, 1, 2, 2, 1};
    SettingsRecord read;
    ASSERT_TRUE(readConfigText(configText(written) + "extra\r\nlines\r\n", read));
    EXPECT_EQ(read, written);
}

TEST(ConfigFile, AcceptsLfAndLoneCrEndingsAndBlanksAroundNumbers) {
    SettingsRecord read;
    ASSERT_TRUE(readConfigText("German.ini\n\n\t 1\r  0  \r\n2\n 1 \n-1", read));
    EXPECT_EQ(read, (SettingsRecord{"German.ini", "", 1, 0, 2, 1, -1}));
}

TEST(ConfigFile, ShortFileFailsKeepingWhatWasRead) {
    SettingsRecord read{"old.ini", "old", 7, 7, 7, 7, 7};
    EXPECT_FALSE(readConfigText("new.ini\r\nnew\r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n", read));
    EXPECT_EQ(read, (SettingsRecord{"new.ini", "new", 1, 0, 1, 1, 7}));
    SettingsRecord empty;
    EXPECT_FALSE(readConfigText("", empty));
}

TEST(ConfigFile, NumbersOutsideSixteenBitsFailAndTextReadsAsZero) {
    SettingsRecord read;
    EXPECT_FALSE(readConfigText("a\r\nb\r\n 32768 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", read));
    EXPECT_FALSE(
        readConfigText("a\r\nb\r\n 99999999999999999999 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", read));
    ASSERT_TRUE(readConfigText("a\r\nb\r\nyes\r\n12abc\r\n-\r\n\r\n 0 \r\n", read));
    EXPECT_EQ(read, (SettingsRecord{"a", "b", 0, 12, 0, 0, 0}));
}

TEST(ConfigFile, FileRoundTripAndMissingFileFails) {
    test::TempDir dir;
    const std::string path = (dir.path() / "Config.cfg").string();
    SettingsRecord record;
    EXPECT_THROW(readConfigFile(path, record), Failure);
    test::writeFile(path, "stale content that is much longer than the new file will be\r\n");
    writeConfigFile(path, SettingsRecord{"English.ini", "/d", 1, 0, 0, 0, 0});
    EXPECT_EQ(test::readFile(path), "English.ini\r\n/d\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    readConfigFile(path, record);
    EXPECT_EQ(record.snapshotFolder, "/d");
}

TEST(ConfigFile, BinaryGarbageAndHugeLinesNeverCrash) {
    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    SettingsRecord read;
    readConfigText(garbage, read); // any result, but no crash
    const std::string huge(5'000'000, 'x');
    ASSERT_TRUE(readConfigText(huge + "\r\n" + huge + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n", read));
    EXPECT_EQ(read.languageFile.size(), huge.size());
    EXPECT_EQ(read.autoPlay, 5);
}

TEST(ConfigFile, ReadingStopsAfterTheSeventhLine) {
    test::TempDir dir;
    const std::string path = (dir.path() / "Config.cfg").string();
    // Line ends of every kind, then more junk than the reader would ever hold.
    test::writeFile(path, "a\rb\r\n 1 \n 0 \r 2 \r\n 1 \r\n 1 \r" + std::string(40'000'000, '\r'));
    SettingsRecord record;
    readConfigFile(path, record);
    EXPECT_EQ(record, (SettingsRecord{"a", "b", 1, 0, 2, 1, 1}));
    // One endless line is no settings file.
    test::writeFile(path, std::string(20'000'000, 'x'));
    EXPECT_THROW(readConfigFile(path, record), Failure);
}

} // namespace
} // namespace lumadisc
