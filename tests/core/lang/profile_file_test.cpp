#include "core/lang/profile_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace lumadisc {
namespace {

std::optional<std::string> lookUp(const std::string& file, const std::string& section,
                                  const std::string& key) {
    return ProfileFile(file).find(section, key);
}

TEST(ProfileFileSections, NamesMatchWithoutRegardToCaseAndBlanks) {
    const std::string file = "[language PACK]\n05=found\n";
    EXPECT_EQ(lookUp(file, "Language Pack", "05"), "found");
    EXPECT_EQ(lookUp("  [ \tLanguage Pack\t ]  \n05=found\n", "Language Pack", "05"), "found");
    EXPECT_EQ(lookUp(file, "  Language Pack ", "05"), "found");
    EXPECT_EQ(lookUp(file, "LanguagePack", "05"), std::nullopt);
}

TEST(ProfileFileSections, OnlyTheFirstSectionOfANameCounts) {
    const std::string file = "[Pack]\n05=first\n[Other]\n06=other\n[PACK]\n05=second\n07=late\n";
    EXPECT_EQ(lookUp(file, "Pack", "05"), "first");
    EXPECT_EQ(lookUp(file, "Pack", "07"), std::nullopt);
    EXPECT_EQ(lookUp(file, "Other", "06"), "other");
    EXPECT_EQ(lookUp(file, "Other", "05"), std::nullopt);
}

TEST(ProfileFileSections, KeysBeforeAnyHeaderBelongToNoSection) {
    const std::string file = "05=orphan\n[]\n06=unnamed\n";
    EXPECT_EQ(lookUp(file, "", "05"), std::nullopt);
    EXPECT_EQ(lookUp(file, "", "06"), "unnamed");
    EXPECT_EQ(lookUp("05=orphan\n", "Pack", "05"), std::nullopt);
}

TEST(ProfileFileSections, AHeaderEndsAtItsFirstClosingBracket) {
    EXPECT_EQ(lookUp("[Pack] trailing words ]\n05=x\n", "Pack", "05"), "x");
    EXPECT_EQ(lookUp("[Pa]ck]\n05=x\n", "Pa", "05"), "x");
}

TEST(ProfileFileSections, AnUnclosedBracketIsAnOrdinaryLineOfTheCurrentSection) {
    const std::string file = "[Pack]\n[Other\n05=still pack\n[x=1\n";
    EXPECT_EQ(lookUp(file, "Pack", "05"), "still pack");
    EXPECT_EQ(lookUp(file, "Pack", "[x"), "1");
    EXPECT_EQ(lookUp(file, "Other", "05"), std::nullopt);
}

TEST(ProfileFileKeys, NamesMatchWithoutRegardToCaseAndBlanks) {
    const std::string file = "[P]\n \tKey One \t= value\n";
    EXPECT_EQ(lookUp(file, "P", "key one"), "value");
    EXPECT_EQ(lookUp(file, "P", "  KEY ONE\t"), "value");
    EXPECT_EQ(lookUp(file, "P", "KeyOne"), std::nullopt);
}

TEST(ProfileFileKeys, NumbersOfDifferentLengthAreDifferentKeys) {
    const std::string file = "[P]\n10=&File\n010=Error\n";
    EXPECT_EQ(lookUp(file, "P", "10"), "&File");
    EXPECT_EQ(lookUp(file, "P", "010"), "Error");
}

TEST(ProfileFileKeys, TheFirstEntryOfAKeyWins) {
    EXPECT_EQ(lookUp("[P]\n05=one\n05=two\n", "P", "05"), "one");
    EXPECT_EQ(lookUp("[P]\n05=\n05=two\n", "P", "05"), "");
}

TEST(ProfileFileKeys, LinesWithoutEqualsSignAreSkipped) {
    const std::string file = "[P]\n05\njust words\n05=value\n";
    EXPECT_EQ(lookUp(file, "P", "05"), "value");
    EXPECT_EQ(lookUp(file, "P", "just words"), std::nullopt);
}

TEST(ProfileFileKeys, CommentLinesAreKeysStartingWithASemicolon) {
    const std::string file = "[P]\n;05=commented\n# 06=hash\n";
    EXPECT_EQ(lookUp(file, "P", "05"), std::nullopt);
    EXPECT_EQ(lookUp(file, "P", ";05"), "commented");
    EXPECT_EQ(lookUp(file, "P", "# 06"), "hash");
    EXPECT_EQ(lookUp("; [P]\n05=x\n", "P", "05"), std::nullopt);
}

TEST(ProfileFileKeys, AnEmptyKeyNameIsAKeyLikeAnyOther) {
    const std::string file = "[P]\n  =empty name\n05=x\n";
    EXPECT_EQ(lookUp(file, "P", ""), "empty name");
    EXPECT_EQ(lookUp(file, "P", "05"), "x");
}

TEST(ProfileFileValues, SurroundingBlanksAndTabsAreRemoved) {
    EXPECT_EQ(lookUp("[P]\n05= \t inner  blanks \t \n", "P", "05"), "inner  blanks");
    EXPECT_EQ(lookUp("[P]\n05=\n", "P", "05"), "");
    EXPECT_EQ(lookUp("[P]\n05=   \n", "P", "05"), "");
}

TEST(ProfileFileValues, TheValueStartsAfterTheFirstEqualsSign) {
    EXPECT_EQ(lookUp("[P]\n05=a=b\n", "P", "05"), "a=b");
    EXPECT_EQ(lookUp("[P]\n05==\n", "P", "05"), "=");
}

TEST(ProfileFileValues, OneMatchingPairOfQuotesIsRemoved) {
    EXPECT_EQ(lookUp("[P]\n05=\"quoted\"\n", "P", "05"), "quoted");
    EXPECT_EQ(lookUp("[P]\n05='single'\n", "P", "05"), "single");
    EXPECT_EQ(lookUp("[P]\n05= \"  kept blanks \" \n", "P", "05"), "  kept blanks ");
    EXPECT_EQ(lookUp("[P]\n05=\"\"\n", "P", "05"), "");
    EXPECT_EQ(lookUp("[P]\n05=\"\"twice\"\"\n", "P", "05"), "\"twice\"");
}

TEST(ProfileFileValues, UnmatchedQuotesStay) {
    EXPECT_EQ(lookUp("[P]\n05=\"mixed'\n", "P", "05"), "\"mixed'");
    EXPECT_EQ(lookUp("[P]\n05=\"open\n", "P", "05"), "\"open");
    EXPECT_EQ(lookUp("[P]\n05=close\"\n", "P", "05"), "close\"");
    EXPECT_EQ(lookUp("[P]\n05=\"\n", "P", "05"), "\"");
    EXPECT_EQ(lookUp("[P]\n05=L'aide d'abord\n", "P", "05"), "L'aide d'abord");
}

TEST(ProfileFileLines, EveryLineBreakConventionEndsALine) {
    EXPECT_EQ(lookUp("[P]\r\n05=crlf\r\n06=x\r\n", "P", "05"), "crlf");
    EXPECT_EQ(lookUp("[P]\r05=cr\r06=x\r", "P", "05"), "cr");
    EXPECT_EQ(lookUp("[P]\r06=x\n\n05=mixed\r\n", "P", "05"), "mixed");
    EXPECT_EQ(lookUp("[P]\n05=no final break", "P", "05"), "no final break");
    EXPECT_EQ(lookUp("[P]\r\r\n\n05=after blank lines", "P", "05"), "after blank lines");
}

TEST(ProfileFileLines, ANulEndsTheContentOfItsLine) {
    using namespace std::string_literals;
    const auto file = "[P]\n05=Hel\0lo\n06=next\n0\0 7=x\n[Q\0]\n08=y\n"s;
    EXPECT_EQ(lookUp(file, "P", "05"), "Hel");
    EXPECT_EQ(lookUp(file, "P", "06"), "next");
    EXPECT_EQ(lookUp(file, "P", "0"), std::nullopt);
    EXPECT_EQ(lookUp(file, "P", "08"), "y");
    EXPECT_EQ(lookUp("\0[P]\n05=x\n"s, "P", "05"), std::nullopt);
}

TEST(ProfileFileLines, AUtf8ByteOrderMarkIsSkipped) {
    EXPECT_EQ(lookUp("\xEF\xBB\xBF[P]\n05=x\n", "P", "05"), "x");
}

TEST(ProfileFileGetString, MissingEntriesGiveTheDefaultWithoutTrailingBlanks) {
    const ProfileFile file("[P]\n05=x\n");
    EXPECT_EQ(file.getString("P", "06", "fallback", 500), "fallback");
    EXPECT_EQ(file.getString("Q", "05", "fallback", 500), "fallback");
    EXPECT_EQ(file.getString("P", "06", "  lead and trail  ", 500), "  lead and trail");
    EXPECT_EQ(file.getString("P", "06", "   ", 500), "");
    EXPECT_EQ(ProfileFile("").getString("P", "05", "empty file", 500), "empty file");
}

TEST(ProfileFileGetString, TextIsCutToOneCharacterLessThanTheBuffer) {
    const ProfileFile file("[P]\n05=abcdef\n06=\xC3\xA9\xC3\xA9\xC3\xA9\n");
    EXPECT_EQ(file.getString("P", "05", "", 4), "abc");
    EXPECT_EQ(file.getString("P", "05", "", 7), "abcdef");
    EXPECT_EQ(file.getString("P", "06", "", 3), "\xC3\xA9\xC3\xA9");
    EXPECT_EQ(file.getString("P", "07", "\xE2\x82\xAC\xE2\x82\xAC", 2), "\xE2\x82\xAC");
    EXPECT_EQ(file.getString("P", "05", "", 1), "");
    EXPECT_EQ(file.getString("P", "05", "", 0), "");
}

TEST(ProfileFileRobustness, LargeAndHostileFilesStillAnswer) {
    std::string manySections;
    for (int i = 0; i < 20000; ++i)
        manySections += "[Section " + std::to_string(i) + "]\n05=" + std::to_string(i) + "\n";
    manySections += "[Pack]\n05=last\n";
    EXPECT_EQ(lookUp(manySections, "Pack", "05"), "last");
    EXPECT_EQ(lookUp(manySections, "Section 19999", "05"), "19999");

    const std::string longLine = "[P]\n05=" + std::string(1 << 20, 'v') + "\n06=after\n";
    EXPECT_EQ(lookUp(longLine, "P", "05")->size(), std::size_t{1} << 20);
    EXPECT_EQ(lookUp(longLine, "P", "06"), "after");

    std::string garbage;
    for (int i = 0; i < 65536; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    EXPECT_EQ(ProfileFile(garbage + "\n[P]\n05=x\n").getString("P", "05", "d", 500), "x");
    EXPECT_EQ(lookUp(std::string(100000, '['), "P", "05"), std::nullopt);
}

} // namespace
} // namespace lumadisc
