// Every checked-in input of a fuzz target runs through the target's own check, so that the seeds
// and every input a fuzzing run once failed on stay covered by the ordinary suite.
#include "fuzz/config_text_entry.h"
#include "fuzz/disc_root_entry.h"
#include "fuzz/profile_file_entry.h"

#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace lumadisc {
namespace {

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
    replay("profile_file",
           [](const std::string& input) { return fuzz::profileFileBehaves(input); });
    replay("config_text", [](const std::string& input) { return fuzz::configTextBehaves(input); });
    replay("disc_root", [](const std::string& input) { return fuzz::discRootBehaves(input); });
}

} // namespace
} // namespace lumadisc
