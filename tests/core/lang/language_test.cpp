// Language packs: listing them, looking captions up, the error log and the packs that ship.
#include "core/lang/language_list.h"
#include "core/lang/language_reader.h"
#include "core/lang/text_encoding.h"

#include "support/fake_clock.h"
#include "support/fake_environment.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <map>
#include <memory>
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

class Languages : public ::testing::Test {
protected:
    Languages() { environment.appFolder = folder.str(); }
    fs::path lang() const { return folder.path() / "Lang"; }
    void writePack(const std::string& name, const std::string& content = "[Language Pack]\n") {
        writeFile(lang() / name, content);
    }
    Names list() const { return listLanguagePacks(lang().string()); }
    std::string caption(const std::string& key, const std::string& defaultText) {
        return reader.SetCaptionfromINI(key, defaultText);
    }
    std::string log() const { return readFile(folder.path() / "errorlog.txt"); }

    test::TempDir folder;
    test::FakeEnvironment environment;
    test::FakeClock clock;
    std::string languageFile = "French.ini";
    LanguageReader reader{environment, clock, languageFile};
};

TEST_F(Languages, TheListHoldsVisiblePackFilesSortedWithoutRegardToCase) {
    // A missing or unreadable folder lists nothing: every start without packs relies on it.
    for (const auto* name :
         {"spanish.ini", "German.Ini", "english.ini", "English.ini", "ENGLISH.INI", "Zulu.ini",
          "\xC3\x89"
          "cole.ini",
          "_Test.ini", ".Hidden.ini", "Spanish.ini.bak", "Italian.txt", "ini", "Dutchini",
          "Polish.in"})
        writePack(name);
    fs::create_directories(lang() / "Folder.ini");
    fs::create_symlink("Zulu.ini", lang() / "Linked.ini");
    fs::create_symlink("Nowhere.ini", lang() / "Dangling.ini");
    fs::create_symlink("Folder.ini", lang() / "LinkedFolder.ini");
    // Letters fold to lower case, so "_" sorts before them.
    EXPECT_EQ(list(), (Names{"_Test.ini", "ENGLISH.INI", "English.ini", "english.ini", "German.Ini",
                             "Linked.ini", "spanish.ini", "Zulu.ini",
                             "\xC3\x89"
                             "cole.ini"}));
}

TEST_F(Languages, EachCallReadsTheCurrentPackAndMissingOnesGiveTheEnglishDefaultSilently) {
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // no Lang folder at all
    fs::create_directory(lang());
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // no pack file
    fs::create_directory(lang() / "French.ini");
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // a folder in the pack's place
    languageFile.clear();
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // the Lang folder itself
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

    languageFile = "German.ini";
    writePack("German.ini", "[Other]\n03=&Valider\n");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    writePack("German.ini", "[Language Pack]\n04=&Annuler\n");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    EXPECT_EQ(caption("04", "&Cancel"), "&Annuler");

    // Each call reads the current setting and file, in its encoding.
    languageFile = "Dutch.ini";
    writePack("Dutch.ini", "[Language Pack]\n10=&Fichier\n");
    writePack("German.ini", "[Language Pack]\n10=&Datei\n");
    EXPECT_EQ(caption("10", "&File"), "&Fichier");
    languageFile = "German.ini";
    EXPECT_EQ(caption("10", "&File"), "&Datei");
    writePack("German.ini", "[Language Pack]\n10=D&atei\n");
    EXPECT_EQ(caption("10", "&File"), "D&atei");
    languageFile = "Missing.ini";
    EXPECT_EQ(caption("10", "&File"), "&File");

    // A pack saved by an older editor, in code page 1252.
    languageFile = "Dutch.ini";
    writePack("Dutch.ini", "[Language Pack]\r\n71=Langue fran\xE7"
                           "aise\r\n");
    EXPECT_EQ(caption("71", "Language"), "Langue fran\xC3\xA7"
                                         "aise");
}

TEST_F(Languages, CaptionsAreTrimmedUnquotedAndCutTo499Characters) {
    std::string accents;
    for (int i = 0; i < 600; ++i)
        accents += "\xC3\xA9";
    writePack("French.ini", "[language pack]\r\n04=\r\n10=   &Fichier   \r\n11=\"&Ouvrir\"\r\n"
                            "12='&Quitter'\r\n052=" +
                                std::string(600, 'x') + "\r\n05=" + accents + "\n06=a" + accents +
                                "\n"
                                "07=\"  both sides  \"\n08=\"     \"\n09=\"\t tab first\"\n"
                                "13=\"" +
                                std::string(497, 'y') + "  \"\n");
    const std::pair<std::string, std::string> cases[] = {
        {"04", ""},
        {"10", "&Fichier"},
        {"11", "&Ouvrir"},
        {"12", "&Quitter"},
        {"052", std::string(499, 'x')},
        // The cut counts characters, not bytes.
        {"05", accents.substr(0, 2 * 499)},
        {"06", "a" + accents.substr(0, 2 * 498)},
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
    EXPECT_EQ(caption("99", ""), "");
}

// Each failure appends one record and gives empty text; a log that cannot be written is ignored.
TEST_F(Languages, FailuresAreLoggedAsTheyAreAndGiveEmptyText) {
    const auto record = [](const std::string& date, const std::string& time,
                           const std::string& message) {
        return "\"\r\nDate: " + date + "\",\"Time: " + time + "\",\"" + message + "\"\r\n";
    };
    const std::string loop = "Error Description: Too many levels of symbolic links, "
                             "Error Number: 40, Method: SetCaptionfromINI";
    writeFile(folder.path() / "errorlog.txt", "earlier text");
    // A link that points to itself exists but cannot be opened.
    fs::create_directories(lang());
    fs::create_symlink("French.ini", lang() / "French.ini");
    clock.shortDate = "05.12.2026";
    EXPECT_EQ(caption("03", "&OK"), "");
    clock.time = "17:21:28";
    caption("04", "&Cancel");
    std::string expected = "earlier text" + record("05.12.2026", "5:21:27 PM", loop) +
                           record("05.12.2026", "17:21:28", loop);
    EXPECT_EQ(log(), expected);

    // Reading this process's memory from address 0 fails with an I/O error.
    fs::remove(lang() / "French.ini");
    fs::create_symlink("/proc/self/mem", lang() / "French.ini");
    EXPECT_EQ(caption("03", "&OK"), "");
    reader.WriteErrorLog("say \"hi\", then go");
    expected += record(clock.shortDate, clock.time,
                       "Error Description: Input/output error, Error Number: 5, "
                       "Method: SetCaptionfromINI") +
                record(clock.shortDate, clock.time, "say \"hi\", then go");
    EXPECT_EQ(log(), expected);

    fs::remove(folder.path() / "errorlog.txt");
    fs::create_directory(folder.path() / "errorlog.txt");
    EXPECT_EQ(caption("03", "&OK"), "");
    environment.appFolder = (folder.path() / "gone").string();
    EXPECT_NO_THROW(reader.WriteErrorLog("nowhere to go"));
    EXPECT_TRUE(fs::is_directory(folder.path() / "errorlog.txt"));
}

// The character after the single "&" of a caption, or "" when there is none or several.
std::string mnemonic(const std::string& caption) {
    const auto ampersand = caption.find('&');
    if (ampersand == std::string::npos || caption.find('&', ampersand + 1) != std::string::npos)
        return {};
    std::string letter(utf8Prefix(std::string_view(caption).substr(ampersand + 1), 1));
    for (char& c : letter)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return letter;
}

TEST(ShippedPacks, TranslateEveryEnglishKeyAsUtf8WithDistinctMnemonics) {
    const fs::path resources = test::sourceDir() / "resources";
    const Names packs{"English.ini", "French.ini", "German.ini", "Spanish.ini"};
    EXPECT_EQ(listLanguagePacks((resources / "Lang").string()), packs);
    test::FakeEnvironment environment;
    environment.appFolder = resources.string();
    test::FakeClock clock;
    std::map<std::string, std::string> english; // key -> text
    std::istringstream lines(readFile(resources / "Lang" / "English.ini"));
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with(";") && line.find('=') != std::string::npos)
            english[line.substr(0, line.find('='))] = line.substr(line.find('=') + 1);
    ASSERT_GT(english.size(), 20u);
    for (const std::string& languageFile : packs) {
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

} // namespace
} // namespace lumadisc
