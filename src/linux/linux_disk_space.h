#pragma once

#include "core/platform/disk_space.h"

namespace lumadisc {

class LinuxDiskSpace : public DiskSpace {
public:
    bool query(const std::string& folder, Figures& figures) override;
};

} // namespace lumadisc
