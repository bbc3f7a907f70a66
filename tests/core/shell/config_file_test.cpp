// The settings file: seven CRLF lines, read back leniently but never past the seventh line.
#include "core/shell/config_file.h"

#include "core/failure.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <optional>

namespace lumadisc {
namespace {

// Seven lines with the given number lines, each ending in CR LF.
std::string withNumbers(const std::string& a, const std::string& b = "0") {
    return "a.ini\r\n/s\r\n" + a + "\r\n" + b + "\r\n0\r\n0\r\n0\r\n";
}

TEST(ConfigFile, NumbersAreFramedByBlanksAndReadBackWithinSixteenBits) {
    const SettingsRecord extremes{"English.ini", "/home/u/My Shots", -1, 0, 32767, 1, -32768};
    EXPECT_EQ(configText(extremes),
              "English.ini\r\n/home/u/My Shots\r\n-1 \r\n 0 \r\n 32767 \r\n 1 \r\n-32768 \r\n");
    SettingsRecord read;
    ASSERT_TRUE(readConfigText(configText(extremes), read));
    EXPECT_EQ(read, extremes) << "the written file does not read back the same";

    struct Case {
        std::string line;
        std::optional<int> value; // nothing: the read fails
    };
    const Case cases[] = {{"32767", 32767},
                          {"32768", {}},
                          {"-32768", -32768},
                          {"-32769", {}},
                          {"+12", 12},
                          {" \t 7 ", 7},
                          {"12abc", 12},
                          {"yes", 0},
                          {"", 0},
                          {"-", 0},
                          {"99999999999999999999", {}}};
    for (const Case& c : cases) {
        SettingsRecord record;
        EXPECT_EQ(readConfigText(withNumbers(c.line), record), c.value.has_value())
            << "number line '" << c.line << "' was " << (c.value ? "refused" : "accepted");
        if (c.value) {
            EXPECT_EQ(record.useOverlay, *c.value) << "number line '" << c.line << "'";
        }
    }
}

TEST(ConfigFile, TextLinesAreKeptWholeAndAnyLineEndCounts) {
    const std::string huge(5'000'000, 'x');
    struct Case {
        std::string text;
        std::optional<SettingsRecord> read; // nothing: the read fails
    };
    const Case cases[] = {
        {"F.ini\r\nC:\\shots, \"quoted\"\r\n0\r\n1\r\n2\r\n2\r\n1\r\nextra\r\n",
         SettingsRecord{"F.ini", "C:\\shots, \"quoted\"", 0, 1, 2, 2, 1}},
        {"G.ini\n\n\t 1\r  0  \r\n2\n 1 \n-1", SettingsRecord{"G.ini", "", 1, 0, 2, 1, -1}},
        {huge + "\r\n" + huge + "\r\n1\r\n2\r\n3\r\n4\r\n5\r\n",
         SettingsRecord{huge, huge, 1, 2, 3, 4, 5}},
        {"new.ini\r\nnew\r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n", std::nullopt}, // six lines
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SettingsRecord record;
        EXPECT_EQ(readConfigText(c.text, record), c.read.has_value()) << c.text.substr(0, 40);
        if (c.read) {
            EXPECT_TRUE(record == *c.read) << "misread: " << c.text.substr(0, 40);
        }
    }
}

TEST(ConfigFile, FileIsReplacedWholeAndEndlessInputIsNeverHeld) {
    test::TempDir dir;
    const std::string path = (dir.path() / "Config.cfg").string();
    SettingsRecord record;
    EXPECT_THROW(readConfigFile(path, record), Failure) << "a missing file read without failing";
    test::writeFile(path, "stale content that is much longer than the new file will be\r\n");
    writeConfigFile(path, SettingsRecord{"English.ini", "/d", 1, 0, 0, 0, 0});
    EXPECT_EQ(test::readFile(path), "English.ini\r\n/d\r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");

    // Line ends of every kind, split across read blocks, then more junk than would ever fit.
    test::writeFile(path, "a\rb\r\n 1 \n 0 \r 2 \r\n 1 \r\n 1 \r" + std::string(40'000'000, '\r'));
    readConfigFile(path, record);
    EXPECT_EQ(record, (SettingsRecord{"a", "b", 1, 0, 2, 1, 1}));
    test::writeFile(path, std::string(20'000'000, 'x'));
    EXPECT_THROW(readConfigFile(path, record), Failure) << "one endless line read as settings";
}

} // namespace
} // namespace lumadisc
