#pragma once

#include <optional>
#include <string>

namespace lumadisc {

// Ejects the disc of the drive `node` through UDisks2 on the system bus, unmounting its file
// system first when `mounted`: the desktop's own mounts belong to UDisks2 and a mounted disc
// refuses the eject ioctl. Nothing when UDisks2 cannot be reached or does not know the node;
// otherwise whether the drive took the command.
std::optional<bool> ejectWithUdisks(const std::string& node, bool mounted);

} // namespace lumadisc
