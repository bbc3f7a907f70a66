#include "core/playback/resume_store.h"

#include "core/file_system.h"
#include "core/text_util.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <vector>

namespace lumadisc {

namespace {

constexpr std::string_view kHeader = "lumadisc-resume 1";

struct Entry {
    std::string id;
    ResumePoint point;
};

bool isDiscId(std::string_view id) {
    return id.size() == 32 && std::all_of(id.begin(), id.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

// The next blank-separated field as a number within [low, high].
template <typename Number>
bool field(std::string_view& line, Number& value, Number low, Number high) {
    line = trimBlanks(line);
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || value < low || value > high ||
        (end != line.data() + line.size() && *end != ' '))
        return false;
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
    return true;
}

std::optional<Entry> parseLine(std::string_view line) {
    Entry entry;
    const std::size_t blank = line.find(' ');
    if (blank == std::string_view::npos || !isDiscId(line.substr(0, blank)))
        return std::nullopt;
    entry.id = line.substr(0, blank);
    line.remove_prefix(blank);
    ResumePoint& p = entry.point;
    // Titles and streams within what a DVD-Video can hold; a day of playing at most.
    if (!field(line, p.title, 1, 99) || !field(line, p.seconds, 0L, 86'400L) ||
        !field(line, p.audio, -1, 7) || !field(line, p.subtitle, -1, 31) ||
        !trimBlanks(line).empty())
        return std::nullopt;
    return entry;
}

// The entries of the file; none when it is missing, unreadable, too long or not ours. A line
// that makes no sense is left out and so dropped at the next write.
std::vector<Entry> readEntries(const std::string& path) {
    std::optional<std::string> bytes;
    try {
        bytes = readFile(path, ResumeStore::kMaxBytes + 1);
    } catch (const std::exception&) {
        return {};
    }
    if (!bytes || bytes->size() > ResumeStore::kMaxBytes)
        return {};
    std::size_t position = 0;
    if (nextLine(*bytes, position) != kHeader)
        return {};
    std::vector<Entry> entries;
    while (const auto line = nextLine(*bytes, position)) {
        auto entry = parseLine(*line);
        if (entry && std::none_of(entries.begin(), entries.end(),
                                  [&](const Entry& e) { return e.id == entry->id; }))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::string lineOf(const Entry& e) {
    const ResumePoint& p = e.point;
    return e.id + ' ' + std::to_string(p.title) + ' ' + std::to_string(p.seconds) + ' ' +
           std::to_string(p.audio) + ' ' + std::to_string(p.subtitle);
}

void writeEntries(const std::string& path, const std::vector<Entry>& entries) {
    std::string bytes(kHeader);
    bytes += '\n';
    for (const Entry& e : entries)
        bytes += lineOf(e) + '\n';
    try {
        replaceFile(path, bytes);
    } catch (const std::exception&) {
        // The old file stays; the place is simply not remembered.
    }
}

void eraseDisc(std::vector<Entry>& entries, const std::string& discId) {
    std::erase_if(entries, [&](const Entry& e) { return e.id == discId; });
}

} // namespace

std::optional<ResumePoint> ResumeStore::find(const std::string& discId) const {
    if (m_path.empty())
        return std::nullopt;
    for (const Entry& e : readEntries(m_path))
        if (e.id == discId)
            return e.point;
    return std::nullopt;
}

void ResumeStore::remember(const std::string& discId, const ResumePoint& point) {
    Entry entry{discId, point};
    // What would not read back is not written.
    if (m_path.empty() || !parseLine(lineOf(entry)))
        return;
    std::vector<Entry> entries = readEntries(m_path);
    eraseDisc(entries, discId);
    entries.insert(entries.begin(), std::move(entry));
    if (entries.size() > kDiscs)
        entries.resize(kDiscs);
    writeEntries(m_path, entries);
}

void ResumeStore::forget(const std::string& discId) {
    if (m_path.empty())
        return;
    std::vector<Entry> entries = readEntries(m_path);
    const std::size_t before = entries.size();
    eraseDisc(entries, discId);
    if (entries.size() != before)
        writeEntries(m_path, entries);
}

} // namespace lumadisc
