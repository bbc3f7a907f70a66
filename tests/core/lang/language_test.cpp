// Language packs: their text (encodings, the profile lookup of sections, keys and values),
// listing them, looking captions up, the error log and the packs that ship. Last, every
// checked-in input of a fuzz target runs through the target's own check, so that the seeds and
// every input a fuzzing run once failed on stay covered by the ordinary suite.
#include "core/lang/language_list.h"
#include "core/lang/language_reader.h"
#include "core/lang/profile_file.h"
#include "core/lang/text_encoding.h"
#include "core/text_util.h"
#include "fuzz/config_text_entry.h"
#include "fuzz/disc_root_entry.h"
#include "fuzz/profile_file_entry.h"

#include "support/fake_clock.h"
#include "support/fake_environment.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::readFile;
using test::writeFile;
using namespace std::string_literals;

class Languages : public ::testing::Test {
protected:
    Languages() { environment.appFolder = folder.str(); }
    fs::path lang() const { return folder.path() / "Lang"; }
    void writePack(const std::string& name, const std::string& content = "[Language Pack]\n") {
        writeFile(lang() / name, content);
    }
    std::string caption(const std::string& key, const std::string& defaultText) {
        return reader.SetCaptionfromINI(key, defaultText);
    }

    test::TempDir folder;
    test::FakeEnvironment environment;
    test::FakeClock clock;
    std::string languageFile = "French.ini";
    LanguageReader reader{environment, clock, languageFile};
};

TEST_F(Languages, TheListHoldsVisiblePackFilesSortedWithoutRegardToCase) {
    // A missing or unreadable folder lists nothing: every start without packs relies on it.
    for (const auto* name : {"spanish.ini", "english.ini", "English.ini", "ENGLISH.INI", "Zulu.ini",
                             "\xC3\x89tude.ini", "_Test.ini", ".Hidden.ini", "Spanish.ini.bak",
                             "ini", "Dutchini", "Polish.in"})
        writePack(name);
    fs::create_directories(lang() / "Folder.ini");
    fs::create_symlink("Zulu.ini", lang() / "Linked.ini");
    fs::create_symlink("Nowhere.ini", lang() / "Dangling.ini");
    // Letters fold to lower case, so "_" sorts before them.
    EXPECT_EQ(listLanguagePacks(lang().string()),
              (Names{"_Test.ini", "ENGLISH.INI", "English.ini", "english.ini", "Linked.ini",
                     "spanish.ini", "Zulu.ini", "\xC3\x89tude.ini"}));
}

TEST_F(Languages, EachCallReadsTheCurrentPackAndMissingOnesGiveTheEnglishDefaultSilently) {
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // no Lang folder at all
    fs::create_directories(lang() / "French.ini");
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // a folder in the pack's place
    languageFile = "nested/French.ini";
    writePack("nested", "not a folder");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    // A pipe in the pack's place is no pack either, and reading it must not wait for a writer.
    languageFile = "pipe.ini";
    ASSERT_EQ(::mkfifo((lang() / "pipe.ini").c_str(), 0600), 0);
    auto reading = std::make_shared<std::promise<std::string>>();
    auto answer = reading->get_future();
    std::thread([this, reading] { reading->set_value(caption("03", "&OK")); }).detach();
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(5)), std::future_status::ready)
        << "a pipe in place of the language pack blocks the lookup";
    EXPECT_EQ(answer.get(), "&OK");
    EXPECT_FALSE(fs::exists(folder.path() / "errorlog.txt"));

    // Each call reads the pack now set, in its encoding: this one saved by an older editor, in
    // code page 1252.
    languageFile = "Dutch.ini";
    writePack("Dutch.ini", "[Language Pack]\r\n71=Le gar\xE7on\r\n");
    EXPECT_EQ(caption("71", "Language"), "Le gar\xC3\xA7on");
}

TEST_F(Languages, CaptionsAreTrimmedUnquotedAndCutTo499Characters) {
    std::string accents;
    for (int i = 0; i < 600; ++i)
        accents += "\xC3\xA9";
    writePack("French.ini", "[language pack]\r\n05=" + accents +
                                "\n07=\"  both sides  \"\n08=\"     \"\n09=\"\t tab first\"\n"
                                "13=\"" +
                                std::string(497, 'y') + "  \"\n");
    const std::pair<std::string, std::string> cases[] = {
        // The cut counts characters, not bytes.
        {"05", accents.substr(0, 2 * 499)},
        // Trimming the buffer keeps the text's own trailing blanks.
        {"07", "both sides  "},
        {"08", ""},
        {"09", "\t tab first"},
        {"13", std::string(497, 'y') + "  "}};
    for (const auto& [key, text] : cases)
        EXPECT_EQ(caption(key, "default"), text) << key;
    // Defaults lose surrounding blanks and are cut too.
    EXPECT_EQ(caption("99", "  padded  "), "padded");
    EXPECT_EQ(caption("99", std::string(600, 'd')), std::string(499, 'd'));
}

// Each failure appends one record and gives empty text; a log that cannot be written is ignored.
TEST_F(Languages, FailuresAreLoggedAsTheyAreAndGiveEmptyText) {
    const auto record = [](const std::string& time) {
        return "\"\r\nDate: 05.12.2026\",\"Time: " + time +
               "\",\"Error Description: Too many levels of symbolic links, Error Number: 40, "
               "Method: SetCaptionfromINI\"\r\n";
    };
    writeFile(folder.path() / "errorlog.txt", "earlier text");
    // A link that points to itself exists but cannot be opened.
    fs::create_directories(lang());
    fs::create_symlink("French.ini", lang() / "French.ini");
    clock.shortDate = "05.12.2026";
    EXPECT_EQ(caption("03", "&OK"), "");
    clock.time = "17:21:28";
    caption("04", "&Cancel");
    EXPECT_EQ(readFile(folder.path() / "errorlog.txt"),
              "earlier text" + record("5:21:27 PM") + record("17:21:28"));

    fs::remove(folder.path() / "errorlog.txt");
    fs::create_directory(folder.path() / "errorlog.txt");
    EXPECT_EQ(caption("03", "&OK"), "") << "a log that cannot be written stopped the lookup";
}

// The character after the single "&" of a caption, or "" when there is none or several.
std::string mnemonic(const std::string& caption) {
    const auto ampersand = caption.find('&');
    if (ampersand == std::string::npos || caption.find('&', ampersand + 1) != std::string::npos)
        return {};
    std::string letter(utf8Prefix(std::string_view(caption).substr(ampersand + 1), 1));
    std::ranges::transform(letter, letter.begin(), asciiLower);
    return letter;
}

TEST(ShippedPacks, TranslateEveryEnglishKeyAsUtf8WithDistinctMnemonics) {
    const fs::path resources = test::sourceDir() / "resources";
    test::FakeEnvironment environment;
    environment.appFolder = resources.string();
    test::FakeClock clock;
    std::map<std::string, std::string> english; // key -> text
    std::istringstream lines(readFile(resources / "Lang" / "English.ini"));
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with(";") && line.find('=') != std::string::npos)
            english[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    for (const std::string& languageFile : listLanguagePacks((resources / "Lang").string())) {
        const auto bytes = readFile(resources / "Lang" / languageFile);
        EXPECT_TRUE(isValidUtf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF"))
            << languageFile << " is not UTF-8 without a byte order mark";
        LanguageReader reader(environment, clock, languageFile);
        std::map<std::string, std::string> texts;
        for (const auto& [key, englishText] : english) {
            texts[key] = reader.SetCaptionfromINI(key, ""); // so that a missing key shows
            EXPECT_NE(texts[key], "") << languageFile << " lacks key " << key;
            EXPECT_EQ(mnemonic(texts[key]).empty(), mnemonic(englishText).empty())
                << languageFile << " key " << key << ": '" << texts[key] << "' vs '" << englishText
                << "' disagree on a mnemonic";
        }
        // Captions that share a menu or a window must have different mnemonics.
        for (const Names& group : {Names{"10", "20", "30", "40"}, Names{"11", "12"},
                                   Names{"41", "43"}, Names{"03", "04"}}) {
            std::map<std::string, std::string> seen;
            for (const auto& key : group) {
                const auto letter = mnemonic(texts[key]);
                EXPECT_TRUE(seen.emplace(letter, key).second)
                    << languageFile << ": keys " << seen[letter] << " and " << key << " share &"
                    << letter;
            }
        }
    }
}

const std::string kNone = "(none)";

TEST(ProfileFile, SectionsKeysAndLines) {
    // A file, a section and a key in it, and the value found.
    const std::tuple<std::string, std::string, std::string, std::string> lookups[] = {
        // Section names match without regard to case and surrounding blanks.
        {"  [ \tlanguage PACK\t ]  \n05=found\n", "  Language Pack ", "05", "found"},
        // Only the first section of a name counts.
        {"[P]\n05=first\n[O]\n06=o\n[p]\n05=second\n07=late\n", "P", "05", "first"},
        {"[P]\n05=first\n[O]\n06=o\n[p]\n05=second\n07=late\n", "P", "07", kNone},
        // Keys before any header belong to no section; "[]" names the empty one.
        {"05=orphan\n[]\n06=unnamed\n", "", "05", kNone},
        {"05=orphan\n[]\n06=unnamed\n", "", "06", "unnamed"},
        // A header ends at its first closing bracket; an unclosed one is an ordinary line.
        {"[Pa]ck] trailing ]\n05=x\n", "Pa", "05", "x"},
        {"[P]\n[Other\n05=still P\n", "P", "05", "still P"},
        // Keys match without regard to case and surrounding blanks; "010" is not "10".
        {"[P]\n \tKey One \t= value\n", "P", "  KEY ONE\t", "value"},
        {"[P]\n010=Error\n", "P", "10", kNone},
        // The first entry of a key wins, even when empty.
        {"[P]\n06=\n06=two\n", "P", "06", ""},
        // Lines without "=" are skipped; comments are keys that start with ";".
        {"[P]\n05\njust words\n05=value\n", "P", "05", "value"},
        {"[P]\n;07=commented\n", "P", "07", kNone},
        // Every line break convention ends a line.
        {"[P]\r05=cr\r06=x\r", "P", "05", "cr"},
        {"[P]\n05=no final break", "P", "05", "no final break"},
        // A NUL ends the content of its line; a UTF-8 byte order mark is skipped.
        {"[P]\n05=Hel\0lo\n06=next\n"s, "P", "05", "Hel"},
        {"[P]\n05=Hel\0lo\n06=next\n"s, "P", "06", "next"},
        {"\xEF\xBB\xBF[P]\n05=x\n", "P", "05", "x"},
    };
    for (const auto& [file, section, key, found] : lookups)
        EXPECT_EQ(ProfileFile(file).find(section, key).value_or(kNone), found)
            << "[" << section << "] " << key << " in " << ::testing::PrintToString(file);
    // Sizes a fixed buffer would cut.
    const ProfileFile longLine("[P]\n05=" + std::string(1 << 20, 'v') + "\n06=after\n");
    EXPECT_EQ(longLine.find("P", "05")->size(), std::size_t{1} << 20);
    EXPECT_EQ(longLine.find("P", "06"), "after");
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

TEST(PackEncoding, Utf8PassesMalformedUtf8IsCodePage1252AndUtf16IsDecoded) {
    const std::string utf8 = "Gar\xC3\xA7on \xE2\x82\xAC \xF0\x9F\x8E\xAC\n\0end"s;
    const std::pair<std::string, std::string> cases[] = {
        {utf8, utf8},
        {"", ""},
        // Only a leading UTF-8 byte order mark is dropped.
        {"\xEF\xBB\xBF\xEF\xBB\xBFx", "\xEF\xBB\xBFx"},
        // Invalid UTF-8 is code page 1252, the whole file for one bad byte.
        {"\x80 \x85 \x9F \xA0 \xFF", "\xE2\x82\xAC \xE2\x80\xA6 \xC5\xB8 \xC2\xA0 \xC3\xBF"},
        // Bytes the code page leaves unassigned become the C1 controls of the same number.
        {"\x81\x9D", "\xC2\x81\xC2\x9D"},
        {"\xC3\xA9 \xE9", "\xC3\x83\xC2\xA9 \xC3\xA9"},
        {"\xEF\xBB\xBF\xE9", "\xC3\xA9"},
        // A UTF-16 byte order mark selects UTF-16; broken units become U+FFFD.
        {"\xFF\xFE[\0P\0]\0\xE9\0\xAC\x20"s, "[P]\xC3\xA9\xE2\x82\xAC"},
        {"\xFE\xFF\0[\0P\0]\0\xE9\x20\xAC"s, "[P]\xC3\xA9\xE2\x82\xAC"},
        {"\xFF\xFE\x3C\xD8\xAC\xDF", "\xF0\x9F\x8E\xAC"},
        {"\xFF\xFE\x3D\xD8z\0"s, "\xEF\xBF\xBDz"},
        {"\xFF\xFEz\0y"s, "z\xEF\xBF\xBD"},
        {"\xFF\xFE\xAC\xDF\x3D\xD8", "\xEF\xBF\xBD\xEF\xBF\xBD"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodePackText(bytes), text) << ::testing::PrintToString(bytes);

    // What makes a pack code page 1252: overlong, surrogate, past U+10FFFF, cut short, stray.
    // Whole characters in the cut of a caption are `Languages.CaptionsAreTrimmed…`'s.
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
    EXPECT_TRUE(isValidUtf8("\xED\x9F\xBF"));
    for (const char* bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3",
                            "\xC3z", "\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bad)) << ::testing::PrintToString(std::string(bad));
}

TEST(FuzzCorpusReplay, ProfileFileConfigTextAndDiscRoot) {
    const std::pair<const char*, std::function<bool(const std::string&)>> targets[] = {
        {"profile_file", fuzz::profileFileBehaves},
        {"config_text", fuzz::configTextBehaves},
        {"disc_root", fuzz::discRootBehaves}};
    for (const auto& [target, behaves] : targets) {
        const auto folder = test::sourceDir() / "tests" / "fuzz" / "corpus" / target;
        EXPECT_FALSE(fs::is_empty(folder)) << "no inputs in " << folder;
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_TRUE(behaves(readFile(entry.path()))) << entry.path();
    }
}

} // namespace
} // namespace lumadisc
