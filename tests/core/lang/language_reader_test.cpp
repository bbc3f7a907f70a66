#include "core/lang/language_reader.h"

#include "support/fake_clock.h"
#include "support/fake_environment.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

// How Windows editors save "Unicode" text.
std::string utf16le(const std::u16string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class LanguageReaderTest : public ::testing::Test {
protected:
    LanguageReaderTest() { environment.appFolder = folder.str(); }

    void writePack(const std::string& name, const std::string& content) {
        writeFile(folder.path() / "Lang" / name, content);
    }
    std::string caption(const std::string& key, const std::string& defaultText) {
        return reader.SetCaptionfromINI(key, defaultText);
    }
    bool logExists() const { return fs::exists(folder.path() / "errorlog.txt"); }
    std::string log() const { return readFile(folder.path() / "errorlog.txt"); }

    test::TempDir folder;
    test::FakeEnvironment environment;
    test::FakeClock clock;
    std::string languageFile = "French.ini";
    LanguageReader reader{environment, clock, languageFile};
};

TEST_F(LanguageReaderTest, MissingPacksGiveTheEnglishDefaultSilently) {
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // no Lang folder at all
    fs::create_directory(folder.path() / "Lang");
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // no pack file
    fs::create_directory(folder.path() / "Lang" / "French.ini");
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // a folder in the pack's place
    languageFile.clear();
    EXPECT_EQ(caption("03", "&OK"), "&OK"); // the Lang folder itself
    languageFile = "nested/French.ini";
    writePack("nested", "not a folder");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    EXPECT_FALSE(logExists());
}

TEST_F(LanguageReaderTest, MissingSectionOrKeyGivesTheDefault) {
    writePack("French.ini", "[Other]\n03=&Valider\n");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    writePack("French.ini", "[Language Pack]\n04=&Annuler\n");
    EXPECT_EQ(caption("03", "&OK"), "&OK");
    EXPECT_EQ(caption("04", "&Cancel"), "&Annuler");
}

TEST_F(LanguageReaderTest, ExamplesOfTheLookup) {
    writePack("French.ini", "[language pack]\r\n"
                            "04=\r\n"
                            "10=   &Fichier   \r\n"
                            "11=\"&Ouvrir\"\r\n"
                            "12='&Quitter'\r\n"
                            "052=" +
                                std::string(600, 'x') + "\r\n");
    EXPECT_EQ(caption("04", "&Cancel"), "");
    EXPECT_EQ(caption("10", "&File"), "&Fichier");
    EXPECT_EQ(caption("11", "&Open"), "&Ouvrir");
    EXPECT_EQ(caption("12", "E&xit"), "&Quitter");
    EXPECT_EQ(caption("052", ""), std::string(499, 'x'));
}

TEST_F(LanguageReaderTest, TheCutCountsCharactersNotBytes) {
    std::string accents;
    for (int i = 0; i < 600; ++i)
        accents += "\xC3\xA9";
    writePack("French.ini", "[Language Pack]\n05=" + accents + "\n06=a" + accents + "\n");
    EXPECT_EQ(caption("05", ""), accents.substr(0, 2 * 499));
    EXPECT_EQ(caption("06", ""), "a" + accents.substr(0, 2 * 498));
}

TEST_F(LanguageReaderTest, TrimmingTheBufferKeepsTrailingBlanksOfTheText) {
    writePack("French.ini", "[Language Pack]\n"
                            "05=\"  both sides  \"\n"
                            "06=\"     \"\n"
                            "07=\"\t tab first\"\n"
                            "08=\"" +
                                std::string(497, 'y') + "  \"\n");
    EXPECT_EQ(caption("05", "d"), "both sides  ");
    EXPECT_EQ(caption("06", "d"), "");
    EXPECT_EQ(caption("07", "d"), "\t tab first");
    EXPECT_EQ(caption("08", "d"), std::string(497, 'y') + "  ");
}

TEST_F(LanguageReaderTest, DefaultsLoseSurroundingBlanksAndAreCutToo) {
    EXPECT_EQ(caption("05", "  padded  "), "padded");
    EXPECT_EQ(caption("05", std::string(600, 'd')), std::string(499, 'd'));
    EXPECT_EQ(caption("05", ""), "");
}

TEST_F(LanguageReaderTest, EachCallReadsTheCurrentSettingAndFile) {
    writePack("French.ini", "[Language Pack]\n10=&Fichier\n");
    writePack("German.ini", "[Language Pack]\n10=&Datei\n");
    EXPECT_EQ(caption("10", "&File"), "&Fichier");
    languageFile = "German.ini";
    EXPECT_EQ(caption("10", "&File"), "&Datei");
    writePack("German.ini", "[Language Pack]\n10=D&atei\n");
    EXPECT_EQ(caption("10", "&File"), "D&atei");
    languageFile = "Missing.ini";
    EXPECT_EQ(caption("10", "&File"), "&File");
}

TEST_F(LanguageReaderTest, PacksSavedByWindowsEditorsAreDecoded) {
    writePack("French.ini", "[Language Pack]\r\n71=Langue fran\xE7"
                            "aise\r\n");
    EXPECT_EQ(caption("71", "Language"), "Langue fran\xC3\xA7"
                                         "aise");
    writePack("French.ini", utf16le(u"[Language Pack]\r\n71=\u00E9t\u00E9\r\n"));
    EXPECT_EQ(caption("71", "Language"), "\xC3\xA9t\xC3\xA9");
}

TEST_F(LanguageReaderTest, AHostilePackNeverBreaksTheLookup) {
    std::string pack(1 << 20, '\0');
    for (std::size_t i = 0; i < pack.size(); ++i)
        pack[i] = static_cast<char>((i * 131) % 251);
    writePack("French.ini", pack + "\n[Language Pack]\n05=found\n");
    EXPECT_EQ(caption("05", "d"), "found");
    EXPECT_EQ(caption("06", "d"), "d");
    EXPECT_FALSE(logExists());
}

class LanguageErrorLogTest : public LanguageReaderTest {
protected:
    static std::string record(const std::string& date, const std::string& time,
                              const std::string& message) {
        return "\"\r\nDate: " + date + "\",\"Time: " + time + "\",\"" + message + "\"\r\n";
    }
    // The pack names a symbolic link that points to itself: it exists but cannot be opened.
    void makeLoopingPack() {
        fs::create_directories(folder.path() / "Lang");
        fs::create_symlink("French.ini", folder.path() / "Lang" / "French.ini");
    }
    const std::string loopMessage = "Error Description: Too many levels of symbolic links, "
                                    "Error Number: 40, Method: SetCaptionfromINI";
};

TEST_F(LanguageErrorLogTest, APackThatCannotBeOpenedIsLoggedAndGivesEmptyText) {
    makeLoopingPack();
    clock.shortDate = "05.12.2026";
    clock.time = "17:21:27";
    EXPECT_EQ(caption("03", "&OK"), "");
    EXPECT_EQ(log(), record("05.12.2026", "17:21:27", loopMessage));
}

TEST_F(LanguageErrorLogTest, APackThatCannotBeReadIsLogged) {
    // Reading this process's memory from address 0 fails with an I/O error.
    fs::create_directories(folder.path() / "Lang");
    fs::create_symlink("/proc/self/mem", folder.path() / "Lang" / "French.ini");
    EXPECT_EQ(caption("03", "&OK"), "");
    EXPECT_EQ(log(), record(clock.shortDate, clock.time,
                            "Error Description: Input/output error, Error Number: 5, "
                            "Method: SetCaptionfromINI"));
}

TEST_F(LanguageErrorLogTest, EachFailureAppendsOneRecordStartingOnItsOwnLine) {
    writeFile(folder.path() / "errorlog.txt", "earlier text");
    makeLoopingPack();
    caption("03", "&OK");
    clock.time = "17:21:28";
    caption("04", "&Cancel");
    const auto text = log();
    EXPECT_EQ(text, "earlier text" + record(clock.shortDate, "5:21:27 PM", loopMessage) +
                        record(clock.shortDate, "17:21:28", loopMessage));
    // Seen as lines: a lone quotation mark, then date, time and message.
    EXPECT_EQ(text.substr(text.find("\r\n") - 1, 3), "\"\r\n");
}

TEST_F(LanguageErrorLogTest, QuotesInTheMessageAreWrittenAsTheyAre) {
    reader.WriteErrorLog("say \"hi\", then go");
    EXPECT_EQ(log(), record(clock.shortDate, clock.time, "say \"hi\", then go"));
}

TEST_F(LanguageErrorLogTest, ALogThatCannotBeWrittenIsIgnored) {
    makeLoopingPack();
    fs::create_directory(folder.path() / "errorlog.txt");
    EXPECT_EQ(caption("03", "&OK"), "");
    environment.appFolder = (folder.path() / "gone").string();
    EXPECT_NO_THROW(reader.WriteErrorLog("nowhere to go"));
    EXPECT_TRUE(fs::is_directory(folder.path() / "errorlog.txt"));
}

} // namespace
} // namespace lumadisc
