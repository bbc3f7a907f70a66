#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumadisc::test {

// The order in which the fakes were called, one entry a call ("engine.stop", "sleep 500", ...).
struct Journal {
    std::vector<std::string> entries;
    // Runs after each entry is added, so a test can look at the program at that moment.
    std::function<void(const std::string&)> onAdd;

    void add(std::string entry) {
        entries.push_back(std::move(entry));
        if (onAdd)
            onAdd(entries.back());
    }
};

// The base of the fakes that write their calls into a journal.
class Journalled {
protected:
    explicit Journalled(Journal& journal) : m_journal(journal) {}
    Journal& m_journal;
};

} // namespace lumadisc::test
