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

// Replaces `path` with a file holding `bytes` at once: they are written to a scratch file of
// this writer's own beside it ("<path>.new.<process id>.<n>"), flushed to the disk and renamed
// over `path` (a link there is replaced, not followed), so that a kill or a full disk leaves the
// old file or the new one, and two processes replacing the file at once leave one of their
// files whole. Throws std::system_error when that fails; the old file is then left as it was.
void replaceFile(const std::string& path, std::string_view bytes);
// Adds `bytes` at the end of `path`, creating it, while the file is smaller than `limit` bytes;
// a symbolic link (it could point at any file of the user's), a FIFO or a device gets nothing.
// Silent on failure.
void appendToFile(const std::string& path, std::string_view bytes, std::size_t limit);

} // namespace lumadisc
