#include "linux/mount_table.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumadisc {

namespace {

// The kernel writes blanks, tabs, newlines and backslashes in a field as octal escapes (\040).
std::string unescapeField(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                text += static_cast<char>(std::stoi(digits, nullptr, 8));
                i += 3;
                continue;
            }
        }
        text += field[i];
    }
    return text;
}

bool namesDevice(const std::string& source, const std::string& device) {
    if (source == device)
        return true;
    if (source.empty() || source.front() != '/')
        return false;
    std::error_code ignored;
    return std::filesystem::equivalent(source, device, ignored);
}

} // namespace

std::vector<std::string> mountPointsOf(const std::string& tablePath, const std::string& device) {
    std::vector<std::string> folders;
    std::ifstream table(tablePath);
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string source;
        std::string folder;
        if (!(fields >> source >> folder))
            continue;
        if (namesDevice(unescapeField(source), device))
            folders.push_back(unescapeField(folder));
    }
    return folders;
}

} // namespace lumadisc
