#pragma once

#include <string>
#include <vector>

namespace lumadisc {

// The folders where `device` is mounted, read from a mount table in the format of
// /proc/self/mounts. A source that names the device through a link (/dev/cdrom) counts too.
std::vector<std::string> mountPointsOf(const std::string& tablePath, const std::string& device);

} // namespace lumadisc
