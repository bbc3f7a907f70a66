#include "core/lang/language_names.h"

#include "core/lang/language_reader.h"

#include <algorithm>
#include <iterator>

namespace lumadisc {

namespace {

struct Language {
    std::string_view code;
    const char* key;
    const char* english;
};

// The languages of the discs sold in most of the world; each name has a key in the packs.
constexpr Language kLanguages[] = {
    {"en", "200", "English"},   {"fr", "201", "French"},     {"de", "202", "German"},
    {"es", "203", "Spanish"},   {"it", "204", "Italian"},    {"pt", "205", "Portuguese"},
    {"nl", "206", "Dutch"},     {"sv", "207", "Swedish"},    {"da", "208", "Danish"},
    {"no", "209", "Norwegian"}, {"fi", "210", "Finnish"},    {"is", "211", "Icelandic"},
    {"pl", "212", "Polish"},    {"cs", "213", "Czech"},      {"sk", "214", "Slovak"},
    {"hu", "215", "Hungarian"}, {"ro", "216", "Romanian"},   {"bg", "217", "Bulgarian"},
    {"hr", "218", "Croatian"},  {"sl", "219", "Slovenian"},  {"el", "220", "Greek"},
    {"ru", "221", "Russian"},   {"uk", "222", "Ukrainian"},  {"tr", "223", "Turkish"},
    {"ar", "224", "Arabic"},    {"he", "225", "Hebrew"},     {"hi", "226", "Hindi"},
    {"th", "227", "Thai"},      {"zh", "228", "Chinese"},    {"ja", "229", "Japanese"},
    {"ko", "230", "Korean"},    {"id", "231", "Indonesian"},
};

} // namespace

std::string languageName(LanguageReader& lang, std::string_view code) {
    const auto* found = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                     [&](const Language& l) { return l.code == code; });
    if (found != std::end(kLanguages))
        return lang.SetCaptionfromINI(found->key, found->english);
    std::string upper(code);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return upper;
}

} // namespace lumadisc
