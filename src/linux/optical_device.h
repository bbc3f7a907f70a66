#pragma once

#include <string>

namespace lumadisc {

// Whether `path` is a block device node.
bool isBlockDevice(const std::string& path);

// Whether the disc in `path` can be read without waiting. A block device is asked for its drive
// status, which never spins the disc up; a regular file (a disc image standing in for a drive)
// is always ready; anything else never is.
bool discReady(const std::string& path);

// Opens or closes the tray of the drive `node` (a block device) with the cdrom ioctls; false on
// any failure.
bool moveTray(const std::string& node, bool open);

} // namespace lumadisc
