#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumadisc {

struct AudioStreamInfo {
    std::string language; // ISO 639-1 code in lower case ("en"), "" when the disc names none
    std::string format;   // "AC-3", "MPEG-1", "MPEG-2", "LPCM", "DTS", "SDDS"
    int channels = 0;
};

struct SubtitleStreamInfo {
    std::string language; // as above
};

struct TitleInfo {
    long lengthMs = 0;
    std::vector<long> chapterStartsMs; // the first is 0; one entry per chapter
    int angles = 1;
    std::vector<AudioStreamInfo> audio;        // in the order of the disc's stream numbers
    std::vector<SubtitleStreamInfo> subtitles; // idem
};

struct DiscFacts {
    std::string id; // the disc ID from its information files: 32 lower-case hex digits
    std::vector<TitleInfo> titles; // title 1 first
};

// The structure of a DVD-Video as its information files describe it.
class DiscInfo {
public:
    virtual ~DiscInfo() = default;
    // The structure of the DVD-Video in `drive` (a device node, a disc image or a folder holding
    // VIDEO_TS); nothing when it has none that can be read.
    virtual std::optional<DiscFacts> read(const std::string& drive) = 0;
};

} // namespace lumadisc
