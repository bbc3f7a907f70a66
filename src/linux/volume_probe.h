#pragma once

#include "core/platform/drives.h"

#include <optional>
#include <string>

namespace lumadisc {

// Volume label and file-system type (as libblkid names it: "udf", "iso9660", ...) of the disc
// in a device or image; nothing when no file system is recognised or `path` cannot be read.
std::optional<Drives::VolumeInfo> probeVolume(const std::string& path);

} // namespace lumadisc
