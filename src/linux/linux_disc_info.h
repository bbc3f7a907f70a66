#pragma once

#include "core/platform/disc_info.h"

namespace lumadisc {

// DiscInfo over libdvdread: the disc's information files, never its video, so it works on
// encrypted discs as well and never waits for more than the few sectors those files take.
class LinuxDiscInfo : public DiscInfo {
public:
    std::optional<DiscFacts> read(const std::string& drive) override;
};

} // namespace lumadisc
