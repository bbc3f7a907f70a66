#include "core/shell/config_file.h"

#include "core/failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <limits>

namespace lumadisc {

namespace {

// Splits off the next line; CR LF, LF and a lone CR all end a line. False at the end of text.
bool nextLine(const std::string& text, std::size_t& pos, std::string& line) {
    if (pos >= text.size())
        return false;
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
        line = text.substr(pos);
        pos = text.size();
        return true;
    }
    line = text.substr(pos, end - pos);
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
        ++pos;
    return true;
}

// A number line holds a leading decimal number between blanks; text that is no number reads
// as 0. A value outside the 16-bit range is an overflow, as it would be for the record.
bool parseNumber(const std::string& line, std::int16_t& value) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos) {
        value = 0;
        return true;
    }
    bool negative = false;
    if (line[i] == '-' || line[i] == '+') {
        negative = line[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (line[i] - '0');
        if (magnitude > 32768)
            return false;
    }
    long long result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<std::int16_t>::max())
        return false;
    value = static_cast<std::int16_t>(result);
    return true;
}

std::string numberLine(std::int16_t value) {
    // A blank stands where a minus sign would, and one follows the number.
    std::string digits = std::to_string(value);
    return (value < 0 ? digits : " " + digits) + " ";
}

} // namespace

bool readConfigText(const std::string& bytes, SettingsRecord& record) {
    std::size_t pos = 0;
    std::string line;
    if (!nextLine(bytes, pos, line))
        return false;
    record.languageFile = line;
    if (!nextLine(bytes, pos, line))
        return false;
    record.snapshotFolder = line;
    for (std::int16_t* field : {&record.useOverlay, &record.disableScreenSaver,
                                &record.snapshotTarget, &record.wallpaperStyle, &record.autoPlay}) {
        if (!nextLine(bytes, pos, line) || !parseNumber(line, *field))
            return false;
    }
    return true;
}

std::string configText(const SettingsRecord& record) {
    std::string text;
    for (const std::string& line :
         {record.languageFile, record.snapshotFolder, numberLine(record.useOverlay),
          numberLine(record.disableScreenSaver), numberLine(record.snapshotTarget),
          numberLine(record.wallpaperStyle), numberLine(record.autoPlay)}) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void readConfigFile(const std::string& path, SettingsRecord& record) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Failure("File not found: " + path + " (" + std::strerror(errno) + ")", 53);
    // Only the first seven lines count, so reading stops after them: a file with endless junk
    // behind its settings (or a link to a device) must not exhaust memory.
    constexpr std::size_t kLimit = 16 * 1024 * 1024;
    std::string bytes;
    char block[65536];
    int lineEnds = 0;
    bool pendingReturn = false; // a CR whose next byte is in the next block
    while (lineEnds < 7 && bytes.size() < kLimit && in) {
        in.read(block, sizeof block);
        const auto got = static_cast<std::size_t>(in.gcount());
        for (std::size_t i = 0; i < got && lineEnds < 7; ++i) {
            if (pendingReturn && block[i] != '\n')
                ++lineEnds;
            pendingReturn = block[i] == '\r';
            if (block[i] == '\n')
                ++lineEnds;
        }
        bytes.append(block, got);
    }
    if (in.bad())
        throw Failure("Device I/O error: " + path, 57);
    if (!readConfigText(bytes, record))
        throw Failure("Input past end of file: " + path, 62);
}

void writeConfigFile(const std::string& path, const SettingsRecord& record) {
    std::remove(path.c_str());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << configText(record);
}

} // namespace lumadisc
