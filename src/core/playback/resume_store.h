#pragma once

#include <optional>
#include <string>

namespace lumadisc {

// Where a disc was left: its title, the time in it and the streams chosen.
struct ResumePoint {
    int title = 0;
    long seconds = 0;
    // The disc's stream numbers; -1: none / subtitles off.
    int audio = -1;
    int subtitle = -1;

    bool operator==(const ResumePoint&) const = default;
};

// The remembered places of the discs, one line per disc in a small text file, the most recent
// first. Every call reads the file anew, so copies of the program running side by side see each
// other's entries; a write replaces the file at once, so a reader never finds half of one.
class ResumeStore {
public:
    static constexpr std::size_t kDiscs = 100;
    // A file longer than this is no store of ours: 100 lines of at most 80 bytes, and the header.
    static constexpr std::size_t kMaxBytes = 8192;

    // `path` "" means there is nowhere to keep anything: nothing is found, nothing is written.
    explicit ResumeStore(std::string path) : m_path(std::move(path)) {}

    std::optional<ResumePoint> find(const std::string& discId) const;
    // Puts the disc first, forgetting the oldest disc beyond kDiscs. A file that cannot be read
    // or makes no sense is replaced; a failed write is silent (resuming is a convenience).
    void remember(const std::string& discId, const ResumePoint& point);
    void forget(const std::string& discId);

private:
    std::string m_path;
};

} // namespace lumadisc
