// The store of remembered places: bounded, oldest forgotten first, and never left broken by a
// bad file or by two programs writing at once.
#include "core/playback/resume_store.h"

#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <regex>

namespace lumadisc {
namespace {

using namespace test;

std::string id(int n) {
    std::string hex = std::to_string(n);
    return std::string(32 - hex.size(), 'a') + hex;
}

TEST(ResumeStore, KeepsTheNewestHundredDiscsAndNeverABrokenFile) {
    TempDir folder;
    const std::string path = (folder.path() / "resume").string();
    ResumeStore store(path);
    auto wellFormed = [&] {
        static const std::regex file("lumadisc-resume 1\n([0-9a-f]{32}( -?[0-9]+){4}\n)*");
        return std::regex_match(readFile(path), file);
    };
    for (int n = 1; n <= 102; ++n)
        store.remember(id(n == 100 ? 1 : n), {1, n, 0, -1}); // disc 1 again instead of 100
    EXPECT_FALSE(store.find(id(2))) << "the oldest disc was not forgotten";

    // Bad files are ignored, and replaced by the next write.
    const std::string good = "lumadisc-resume 1\n" + id(7) + " 1 95 0 -1\n";
    // No header, too long, and lines with a bad id, a title out of range and trailing junk.
    for (const std::string& bad :
         {id(7) + " 1 95 0 -1\n", good + std::string(ResumeStore::kMaxBytes, 'x'),
          good + "zz 1 2 3 4\n" + id(8) + " 0 5 0 0\n" + id(11) + " 1 9 0 -1x\n"}) {
        writeFile(path, bad);
        EXPECT_EQ(store.find(id(7)).has_value(),
                  bad.starts_with(good) && bad.size() < ResumeStore::kMaxBytes)
            << bad;
        for (int n : {8, 11})
            EXPECT_FALSE(store.find(id(n))) << "a bad line was read: " << n;
        store.remember(id(1), {1, 80, 0, 1});
        EXPECT_TRUE(store.find(id(1)) && wellFormed()) << readFile(path);
    }

    // Two programs writing at once.
    pid_t writers[2];
    for (int w = 0; w < 2; ++w)
        if ((writers[w] = ::fork()) == 0) {
            for (int n = 0; n < 300; ++n)
                ResumeStore(path).remember(id(w * 1000 + n % 150), {1, n, 0, -1});
            ::_exit(0);
        }
    int broken = 0;
    for (int running = 2; running > 0;) {
        broken += !wellFormed();
        running = (::waitpid(writers[0], nullptr, WNOHANG) == 0) +
                  (::waitpid(writers[1], nullptr, WNOHANG) == 0);
    }
    EXPECT_EQ(broken, 0) << "a reader found a half-written store";
    EXPECT_TRUE(store.find(id(149)) || store.find(id(1149))) << "both last writes lost";
}

} // namespace
} // namespace lumadisc
