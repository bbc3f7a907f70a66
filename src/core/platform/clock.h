#pragma once

#include <string>

namespace lumadisc {

class Clock {
public:
    virtual ~Clock() = default;
    // Blocks the calling (user-interface) thread.
    virtual void sleep(int milliseconds) = 0;
    // The current date and time in the user's regional short formats.
    virtual std::string shortDateText() = 0;
    virtual std::string timeText() = 0;
};

} // namespace lumadisc
