#pragma once

#include <string>
#include <vector>

namespace lumadisc {

// The names of the language packs in `langFolder`, as the Options window's file list shows
// them: regular files (or links to one) matching "*.ini" without regard to case, hidden
// (dot) files left out, sorted without regard to case and then byte by byte. Empty when the
// folder is missing or unreadable. The packs of `userFolder` (when given) join them, a name
// in both listed once.
std::vector<std::string> listLanguagePacks(const std::string& langFolder,
                                           const std::string& userFolder = "");

} // namespace lumadisc
