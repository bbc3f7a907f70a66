#pragma once

#include <string>

namespace lumadisc {

// Whether the UDF file system in a device or image has a VIDEO_TS folder at its root, in any
// letter case; false when it holds no readable UDF file system. Reads the disc without mounting.
bool udfHasVideoFolder(const std::string& path);

} // namespace lumadisc
