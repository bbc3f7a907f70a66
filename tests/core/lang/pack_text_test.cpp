// The text of a language pack: its encodings, and the profile lookup of sections, keys and values.
// Last, every checked-in input of a fuzz target runs through the target's own check, so that the
// seeds and every input a fuzzing run once failed on stay covered by the ordinary suite.
#include "core/lang/profile_file.h"
#include "core/lang/text_encoding.h"
#include "fuzz/config_text_entry.h"
#include "fuzz/disc_root_entry.h"
#include "fuzz/profile_file_entry.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumadisc {
namespace {

using namespace std::string_literals;

const std::string kNone = "(none)";

TEST(ProfileFile, SectionsKeysAndLines) {
    struct Lookup {
        std::string file, section, key, found;
    };
    const Lookup lookups[] = {
        // Section names match without regard to case and surrounding blanks.
        {"[language PACK]\n05=found\n", "  Language Pack ", "05", "found"},
        {"[language PACK]\n05=found\n", "LanguagePack", "05", kNone},
        {"  [ \tLanguage Pack\t ]  \n05=found\n", "Language Pack", "05", "found"},
        // Only the first section of a name counts.
        {"[P]\n05=first\n[O]\n06=o\n[p]\n05=second\n07=late\n", "P", "05", "first"},
        {"[P]\n05=first\n[O]\n06=o\n[p]\n05=second\n07=late\n", "P", "07", kNone},
        {"[P]\n05=first\n[O]\n06=o\n[p]\n05=second\n07=late\n", "O", "05", kNone},
        // Keys before any header belong to no section; "[]" names the empty one.
        {"05=orphan\n[]\n06=unnamed\n", "", "05", kNone},
        {"05=orphan\n[]\n06=unnamed\n", "", "06", "unnamed"},
        // A header ends at its first closing bracket; an unclosed one is an ordinary line.
        {"[Pa]ck] trailing ]\n05=x\n", "Pa", "05", "x"},
        {"[P]\n[Other\n05=still P\n", "P", "05", "still P"},
        {"[P]\n[x=1\n", "P", "[x", "1"},
        // Keys match without regard to case and surrounding blanks; "010" is not "10".
        {"[P]\n \tKey One \t= value\n", "P", "  KEY ONE\t", "value"},
        {"[P]\n \tKey One \t= value\n", "P", "KeyOne", kNone},
        {"[P]\n10=&File\n010=Error\n", "P", "010", "Error"},
        {"[P]\n010=Error\n", "P", "10", kNone},
        // The first entry of a key wins, even when empty.
        {"[P]\n05=one\n05=two\n", "P", "05", "one"},
        {"[P]\n06=\n06=two\n", "P", "06", ""},
        // Lines without "=" are skipped; comments are keys that start with ";".
        {"[P]\n05\njust words\n05=value\n", "P", "05", "value"},
        {"[P]\n;07=commented\n", "P", "07", kNone},
        {"[P]\n  =empty name\n", "P", "", "empty name"},
        {"; [P]\n05=x\n", "P", "05", kNone},
        // Every line break convention ends a line.
        {"[P]\r\n05=crlf\r\n06=x\r\n", "P", "05", "crlf"},
        {"[P]\r05=cr\r06=x\r", "P", "05", "cr"},
        {"[P]\r06=x\n\n05=mixed\r\n", "P", "05", "mixed"},
        {"[P]\n05=no final break", "P", "05", "no final break"},
        // A NUL ends the content of its line; a UTF-8 byte order mark is skipped.
        {"[P]\n05=Hel\0lo\n06=next\n"s, "P", "05", "Hel"},
        {"[P]\n05=Hel\0lo\n06=next\n"s, "P", "06", "next"},
        {"[P]\n0\0 7=x\n[Q\0]\n08=y\n"s, "P", "08", "y"},
        {"\0[P]\n05=x\n"s, "P", "05", kNone},
        {"\xEF\xBB\xBF[P]\n05=x\n", "P", "05", "x"},
    };
    for (const Lookup& l : lookups)
        EXPECT_EQ(ProfileFile(l.file).find(l.section, l.key).value_or(kNone), l.found)
            << "[" << l.section << "] " << l.key << " in " << ::testing::PrintToString(l.file);
}

TEST(ProfileFile, ValuesLoseBlanksAndOneMatchingPairOfQuotes) {
    const ProfileFile pack(
        "[P]\n01= \t inner  blanks \t \n02=   \n03=a=b\n04==\n05=\"quoted\"\n06='single'\n"
        "07= \"  kept blanks \" \n08=\"\"\n09=\"\"twice\"\"\n10=\"mixed'\n11=\"open\n"
        "12=close\"\n13=\"\n14=L'aide d'abord\n");
    std::string found;
    for (int key = 1; key <= 14; ++key)
        found += pack.find("P", (key < 10 ? "0" : "") + std::to_string(key)).value_or("?") + "|";
    EXPECT_EQ(found, "inner  blanks||a=b|=|quoted|single|  kept blanks ||\"twice\"|\"mixed'|\"open|"
                     "close\"|\"|L'aide d'abord|")
        << "the values of keys 01 to 14, each followed by |";
}

// Hostile input in general is the fuzz corpus's; here the sizes a fixed buffer would cut.
TEST(ProfileRobustness, LongLinesAndGarbageStillAnswer) {
    const ProfileFile longLine("[P]\n05=" + std::string(1 << 20, 'v') + "\n06=after\n");
    EXPECT_EQ(longLine.find("P", "05")->size(), std::size_t{1} << 20);
    EXPECT_EQ(longLine.find("P", "06"), "after");

    std::string garbage;
    for (int i = 0; i < 65536; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    EXPECT_EQ(ProfileFile(garbage + "\n[P]\n05=x\n").getString("P", "05", "d", 500), "x");
}

TEST(PackEncoding, Utf8PassesCodePage1252AndUtf16AreDecoded) {
    const std::string utf8 = "Fran\xC3\xA7"
                             "ais \xE2\x82\xAC \xF0\x9F\x8E\xAC\n\0end"s;
    const std::pair<std::string, std::string> cases[] = {
        {utf8, utf8},
        {"", ""},
        // Only a leading UTF-8 byte order mark is dropped.
        {"\xEF\xBB\xBF[P]", "[P]"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
        {"a\xEF\xBB\xBF", "a\xEF\xBB\xBF"},
        // Invalid UTF-8 is code page 1252, the whole file for one bad byte.
        {"Fran\xE7"
         "ais",
         "Fran\xC3\xA7"
         "ais"},
        {"\x80 \x85 \x9F \xA0 \xFF", "\xE2\x82\xAC \xE2\x80\xA6 \xC5\xB8 \xC2\xA0 \xC3\xBF"},
        // Bytes the code page leaves unassigned become the C1 controls of the same number.
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"},
        {"\xEF\xBB\xBF\xE9", "\xC3\xA9"},
        // A UTF-16 byte order mark selects UTF-16; broken units become U+FFFD.
        {"\xFF\xFE[\0P\0]\0\xE9\0\xAC\x20"s, "[P]\xC3\xA9\xE2\x82\xAC"},
        {"\xFE\xFF\0[\0P\0]\0\xE9\x20\xAC"s, "[P]\xC3\xA9\xE2\x82\xAC"},
        {"\xFF\xFE\x3C\xD8\xAC\xDF", "\xF0\x9F\x8E\xAC"},
        {"\xFF\xFE\x3D\xD8"
         "a\0"s,
         "\xEF\xBF\xBD"
         "a"},
        {"\xFF\xFE\xAC\xDF", "\xEF\xBF\xBD"},
        {"\xFF\xFE"
         "a\0b"s,
         "a\xEF\xBF\xBD"},
        {"\xFF\xFE\x3D\xD8", "\xEF\xBF\xBD"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodePackText(bytes), text) << ::testing::PrintToString(bytes);
}

TEST(PackEncoding, MalformedUtf8IsRejectedAndCharactersAreCountedWhole) {
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF"));
    // Overlong, surrogate, past U+10FFFF, cut short, stray bytes.
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3",
                            "\xC3"
                            "a",
                            "\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bad)) << ::testing::PrintToString(std::string(bad));

    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC";
    EXPECT_EQ(utf8Length(text), 4u);
    EXPECT_EQ(utf8Prefix(text, 0), "");
    EXPECT_EQ(utf8Prefix(text, 2), "a\xC3\xA9");
    EXPECT_EQ(utf8Prefix(text, 3), "a\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(utf8Prefix(text, 4), text);
    EXPECT_EQ(utf8Prefix(text, 99), text);
}

void replay(const std::string& target, const std::function<bool(const std::string&)>& behaves) {
    const auto folder = test::sourceDir() / "tests" / "fuzz" / "corpus" / target;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        EXPECT_TRUE(behaves(test::readFile(entry.path()))) << entry.path();
        ++count;
    }
    EXPECT_GT(count, 0) << "no inputs in " << folder;
}

TEST(FuzzCorpusReplay, ProfileFileConfigTextAndDiscRoot) {
    replay("profile_file", fuzz::profileFileBehaves);
    replay("config_text", fuzz::configTextBehaves);
    replay("disc_root", fuzz::discRootBehaves);
}

} // namespace
} // namespace lumadisc
