#pragma once

#include <string>
#include <string_view>

namespace lumadisc {

// Turns the bytes of a language pack into UTF-8 text. A UTF-8 byte-order mark is dropped; a
// UTF-16 byte-order mark (little or big endian) makes the rest UTF-16, as Windows editors save
// "Unicode" files; bytes that are not valid UTF-8 as a whole are read as Windows-1252, as the
// packs of the Windows version were written. The result is always valid UTF-8.
std::string decodePackText(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// The number of characters (code points) of valid UTF-8 text.
std::size_t utf8Length(std::string_view text);

// The first `count` characters of valid UTF-8 text; never splits a character.
std::string_view utf8Prefix(std::string_view text, std::size_t count);

} // namespace lumadisc
