#pragma once

#include <string>
#include <string_view>

namespace lumadisc {

// A disc as people and desktops name it (a path, or a file:// URI, with or without a trailing
// slash) as an absolute path without "." or ".." parts and without a trailing slash; "" when it
// names no local path.
std::string discRootPath(const std::string& text);

// `%XX` sequences replaced by their bytes; a `%` without two hex digits stays as it is.
std::string percentDecoded(std::string_view text);

// The path as it stands in an engine address: every byte but letters, digits and "-._~/" as
// %XX, so that "#", "%", "?" and blanks in a folder's name stay part of the path.
std::string percentEncodedPath(std::string_view path);

} // namespace lumadisc
