// Bad input the Linux services meet: encrypted and changing discs, and lock files that are not
// what they should be.
#include "linux/linux_drives.h"
#include "linux/linux_single_instance.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace lumadisc::test {
namespace {

namespace fs = std::filesystem;

TEST(BadDiscs, EncryptionIsReadFromScrambledPacksAndARewrittenImageIsAnotherDisc) {
    LinuxDrives drives("/nonexistent", "/nonexistent");
    for (const auto& [name, encrypted] :
         {std::pair{"encrypted.iso", true}, {"encrypted", true}, {"ending.iso", false}}) {
        const std::string disc = (sampleDiscDir() / name).string();
        ASSERT_TRUE(drives.addVirtualDrive(disc)) << disc;
        EXPECT_EQ(drives.discEncrypted(disc), encrypted) << disc;
    }
    TempDir dir;
    const fs::path image = dir.path() / "Film #1/disc.iso";
    fs::create_directories(image.parent_path());
    fs::copy_file(sampleDiscDir() / "ending.iso", image);
    ASSERT_TRUE(drives.addVirtualDrive(image.string()));
    const std::string first = drives.discIdentity(image.string());
    EXPECT_EQ(drives.discIdentity(image.string()), first) << "an unchanged image changes";
    std::ofstream(image, std::ios::app) << "more";
    const std::string rewritten = drives.discIdentity(image.string());
    EXPECT_NE(rewritten, first) << "a rewritten image is the same disc";
    fs::remove(image);
    EXPECT_EQ(drives.discIdentity(image.string()), "") << "a deleted image is still a disc";
}

// Every copy meets at the same lock whatever state its runtime folder is in, and nothing another
// user plants may lock the user out.
TEST(BadLocks, ASecondCopySeesTheLockUntilTheFirstEndsAndAPlantedLockIsIgnored) {
    TempDir home, runtimeDir;
    ScopedEnv homeVariable("HOME", home.str());
    const std::string name = "LumadiscBadLock" + std::to_string(::getpid());
    const fs::path shared = "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
    for (const std::string& runtime :
         std::vector<std::string>{runtimeDir.str(), "/nonexistent/run", "/proc", ""}) {
        ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime);
        auto first = std::make_unique<LinuxSingleInstance>(name);
        LinuxSingleInstance second(name);
        EXPECT_FALSE(first->previousInstanceRunning() || second.previousInstanceRunning())
            << "asking took the lock, with XDG_RUNTIME_DIR=" << runtime;
        first->createNamedLock(name);
        EXPECT_TRUE(second.previousInstanceRunning())
            << "a second copy runs with XDG_RUNTIME_DIR=" << runtime;
        first.reset();
        EXPECT_FALSE(second.previousInstanceRunning()) << "the lock outlived its copy";
    }
    ScopedEnv noRuntime("XDG_RUNTIME_DIR", std::nullopt);
    // A lock file of another user's, held by that user, and a link in the lock's place.
    for (const bool link : {false, true}) {
        fs::remove(shared);
        std::ofstream(home.path() / "target") << "";
        if (link) {
            fs::create_symlink(home.path() / "target", shared);
        } else {
            std::ofstream(shared) << "";
            if (::chown(shared.c_str(), 4242, 4242) != 0)
                continue; // only root can give a file away
        }
        const int planted = ::open(shared.c_str(), O_RDONLY);
        ASSERT_EQ(::flock(planted, LOCK_EX), 0);
        EXPECT_FALSE(LinuxSingleInstance(name).previousInstanceRunning())
            << (link ? "a link" : "another user's file") << " locks the user out";
        LinuxSingleInstance first(name);
        first.createNamedLock(name);
        EXPECT_TRUE(LinuxSingleInstance(name).previousInstanceRunning());
        ::close(planted);
    }
    fs::remove(shared);
}

} // namespace
} // namespace lumadisc::test
