#include "core/lang/language_list.h"

#include <algorithm>
#include <filesystem>

namespace lumadisc {

namespace {

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isPackName(const std::string& name) {
    constexpr std::string_view extension = ".ini";
    if (name.empty() || name.front() == '.' || name.size() < extension.size())
        return false;
    return std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                      [](char a, char b) { return a == asciiLower(b); });
}

// Case-folded order first, so "english.ini" and "French.ini" sort as a person expects; exact
// bytes break ties so that the order never depends on the folder's order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
    const auto folded = [](const std::string& name) {
        std::string result(name);
        std::transform(result.begin(), result.end(), result.begin(), asciiLower);
        return result;
    };
    const auto foldedA = folded(a);
    const auto foldedB = folded(b);
    return foldedA != foldedB ? foldedA < foldedB : a < b;
}

} // namespace

std::vector<std::string> listLanguagePacks(const std::string& langFolder) {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator entries(langFolder, error);
    for (const std::filesystem::directory_iterator end; !error && entries != end;
         entries.increment(error)) {
        auto name = entries->path().filename().string();
        std::error_code statError;
        if (isPackName(name) && entries->is_regular_file(statError))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

} // namespace lumadisc
