#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumadisc {

// The core's only ways to the file system.

// The names of the regular files (or links to one) in `folder` that match `pattern` (`*`, `?`,
// ignoring ASCII case), in fileNameLess order. Throws Failure when the folder cannot be read.
std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern);

// At most `limit` bytes of the file `path`; nothing when `path` names no file, or something
// other than a regular file (a folder, or a FIFO or device that could block or never end).
// Throws std::system_error when the file exists but cannot be opened or read.
std::optional<std::string> readFile(const std::string& path,
                                    std::size_t limit = std::numeric_limits<std::size_t>::max());

// Whether `path` names a regular file (or a link to one).
bool isRegularFile(const std::string& path);

// Removes the file; false when there was none. Throws std::system_error when it cannot.
bool removeFile(const std::string& path);

// Writes `bytes` as a new file `path`: what was there, a link included, is removed first. Silent
// on failure, like the program's writes.
void replaceFile(const std::string& path, std::string_view bytes);
// Adds `bytes` at the end of `path`, creating it; silent on failure.
void appendToFile(const std::string& path, std::string_view bytes);

} // namespace lumadisc
