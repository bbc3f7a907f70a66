#include "linux/linux_single_instance.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <memory>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    TempDir runtime;
    ScopedEnv runtimeVariable{"XDG_RUNTIME_DIR", runtime.str()};
};

TEST_F(SingleInstanceTest, ASecondCopySeesTheFirstUntilItEnds) {
    auto first = std::make_unique<LinuxSingleInstance>("QuorvaneLumadisc");
    LinuxSingleInstance second("QuorvaneLumadisc");

    EXPECT_FALSE(first->previousInstanceRunning());
    first->createNamedLock("QuorvaneLumadisc");
    EXPECT_TRUE(fs::exists(runtime.path() / "QuorvaneLumadisc.lock"));
    EXPECT_TRUE(second.previousInstanceRunning());
    EXPECT_FALSE(first->previousInstanceRunning());

    first.reset();
    EXPECT_FALSE(second.previousInstanceRunning());
}

TEST_F(SingleInstanceTest, AskingDoesNotTakeTheLock) {
    LinuxSingleInstance first("QuorvaneLumadisc");
    LinuxSingleInstance second("QuorvaneLumadisc");

    EXPECT_FALSE(first.previousInstanceRunning());
    second.createNamedLock("QuorvaneLumadisc");
    EXPECT_TRUE(first.previousInstanceRunning());
}

TEST_F(SingleInstanceTest, LocksOfOtherNamesDoNotCount) {
    LinuxSingleInstance other("SomethingElse");
    other.createNamedLock("SomethingElse");

    EXPECT_FALSE(LinuxSingleInstance("QuorvaneLumadisc").previousInstanceRunning());
}

TEST_F(SingleInstanceTest, WithoutARuntimeDirectoryTheLockLivesInTmp) {
    ScopedEnv noRuntime("XDG_RUNTIME_DIR", nullptr);
    const std::string name = "LumadiscTest" + std::to_string(::getpid());
    const fs::path lockFile = "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
    {
        LinuxSingleInstance first(name);
        first.createNamedLock(name);
        EXPECT_TRUE(fs::exists(lockFile));
        EXPECT_TRUE(LinuxSingleInstance(name).previousInstanceRunning());
    }
    EXPECT_FALSE(LinuxSingleInstance(name).previousInstanceRunning());
    fs::remove(lockFile);
}

} // namespace
} // namespace lumadisc::test
