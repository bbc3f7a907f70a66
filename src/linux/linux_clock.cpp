#include "linux/linux_clock.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <system_error>
#include <thread>

namespace lumadisc {

LinuxClock::LinuxClock() : m_locale(newlocale(LC_TIME_MASK, "", locale_t{})) {
    // A LANG naming a locale that is not installed must not stop the program.
    if (!m_locale)
        m_locale = newlocale(LC_TIME_MASK, "C", locale_t{});
    if (!m_locale)
        throw std::system_error(errno, std::generic_category(), "newlocale");
}

LinuxClock::~LinuxClock() {
    freelocale(m_locale);
}

void LinuxClock::sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string LinuxClock::shortDateText() {
    return now("%x");
}

std::string LinuxClock::timeText() {
    return now("%X");
}

std::string LinuxClock::now(const char* format) const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[128];
    const std::size_t length = strftime_l(text, sizeof text, format, &local, m_locale);
    return std::string(text, length);
}

} // namespace lumadisc
