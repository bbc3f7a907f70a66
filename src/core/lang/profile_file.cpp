#include "core/lang/profile_file.h"

#include "core/lang/text_encoding.h"
#include "core/text_util.h"

namespace lumadisc {

namespace {

constexpr std::string_view blanks = " \t";

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The name of a section header line "[name]", or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line, blanks);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimBlanks(line.substr(1, close - 1), blanks);
}

} // namespace

ProfileFile::ProfileFile(std::string_view bytes) : m_text(decodePackText(bytes)) {}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const {
    section = trimBlanks(section, blanks);
    key = trimBlanks(key, blanks);
    std::size_t position = 0;
    bool inSection = false;
    while (auto line = nextLine(m_text, position)) {
        // A NUL ends the line's content: what follows it up to the line break is not part of it.
        line = line->substr(0, line->find('\0'));
        if (auto name = sectionName(*line)) {
            // Only the first section of that name counts.
            if (inSection)
                return std::nullopt;
            inSection = equalsIgnoringCase(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        const auto equals = line->find('=');
        if (equals == std::string_view::npos)
            continue;
        if (equalsIgnoringCase(trimBlanks(line->substr(0, equals), blanks), key))
            return std::string(withoutQuotes(trimBlanks(line->substr(equals + 1), blanks)));
    }
    return std::nullopt;
}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultText, std::size_t size) const {
    if (size == 0)
        return {};
    auto value = find(section, key);
    if (!value) {
        const auto last = defaultText.find_last_not_of(' ');
        value = std::string(defaultText.substr(0, last == std::string_view::npos ? 0 : last + 1));
    }
    return std::string(utf8Prefix(*value, size - 1));
}

} // namespace lumadisc
