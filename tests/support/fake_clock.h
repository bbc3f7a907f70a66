#pragma once

#include "core/platform/clock.h"

#include <string>
#include <vector>

namespace lumadisc::test {

// A Clock that never blocks: it records each wait and tells the date and time it is given.
class FakeClock : public Clock {
public:
    std::vector<int> sleeps;
    std::string shortDate = "12/5/2026";
    std::string time = "5:21:27 PM";

    void sleep(int milliseconds) override;
    std::string shortDateText() override;
    std::string timeText() override;
};

} // namespace lumadisc::test
