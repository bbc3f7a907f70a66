#pragma once

#include <string>
#include <string_view>

namespace lumadisc {

class LanguageReader;

// The name of the language with the ISO 639-1 code `code` ("fr") in the current language pack,
// else in English; the code itself in capitals when the program knows no name for it, and ""
// for "".
std::string languageName(LanguageReader& lang, std::string_view code);

} // namespace lumadisc
