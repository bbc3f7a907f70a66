#include "core/lang/language_list.h"

#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumadisc {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class LanguageListTest : public ::testing::Test {
protected:
    void addFile(const std::string& name) { test::writeFile(lang() / name, "[Language Pack]\n"); }
    fs::path lang() const { return folder.path() / "Lang"; }
    Names list() const { return listLanguagePacks(lang().string()); }

    test::TempDir folder;
};

TEST_F(LanguageListTest, AMissingOrEmptyFolderHasNoPacks) {
    EXPECT_EQ(list(), Names{});
    fs::create_directory(lang());
    EXPECT_EQ(list(), Names{});
    test::writeFile(folder.path() / "file", "");
    EXPECT_EQ(listLanguagePacks((folder.path() / "file").string()), Names{});
}

TEST_F(LanguageListTest, TheExtensionMatchesWithoutRegardToCase) {
    for (const auto* name : {"English.ini", "French.INI", "German.Ini", "Spanish.ini.bak",
                             "Italian.txt", "ini", "Dutchini", "Polish.in"})
        addFile(name);
    EXPECT_EQ(list(), (Names{"English.ini", "French.INI", "German.Ini"}));
}

TEST_F(LanguageListTest, OnlyVisibleFilesAndLinksToFilesAreListed) {
    addFile("English.ini");
    addFile(".Hidden.ini");
    fs::create_directories(lang() / "Folder.ini");
    fs::create_symlink("English.ini", lang() / "Linked.ini");
    fs::create_symlink("Nowhere.ini", lang() / "Dangling.ini");
    fs::create_symlink("Folder.ini", lang() / "LinkedFolder.ini");
    EXPECT_EQ(list(), (Names{"English.ini", "Linked.ini"}));
}

TEST_F(LanguageListTest, NamesSortWithoutRegardToCaseThenByBytes) {
    for (const auto* name :
         {"spanish.ini", "German.ini", "english.ini", "English.ini", "ENGLISH.ini", "Zulu.ini",
          "\xC3\x89"
          "cole.ini",
          "_Test.ini"})
        addFile(name);
    // Letters fold to lower case, so "_" sorts before them, as in the Windows file list.
    EXPECT_EQ(list(), (Names{"_Test.ini", "ENGLISH.ini", "English.ini", "english.ini", "German.ini",
                             "spanish.ini", "Zulu.ini",
                             "\xC3\x89"
                             "cole.ini"}));
}

} // namespace
} // namespace lumadisc
