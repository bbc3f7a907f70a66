#pragma once

#include "core/drives/disc_root.h"

#include <string>

namespace lumadisc::fuzz {

// One fuzz input for the reading of a disc's root (a command line, a dropped path or URI) and
// the writing of a path into an engine address. Returns false when a rule is broken.
inline bool discRootBehaves(const std::string& text) {
    const std::string path = discRootPath(text);
    if (!path.empty()) {
        // Absolute, normal, without a trailing slash, and read again unchanged.
        if (path.front() != '/' || (path.size() > 1 && path.back() == '/') ||
            path.find("//") != std::string::npos || path.find("/./") != std::string::npos ||
            path.find("/../") != std::string::npos || discRootPath(path) != path)
            return false;
    }
    const std::string encoded = percentEncodedPath(text);
    if (encoded.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                  "0123456789-._~/%") != std::string::npos ||
        percentDecoded(encoded) != text)
        return false;
    // A path handed over as a file:// URI names the same disc as the path itself.
    return !text.starts_with('/') || discRootPath("file://" + encoded) == path;
}

} // namespace lumadisc::fuzz
