#include "linux/mime_apps_list.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace lumadisc {

namespace {

constexpr const char* kGroup = "[Default Applications]";

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

struct Lines {
    std::vector<std::string> lines;
    bool finalNewline = true;

    explicit Lines(const std::string& text) {
        std::size_t start = 0;
        while (start < text.size()) {
            const auto end = text.find('\n', start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                finalNewline = false;
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
    }

    std::string text() const {
        std::string out;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            out += lines[i];
            if (i + 1 < lines.size() || finalNewline)
                out += '\n';
        }
        return out;
    }

    // The line of the group's header and the end of the group (the next header or the end).
    std::optional<std::pair<std::size_t, std::size_t>> group() const {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (trimmed(lines[i]) != kGroup)
                continue;
            std::size_t end = i + 1;
            while (end < lines.size() && !trimmed(lines[end]).starts_with('['))
                ++end;
            return std::pair{i, end};
        }
        return std::nullopt;
    }

    std::optional<std::size_t> key(std::size_t from, std::size_t to,
                                   const std::string& type) const {
        for (std::size_t i = from; i < to; ++i) {
            const auto equals = lines[i].find('=');
            if (equals != std::string::npos && trimmed(lines[i].substr(0, equals)) == type)
                return i;
        }
        return std::nullopt;
    }
};

std::vector<std::string> ids(const std::string& line) {
    std::vector<std::string> list;
    std::string value = line.substr(line.find('=') + 1);
    std::size_t start = 0;
    while (start <= value.size()) {
        auto end = value.find(';', start);
        if (end == std::string::npos)
            end = value.size();
        if (std::string id = trimmed(value.substr(start, end - start)); !id.empty())
            list.push_back(id);
        start = end + 1;
    }
    return list;
}

// Where the value of a key line starts: after the '=' and the blanks that follow it.
std::size_t valueStart(const std::string& line) {
    const auto equals = line.find('=');
    const auto value = line.find_first_not_of(" \t", equals + 1);
    return value == std::string::npos ? line.size() : value;
}

std::string entry(const std::string& type, const std::vector<std::string>& list) {
    std::string line = type + "=";
    for (const std::string& id : list)
        line += id + ";";
    return line;
}

} // namespace

std::string withDefault(const std::string& text, const std::string& type, const std::string& id) {
    Lines file(text);
    const auto group = file.group();
    if (!group) {
        if (!file.lines.empty() && !file.finalNewline)
            file.finalNewline = true;
        if (!file.lines.empty() && !trimmed(file.lines.back()).empty())
            file.lines.emplace_back();
        file.lines.push_back(kGroup);
        file.lines.push_back(entry(type, {id}));
        file.finalNewline = true;
        return file.text();
    }
    const auto [header, end] = *group;
    if (const auto line = file.key(header + 1, end, type)) {
        std::string& text = file.lines[*line];
        std::vector<std::string> list = ids(text);
        if (std::find(list.begin(), list.end(), id) == list.end()) {
            // Put in front of the others' ids as they are written, so that removing it again
            // gives back the line as it was.
            text.insert(valueStart(text), id + ";");
        } else if (list.front() != id) {
            std::erase(list, id);
            list.insert(list.begin(), id);
            text = entry(type, list);
        }
    } else {
        file.lines.insert(file.lines.begin() + static_cast<long>(header) + 1, entry(type, {id}));
    }
    return file.text();
}

std::string withoutDefault(const std::string& text, const std::string& type,
                           const std::string& id) {
    Lines file(text);
    const auto group = file.group();
    if (!group)
        return text;
    const auto [header, end] = *group;
    const auto line = file.key(header + 1, end, type);
    if (!line)
        return text;
    std::string& value = file.lines[*line];
    std::vector<std::string> list = ids(value);
    if (std::erase(list, id) == 0)
        return text;
    if (!list.empty()) {
        const std::string front = id + ";";
        if (value.compare(valueStart(value), front.size(), front) == 0)
            value.erase(valueStart(value), front.size());
        else
            value = entry(type, list);
        return file.text();
    }
    file.lines.erase(file.lines.begin() + static_cast<long>(*line));
    const bool emptyGroup =
        std::all_of(file.lines.begin() + static_cast<long>(header) + 1,
                    file.lines.begin() + static_cast<long>(end) - 1,
                    [](const std::string& rest) { return trimmed(rest).empty(); });
    if (emptyGroup) {
        file.lines.erase(file.lines.begin() + static_cast<long>(header),
                         file.lines.begin() + static_cast<long>(end) - 1);
        // The blank line that set the group apart goes with it.
        if (header > 0 && header == file.lines.size() && trimmed(file.lines.back()).empty())
            file.lines.pop_back();
    }
    return file.text();
}

} // namespace lumadisc
