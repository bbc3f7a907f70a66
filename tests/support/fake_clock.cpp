#include "support/fake_clock.h"

namespace lumadisc::test {

void FakeClock::sleep(int milliseconds) {
    sleeps.push_back(milliseconds);
}

std::string FakeClock::shortDateText() {
    return shortDate;
}

std::string FakeClock::timeText() {
    return time;
}

} // namespace lumadisc::test
