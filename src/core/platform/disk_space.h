#pragma once

#include <cstdint>
#include <string>

namespace lumadisc {

class DiskSpace {
public:
    struct Figures {
        std::uint64_t availableToUser = 0;
        std::uint64_t total = 0;
        std::uint64_t totalFree = 0;
    };
    virtual ~DiskSpace() = default;
    // Fills `figures` for the file system holding `folder`; false when it cannot be queried.
    virtual bool query(const std::string& folder, Figures& figures) = 0;
};

} // namespace lumadisc
