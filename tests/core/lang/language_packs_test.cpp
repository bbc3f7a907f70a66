#include "core/lang/language_list.h"
#include "core/lang/language_reader.h"
#include "core/lang/text_encoding.h"

#include "support/fake_clock.h"
#include "support/fake_environment.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace lumadisc {
namespace {

// The keys the program asks for, with their English defaults.
const std::vector<std::pair<std::string, std::string>> keyTable = {
    {"03", "&OK"},
    {"04", "&Cancel"},
    {"05", "<No DVD drives were found>"},
    {"06", "<Please insert a DVD>"},
    {"07", "Please insert a valid Video DVD."},
    {"10", "&File"},
    {"11", "&Open"},
    {"12", "E&xit"},
    {"20", "&Edit"},
    {"30", "&Tools"},
    {"31", "&Options"},
    {"40", "&Help"},
    {"41", "&How To Use?"},
    {"43", "&About"},
    {"51", "About"},
    {"52", "Version"},
    {"53", "Use this easy-to-use application to easily and effectively extract or capture images "
           "from your favorite DVD-Video discs. You can extract one image while playing your "
           "favorite movie ad also you can extract a portion of the DVD-Video."},
    {"70", "Options"},
    {"71", "Language"},
    {"72", "Select Language:"},
    {"010", "Error"},
    {"013", "Warning"},
    {"019", "Can't find the help file."},
    {"020", "LOADING..."},
    {"032", "Volume"},
    {"034", "The application is already running."},
    {"036", "Insufficient disk space."},
    {"037", "The changes you have made require restarting the video. Do you want to restart?"},
};

// Captions that share a menu or a window, whose mnemonics must differ.
const std::vector<std::vector<std::string>> mnemonicGroups = {
    {"10", "20", "30", "40"}, {"11", "12"}, {"31"}, {"41", "43"}, {"03", "04"}};

std::string lowerAscii(std::string text) {
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

// The character after the single "&" of a caption, or "" when there is none or several.
std::string mnemonic(const std::string& caption) {
    const auto ampersand = caption.find('&');
    if (ampersand == std::string::npos || caption.find('&', ampersand + 1) != std::string::npos)
        return {};
    const auto rest = std::string_view(caption).substr(ampersand + 1);
    return lowerAscii(std::string(utf8Prefix(rest, 1)));
}

class LanguagePacksTest : public ::testing::TestWithParam<std::string> {
protected:
    LanguagePacksTest() { environment.appFolder = (test::sourceDir() / "resources").string(); }

    std::map<std::string, std::string> captions() {
        std::map<std::string, std::string> result;
        LanguageReader reader(environment, clock, languageFile);
        for (const auto& [key, defaultText] : keyTable)
            result[key] = reader.SetCaptionfromINI(key, defaultText);
        return result;
    }

    test::FakeEnvironment environment;
    test::FakeClock clock;
    std::string languageFile = GetParam();
};

TEST(LanguagePacksShipped, TheFourPacksAreListed) {
    EXPECT_EQ(listLanguagePacks((test::sourceDir() / "resources" / "Lang").string()),
              (std::vector<std::string>{"English.ini", "French.ini", "German.ini", "Spanish.ini"}));
}

TEST(LanguagePacksShipped, EnglishHoldsExactlyTheDefaults) {
    // Looked up with empty defaults, so that a missing key shows as a difference.
    test::FakeEnvironment environment;
    environment.appFolder = (test::sourceDir() / "resources").string();
    test::FakeClock clock;
    const std::string languageFile = "English.ini";
    LanguageReader reader(environment, clock, languageFile);
    for (const auto& [key, defaultText] : keyTable)
        EXPECT_EQ(reader.SetCaptionfromINI(key, ""), defaultText) << "key " << key;
}

TEST_P(LanguagePacksTest, EveryKeyIsTranslatedAsUtf8) {
    const auto bytes = test::readFile(test::sourceDir() / "resources" / "Lang" / GetParam());
    EXPECT_TRUE(isValidUtf8(bytes));
    EXPECT_FALSE(bytes.starts_with("\xEF\xBB\xBF"));
    LanguageReader reader(environment, clock, languageFile);
    for (const auto& [key, defaultText] : keyTable)
        EXPECT_NE(reader.SetCaptionfromINI(key, ""), "") << "key " << key;
}

TEST_P(LanguagePacksTest, MnemonicsAreKeptAndDistinctWithinAMenu) {
    auto texts = captions();
    for (const auto& [key, defaultText] : keyTable) {
        const bool englishHasOne = defaultText.find('&') != std::string::npos;
        EXPECT_EQ(!mnemonic(texts[key]).empty(), englishHasOne) << "key " << key;
    }
    for (const auto& group : mnemonicGroups) {
        std::map<std::string, std::string> seen;
        for (const auto& key : group) {
            const auto letter = mnemonic(texts[key]);
            EXPECT_TRUE(seen.emplace(letter, key).second)
                << "keys " << seen[letter] << " and " << key << " share &" << letter;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguagePacksTest,
                         ::testing::Values("English.ini", "French.ini", "German.ini",
                                           "Spanish.ini"));

} // namespace
} // namespace lumadisc
