#pragma once

#include "core/lang/profile_file.h"
#include "core/lang/text_encoding.h"

#include <string>
#include <string_view>

namespace lumadisc::fuzz {

// One fuzz input for the pack reader: the first line is the section, the second the key, the
// rest the pack's bytes. Returns false when a result breaks what the lookup promises: UTF-8
// text on a single line without NUL, at most 499 characters, and getString agreeing with find.
inline bool profileFileBehaves(std::string_view input) {
    auto takeLine = [&input]() {
        const auto end = input.find('\n');
        const auto line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        return line;
    };
    const auto section = takeLine();
    const auto key = takeLine();
    if (!isValidUtf8(decodePackText(input)))
        return false;
    const ProfileFile pack(input);
    auto isOneLineOfText = [](std::string_view text) {
        return isValidUtf8(text) &&
               text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
    };
    for (const auto name : {section, std::string_view("Language Pack")}) {
        const auto found = pack.find(name, key);
        const auto text = pack.getString(name, key, "default  ", 500);
        if (!isOneLineOfText(text) || utf8Length(text) > 499)
            return false;
        if (found ? (!isOneLineOfText(*found) || text != utf8Prefix(*found, 499))
                  : text != "default")
            return false;
    }
    return true;
}

} // namespace lumadisc::fuzz
