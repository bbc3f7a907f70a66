#pragma once

#include "core/platform/launcher.h"

namespace lumadisc {

// The desktop's default programs, through the toolkit.
class QtLauncher : public Launcher {
public:
    bool open(const std::string& target) override;
};

} // namespace lumadisc
