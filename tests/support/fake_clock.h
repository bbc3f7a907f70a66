#pragma once

#include "core/platform/clock.h"

#include <string>

namespace lumadisc::test {

// A Clock that never blocks and tells the date and time it is given.
class FakeClock : public Clock {
public:
    std::string shortDate = "12/5/2026";
    std::string time = "5:21:27 PM";

    void sleep(int) override {}
    std::string shortDateText() override { return shortDate; }
    std::string timeText() override { return time; }
};

} // namespace lumadisc::test
