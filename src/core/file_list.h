#pragma once

#include "core/controls.h"

namespace lumadisc {

// Re-reads the names of the list's folder that match its pattern, sorted by name. Throws
// Failure when the folder cannot be read.
void refreshFileList(FileList& list);

} // namespace lumadisc
