#pragma once

#include <string>
#include <vector>

namespace lumadisc::test {

// The order in which the fakes were called, one entry a call ("engine.stop", "sleep 500", ...).
struct Journal {
    std::vector<std::string> entries;
    void add(std::string entry) { entries.push_back(std::move(entry)); }
    // Entries that start with `prefix`, in order.
    std::vector<std::string> with(const std::string& prefix) const;
};

} // namespace lumadisc::test
