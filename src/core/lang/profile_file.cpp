#include "core/lang/profile_file.h"

#include "core/lang/text_encoding.h"

namespace lumadisc {

namespace {

constexpr std::string_view blanks = " \t";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Splits the text into lines at CR LF, LF or a lone CR. A NUL ends the line's content: what
// follows it up to the line break is not part of the line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    std::optional<std::string_view> next() {
        if (m_position >= m_text.size())
            return std::nullopt;
        auto end = m_text.find_first_of("\r\n", m_position);
        if (end == std::string_view::npos)
            end = m_text.size();
        auto line = m_text.substr(m_position, end - m_position);
        if (const auto nul = line.find('\0'); nul != std::string_view::npos)
            line = line.substr(0, nul);
        m_position = end + 1;
        if (end < m_text.size() && m_text[end] == '\r' && m_position < m_text.size() &&
            m_text[m_position] == '\n')
            ++m_position;
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

// The name of a section header line "[name]", or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

} // namespace

ProfileFile::ProfileFile(std::string_view bytes) : m_text(decodePackText(bytes)) {}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const {
    section = trim(section);
    key = trim(key);
    LineReader lines(m_text);
    bool inSection = false;
    while (auto line = lines.next()) {
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
        if (equalsIgnoringCase(trim(line->substr(0, equals)), key))
            return std::string(withoutQuotes(trim(line->substr(equals + 1))));
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
