#include "core/lang/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace lumadisc {
namespace {

using namespace std::string_literals;

TEST(ProfileEncodingUtf8, ValidTextPassesUnchanged) {
    const std::string text = "Fran\xC3\xA7"
                             "ais \xE2\x82\xAC \xF0\x9F\x8E\xAC\n\0end"s;
    EXPECT_EQ(decodePackText(text), text);
    EXPECT_EQ(decodePackText(""), "");
}

TEST(ProfileEncodingUtf8, OnlyALeadingByteOrderMarkIsDropped) {
    EXPECT_EQ(decodePackText("\xEF\xBB\xBF[P]"), "[P]");
    EXPECT_EQ(decodePackText("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
    EXPECT_EQ(decodePackText("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
}

TEST(ProfileEncodingUtf8, MalformedSequencesAreRejected) {
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));     // overlong, three bytes
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xC3"));             // cut short
    EXPECT_FALSE(isValidUtf8("\xC3"
                             "a"));
    EXPECT_FALSE(isValidUtf8("\x80"));
    EXPECT_FALSE(isValidUtf8("\xFF"));
}

TEST(ProfileEncodingWindows1252, InvalidUtf8IsReadAsWindows1252) {
    EXPECT_EQ(decodePackText("Fran\xE7"
                             "ais"),
              "Fran\xC3\xA7"
              "ais");
    EXPECT_EQ(decodePackText("\x80 \x85 \x9F \xA0 \xFF"),
              "\xE2\x82\xAC \xE2\x80\xA6 \xC5\xB8 \xC2\xA0 \xC3\xBF");
    // Bytes Windows leaves unassigned become the C1 controls of the same number.
    EXPECT_EQ(decodePackText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(ProfileEncodingWindows1252, OneBadByteMakesTheWholeFileWindows1252) {
    // "é" in UTF-8 followed by a lone 0xE9: the pack was not UTF-8 after all.
    EXPECT_EQ(decodePackText("\xC3\xA9 \xE9"), "\xC3\x83\xC2\xA9 \xC3\xA9");
    EXPECT_EQ(decodePackText("\xEF\xBB\xBF\xE9"), "\xC3\xA9");
}

TEST(ProfileEncodingUtf16, ByteOrderMarkSelectsUtf16) {
    EXPECT_EQ(decodePackText("\xFF\xFE[\0P\0]\0\xE9\0\xAC\x20"s), "[P]\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(decodePackText("\xFE\xFF\0[\0P\0]\0\xE9\x20\xAC"s), "[P]\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(decodePackText("\xFF\xFE\x3C\xD8\xAC\xDF"), "\xF0\x9F\x8E\xAC");
}

TEST(ProfileEncodingUtf16, BrokenUnitsBecomeReplacementCharacters) {
    EXPECT_EQ(decodePackText("\xFF\xFE\x3D\xD8"
                             "a\0"s),
              "\xEF\xBF\xBD"
              "a");
    EXPECT_EQ(decodePackText("\xFF\xFE\xAC\xDF"), "\xEF\xBF\xBD");
    EXPECT_EQ(decodePackText("\xFF\xFE"
                             "a\0b"s),
              "a\xEF\xBF\xBD");
    EXPECT_EQ(decodePackText("\xFF\xFE\x3D\xD8"), "\xEF\xBF\xBD");
}

TEST(ProfileEncodingCharacters, CountsAndCutsWholeCharacters) {
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xAC";
    EXPECT_EQ(utf8Length(text), 4u);
    EXPECT_EQ(utf8Prefix(text, 0), "");
    EXPECT_EQ(utf8Prefix(text, 2), "a\xC3\xA9");
    EXPECT_EQ(utf8Prefix(text, 3), "a\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(utf8Prefix(text, 4), text);
    EXPECT_EQ(utf8Prefix(text, 99), text);
}

} // namespace
} // namespace lumadisc
