#pragma once

#include <string>
#include <string_view>

namespace lumadisc {

// Whether any audio or video packet among `sectors` (2048-byte packs of a VOB) has its PES
// scrambling bits set, as CSS leaves them on every pack it encrypts.
bool packsScrambled(std::string_view sectors);

// Whether the first packs of the disc's first title are scrambled. `disc` is a folder holding
// VIDEO_TS or a UDF disc image; false when no title can be read.
bool titleScrambled(const std::string& disc);

// Whether the DVD in the drive `node` carries copy protection, as the drive reports it.
bool driveReportsCopyProtection(const std::string& node);

} // namespace lumadisc
