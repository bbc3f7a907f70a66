#pragma once

#include <string>

namespace lumadisc {

// A drive-menu caption: the disc's label, " (", the drive string, ")".
std::string driveCaption(const std::string& label, const std::string& drive);

// The label part of a caption. The drive string is known, so its ending is removed as a whole:
// a Linux path may itself contain " (". A caption without that ending is cut before its last
// " (".
std::string captionLabel(const std::string& caption, const std::string& drive);

} // namespace lumadisc
