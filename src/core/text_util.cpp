#include "core/text_util.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace lumadisc {

namespace {
char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

double leadingNumber(const std::string& text) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return 0;
    std::size_t end = start;
    if (text[end] == '+' || text[end] == '-')
        ++end;
    bool seenPoint = false;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) ||
                                 (text[end] == '.' && !seenPoint))) {
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

std::string upperCase(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return result;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0 && text.size() >= prefix.size();
}

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string singleToText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
    return buffer;
}

bool matchesPattern(const std::string& name, const std::string& pattern) {
    // Iterative wildcard match with one backtracking point: linear enough for file names.
    std::size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
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

bool fileNameLess(const std::string& a, const std::string& b) {
    const auto mismatch =
        std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
        });
    const auto reverse =
        std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) {
            return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
        });
    if (mismatch || reverse)
        return mismatch;
    return a < b;
}

} // namespace lumadisc
