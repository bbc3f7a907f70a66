// The settings file: seven CRLF lines, read back leniently but never past the seventh line.
#include "core/shell/config_file.h"

#include "core/failure.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <optional>

namespace lumadisc {
namespace {

TEST(ConfigFile, WritesSevenCrLfLinesWithBlankFramedNumbers) {
    SettingsRecord record{"English.ini", "/home/u/My Shots", 1, 0, 1, 1, 0};
    EXPECT_EQ(configText(record),
              "English.ini\r\n/home/u/My Shots\r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n 0 \r\n");
    record = {"English.ini", "/home/u/My Shots", -1, 0, 32767, 1, -32768};
    EXPECT_EQ(configText(record),
              "English.ini\r\n/home/u/My Shots\r\n-1 \r\n 0 \r\n 32767 \r\n 1 \r\n-32768 \r\n");
}

TEST(ConfigFile, ReadsLeniently) {
    const SettingsRecord written{"French.ini", "C:\\shots, \"quoted\"", 0, 1, 2, 2, 1};
    const std::string huge(5'000'000, 'x');
    struct Case {
        std::string text;
        bool ok;
        std::optional<SettingsRecord> read; // what the record holds afterwards
    };
    const Case cases[] = {
        {configText(written) + "extra\r\nlines\r\n", true, written}, // surplus lines ignored
        {"German.ini\n\n\t 1\r  0  \r\n2\n 1 \n-1", true,
         SettingsRecord{"German.ini", "", 1, 0, 2, 1, -1}},
        // A short file fails, keeping what was read.
        {"new.ini\r\nnew\r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n", false,
         SettingsRecord{"new.ini", "new", 1, 0, 1, 1, 7}},
        {"", false, std::nullopt},
        // Numbers outside sixteen bits fail; text reads as zero.
        {"a\r\nb\r\n 32768 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", false, std::nullopt},
        {"a\r\nb\r\n 99999999999999999999 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n", false, std::nullopt},
        {"a\r\nb\r\nyes\r\n12abc\r\n-\r\n\r\n 0 \r\n", true,
         SettingsRecord{"a", "b", 0, 12, 0, 0, 0}},
        {huge + "\r\n" + huge + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n", true,
         SettingsRecord{huge, huge, 1, 2, 3, 4, 5}},
    };
    for (const Case& c : cases) {
        SettingsRecord read{"old.ini", "old", 7, 7, 7, 7, 7};
        EXPECT_EQ(readConfigText(c.text, read), c.ok) << c.text.substr(0, 40);
        if (c.read) {
            EXPECT_TRUE(read == *c.read) << c.text.substr(0, 40);
        }
    }
}

TEST(ConfigFile, FileRoundTripMissingFileAndEndlessInput) {
    test::TempDir dir;
    const std::string path = (dir.path() / "Config.cfg").string();
    SettingsRecord record;
    EXPECT_THROW(readConfigFile(path, record), Failure);
    test::writeFile(path, "stale content that is much longer than the new file will be\r\n");
    writeConfigFile(path, SettingsRecord{"English.ini", "/d", 1, 0, 0, 0, 0});
    EXPECT_EQ(test::readFile(path), "English.ini\r\n/d\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    readConfigFile(path, record);
    EXPECT_EQ(record.snapshotFolder, "/d");

    // Line ends of every kind, then more junk than the reader would ever hold.
    test::writeFile(path, "a\rb\r\n 1 \n 0 \r 2 \r\n 1 \r\n 1 \r" + std::string(40'000'000, '\r'));
    readConfigFile(path, record);
    EXPECT_EQ(record, (SettingsRecord{"a", "b", 1, 0, 2, 1, 1}));
    // One endless line is no settings file.
    test::writeFile(path, std::string(20'000'000, 'x'));
    EXPECT_THROW(readConfigFile(path, record), Failure);
}

} // namespace
} // namespace lumadisc
