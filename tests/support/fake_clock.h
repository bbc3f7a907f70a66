#pragma once

#include "core/platform/clock.h"
#include "support/journal.h"

#include <string>

namespace lumadisc::test {

// A Clock that never blocks and tells the date and time it is given; given a journal, it writes
// its waits there, so their place among the other calls can be checked.
class FakeClock : public Clock {
public:
    explicit FakeClock(Journal* journal = nullptr) : m_journal(journal) {}
    std::string shortDate = "12/5/2026";
    std::string time = "5:21:27 PM";

    void sleep(int milliseconds) override {
        if (m_journal)
            m_journal->add("sleep " + std::to_string(milliseconds));
    }
    std::string shortDateText() override { return shortDate; }
    std::string timeText() override { return time; }

private:
    Journal* m_journal;
};

} // namespace lumadisc::test
