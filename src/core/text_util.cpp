#include "core/text_util.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace lumadisc {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The run of digits at `pos` without its leading zeros; moves `pos` past it.
std::string_view digitRun(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    std::string_view run = text.substr(start, pos - start);
    while (run.size() > 1 && run.front() == '0')
        run.remove_prefix(1);
    return run;
}

} // namespace

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

std::string_view trimBlanks(std::string_view text, std::string_view blanks) {
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

std::optional<std::string_view> nextLine(std::string_view text, std::size_t& position) {
    if (position >= text.size())
        return std::nullopt;
    auto end = text.find_first_of("\r\n", position);
    if (end == std::string_view::npos)
        end = text.size();
    const auto line = text.substr(position, end - position);
    position = end + 1;
    if (end < text.size() && text[end] == '\r' && position < text.size() && text[position] == '\n')
        ++position;
    return line;
}

double leadingNumber(const std::string& text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0;
    std::size_t end = start;
    if (text[end] == '+' || text[end] == '-')
        ++end;
    bool seenPoint = false;
    while (end < text.size() && (isDigit(text[end]) || (text[end] == '.' && !seenPoint))) {
        seenPoint = seenPoint || text[end] == '.';
        ++end;
    }
    std::string number = text.substr(start, end - start);
    if (!number.empty() && number[0] == '+')
        number.erase(0, 1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    return result.ec == std::errc() ? value : 0;
}

std::string singleToText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    return buffer;
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with one backtracking point: linear enough for file names.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || asciiLower(pattern[p]) == asciiLower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool fileNameLess(std::string_view a, std::string_view b) {
    const auto folded = [](char x, char y) {
        return static_cast<unsigned char>(asciiLower(x)) <
               static_cast<unsigned char>(asciiLower(y));
    };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded))
        return false;
    return a < b;
}

bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = digitRun(a, i);
            const std::string_view y = digitRun(b, j);
            if (x.size() != y.size())
                return x.size() < y.size();
            if (x != y)
                return x < y;
        } else {
            if (a[i] != b[j])
                return a[i] < b[j];
            ++i;
            ++j;
        }
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

std::string fillIn(std::string pattern, std::string_view value) {
    const std::size_t place = pattern.find("%1");
    if (place != std::string::npos)
        pattern.replace(place, 2, value);
    return pattern;
}

std::string twoDigits(long value) {
    return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

std::string clockText(long seconds) {
    seconds = std::max(0L, seconds);
    if (seconds >= 3600)
        return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
               twoDigits(seconds % 60);
    return std::to_string(seconds / 60) + ":" + twoDigits(seconds % 60);
}

} // namespace lumadisc
