#include "linux/linux_environment.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

LinuxEnvironment environmentWith(std::vector<const char*> arguments) {
    return LinuxEnvironment(static_cast<int>(arguments.size()), arguments.data());
}

TEST(LinuxEnvironmentTest, TheCommandLineIsTheArgumentsJoinedByBlanks) {
    EXPECT_EQ(environmentWith({"lumadisc"}).commandLine(), "");
    EXPECT_EQ(environmentWith({"lumadisc", "/dev/sr0"}).commandLine(), "/dev/sr0");
    EXPECT_EQ(environmentWith({"lumadisc", "/home/u/My", "Film", "(2004).iso"}).commandLine(),
              "/home/u/My Film (2004).iso");
    EXPECT_EQ(environmentWith({"lumadisc", "/media/u/My Disc"}).commandLine(), "/media/u/My Disc");
}

TEST(LinuxEnvironmentTest, TheApplicationFolderHoldsTheRunningExecutable) {
    const std::string folder = environmentWith({"x"}).applicationFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '/');
    EXPECT_TRUE(fs::equivalent(fs::path(folder) / fs::path(program_invocation_name).filename(),
                               program_invocation_name));
}

TEST(LinuxEnvironmentTest, JoinsPathsWithOneSlash) {
    LinuxEnvironment environment = environmentWith({"x"});
    EXPECT_EQ(environment.joinPath("/tmp/a b", "IMG_1.jpg"), "/tmp/a b/IMG_1.jpg");
    EXPECT_EQ(environment.joinPath("/", "IMG_1.jpg"), "/IMG_1.jpg");
    EXPECT_EQ(environment.joinPath("/tmp/", "IMG_1.jpg"), "/tmp/IMG_1.jpg");
}

class TempFolderTest : public ::testing::Test {
protected:
    TempDir runtime;
    LinuxEnvironment environment = environmentWith({"x"});
};

TEST_F(TempFolderTest, TempWinsAndIsCreatedWhenAbsent) {
    const std::string temp = (runtime.path() / "my temp").string();
    ScopedEnv tempVariable("TEMP", temp);
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());

    EXPECT_EQ(environment.tempFolder(), temp);
    EXPECT_TRUE(fs::is_directory(temp));
    EXPECT_FALSE(fs::exists(runtime.path() / "lumadisc"));
}

TEST_F(TempFolderTest, WithoutTempAPrivateFolderInTheRuntimeDirectory) {
    ScopedEnv tempVariable("TEMP", nullptr);
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    const fs::path expected = runtime.path() / "lumadisc";

    EXPECT_EQ(environment.tempFolder(), expected.string());
    struct stat info {};
    ASSERT_EQ(::stat(expected.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(environment.tempFolder(), expected.string());
}

TEST_F(TempFolderTest, AnEmptyTempCountsAsUnset) {
    ScopedEnv tempVariable("TEMP", "");
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());

    EXPECT_EQ(environment.tempFolder(), (runtime.path() / "lumadisc").string());
}

TEST_F(TempFolderTest, RefusesALinkPlantedInPlaceOfThePrivateFolder) {
    ScopedEnv tempVariable("TEMP", nullptr);
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", runtime.str());
    fs::create_directory(runtime.path() / "elsewhere");
    fs::create_directory_symlink(runtime.path() / "elsewhere", runtime.path() / "lumadisc");

    EXPECT_EQ(environment.tempFolder(), "");
}

TEST_F(TempFolderTest, WithoutARuntimeDirectoryAFolderOfTheUserInTmp) {
    ScopedEnv tempVariable("TEMP", nullptr);
    ScopedEnv runtimeVariable("XDG_RUNTIME_DIR", nullptr);
    const std::string expected = "/tmp/lumadisc-" + std::to_string(::getuid());

    EXPECT_EQ(environment.tempFolder(), expected);
    EXPECT_TRUE(fs::is_directory(expected));
}

} // namespace
} // namespace lumadisc::test
