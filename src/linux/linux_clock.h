#pragma once

#include "core/platform/clock.h"

#include <locale.h>

namespace lumadisc {

// Dates and times in the user's own formats (LC_TIME, LC_ALL or LANG), without changing the
// process-wide locale that the toolkit and the engine rely on.
class LinuxClock : public Clock {
public:
    LinuxClock();
    ~LinuxClock() override;
    LinuxClock(const LinuxClock&) = delete;
    LinuxClock& operator=(const LinuxClock&) = delete;

    void sleep(int milliseconds) override;
    std::string shortDateText() override;
    std::string timeText() override;

private:
    std::string now(const char* format) const;

    locale_t m_locale;
};

} // namespace lumadisc
