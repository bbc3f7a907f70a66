#include "support/journal.h"

namespace lumadisc::test {

std::vector<std::string> Journal::with(const std::string& prefix) const {
    std::vector<std::string> result;
    for (const auto& entry : entries)
        if (entry.compare(0, prefix.size(), prefix) == 0)
            result.push_back(entry);
    return result;
}

} // namespace lumadisc::test
