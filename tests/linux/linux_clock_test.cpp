#include "linux/linux_clock.h"
#include "scoped_env.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <regex>

namespace fs = std::filesystem;

namespace lumadisc::test {
namespace {

std::string today(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &local));
}

TEST(LinuxClockTest, SleepsAtLeastTheGivenTime) {
    LinuxClock clock;
    const auto start = std::chrono::steady_clock::now();
    clock.sleep(40);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(40));
}

// A locale of our own whose formats differ from the default ones: "05.12.2026", "17.27.38".
TEST(LinuxClockTest, WritesDateAndTimeInTheUsersFormats) {
    TempDir locales;
    writeFile(locales.path() / "xx_TEST.def",
              "LC_TIME\n"
              "abday \"Su\";\"Mo\";\"Tu\";\"We\";\"Th\";\"Fr\";\"Sa\"\n"
              "d_t_fmt \"%a %d.%m.%Y %T\"\n"
              "d_fmt \"%d.%m.%Y\"\n"
              "t_fmt \"%H.%M.%S\"\n"
              "am_pm \"\";\"\"\n"
              "t_fmt_ampm \"\"\n"
              "END LC_TIME\n");
    // localedef warns about the categories the file leaves out and says so in its exit code.
    const std::string command = "localedef -c -f ANSI_X3.4-1968 -i '" + locales.str() +
                                "/xx_TEST.def' '" + locales.str() + "/xx_TEST' >/dev/null 2>&1";
    [[maybe_unused]] const int ignored = std::system(command.c_str());
    if (!fs::exists(locales.path() / "xx_TEST/LC_TIME"))
        GTEST_SKIP() << "localedef cannot build locales here (Debian package locales)";
    ScopedEnv path("LOCPATH", locales.str());
    ScopedEnv all("LC_ALL", "xx_TEST");
    LinuxClock clock;

    const std::string before = today("%d.%m.%Y");
    const std::string date = clock.shortDateText();
    EXPECT_TRUE(date == before || date == today("%d.%m.%Y")) << date;
    EXPECT_TRUE(
        std::regex_match(clock.timeText(), std::regex("[0-2][0-9]\\.[0-5][0-9]\\.[0-6][0-9]")))
        << clock.timeText();
}

TEST(LinuxClockTest, AnUninstalledLocaleFallsBackToTheDefaultFormats) {
    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv time("LC_TIME", "xx_YY.UTF-8");
    LinuxClock clock;

    const std::string before = today("%m/%d/%y");
    const std::string date = clock.shortDateText();
    EXPECT_TRUE(date == before || date == today("%m/%d/%y")) << date;
    EXPECT_TRUE(std::regex_match(clock.timeText(), std::regex("[0-2][0-9]:[0-5][0-9]:[0-6][0-9]")))
        << clock.timeText();
}

TEST(LinuxClockTest, LeavesTheProcessLocaleAlone) {
    ScopedEnv all("LC_ALL", "C.UTF-8");
    const std::string before = std::setlocale(LC_TIME, nullptr);
    LinuxClock clock;
    clock.timeText();
    EXPECT_EQ(std::setlocale(LC_TIME, nullptr), before);
}

} // namespace
} // namespace lumadisc::test
