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

std::string discId(int n) {
    char id[33];
    std::snprintf(id, sizeof id, "%032x", n);
    return id;
}

// Whether the file is a whole store: the header, then well-formed lines only.
bool wellFormed(const std::string& path) {
    static const std::regex store("lumadisc-resume 1\n([0-9a-f]{32}( -?[0-9]+){4}\n)*");
    return std::regex_match(readFile(path), store);
}

struct Store : ::testing::Test {
    TempDir folder;
    std::string path = (folder.path() / "resume").string();
    ResumeStore store{path};
};

TEST_F(Store, KeepsTheHundredMostRecentDiscs) {
    for (int n = 1; n <= 100; ++n)
        store.remember(discId(n), {1, n, 0, -1});
    store.remember(discId(1), {2, 700, 1, 0}); // the oldest becomes the newest
    store.remember(discId(101), {1, 101, 0, -1});
    EXPECT_EQ(store.find(discId(1)), (ResumePoint{2, 700, 1, 0})) << "a disc lost its new place";
    EXPECT_FALSE(store.find(discId(2))) << "the oldest disc was not forgotten";
    EXPECT_EQ(store.find(discId(101)), (ResumePoint{1, 101, 0, -1}));
    store.forget(discId(3));
    EXPECT_FALSE(store.find(discId(3))) << "a forgotten disc is still offered";
    EXPECT_TRUE(store.find(discId(4)) && wellFormed(path));
}

TEST_F(Store, BadFilesAreIgnoredAndReplacedOnTheNextWrite) {
    const std::string good = "lumadisc-resume 1\n" + discId(7) + " 1 95 0 -1\n";
    const struct {
        const char* what;
        std::string bytes;
        bool keepsDisc7;
    } cases[] = {
        {"garbage", "\x01\xff nonsense\n\n", false},
        {"no header", discId(7) + " 1 95 0 -1\n", false},
        {"huge", good + std::string(ResumeStore::kMaxBytes, 'x'), false},
        {"bad lines among good ones",
         good + "zz 1 2 3 4\n" + discId(8) + " 0 5 0 0\n" + discId(9) + " 1 5 9 0\n" + discId(10) +
             " 1 -5 0 0\n" + discId(11) + " 1 95 0 -1x\n",
         true},
    };
    for (const auto& c : cases) {
        writeFile(path, c.bytes);
        EXPECT_EQ(store.find(discId(7)).has_value(), c.keepsDisc7) << c.what;
        for (int bad = 8; bad <= 11; ++bad)
            EXPECT_FALSE(store.find(discId(bad))) << c.what << ": a bad line was read";
        store.remember(discId(1), {1, 80, 0, 1});
        EXPECT_EQ(store.find(discId(1)), (ResumePoint{1, 80, 0, 1})) << c.what;
        EXPECT_TRUE(wellFormed(path)) << c.what << ": " << readFile(path);
    }
}

TEST_F(Store, TwoProgramsWritingAtOnceLeaveAWholeFile) {
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        if ((writers[w] = ::fork()) == 0) {
            for (int n = 0; n < 300; ++n)
                ResumeStore(path).remember(discId(w * 1000 + n % 150), {1, 100 + n, 0, -1});
            ::_exit(0);
        }
    }
    int broken = 0;
    for (int running = 2; running > 0;) {
        broken += std::filesystem::exists(path) && !wellFormed(path);
        running = 0;
        for (pid_t writer : writers)
            running += ::waitpid(writer, nullptr, WNOHANG) == 0;
    }
    EXPECT_EQ(broken, 0) << "a reader found a half-written store";
    EXPECT_TRUE(store.find(discId(149)) || store.find(discId(1149))) << "both last writes lost";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "scratch files were left behind";
}

} // namespace
} // namespace lumadisc
