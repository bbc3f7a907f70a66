#include "core/shell/config_file.h"

#include "core/failure.h"
#include "core/file_system.h"
#include "core/text_util.h"

#include <limits>
#include <optional>
#include <system_error>

namespace lumadisc {

namespace {

// A number line holds a leading decimal number between blanks; text that is no number reads
// as 0. A value outside the 16-bit range is an overflow, as it would be for the record.
bool parseNumber(std::string_view line, std::int16_t& value) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string_view::npos) {
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
    for (std::string* field : {&record.languageFile, &record.snapshotFolder}) {
        const auto line = nextLine(bytes, pos);
        if (!line)
            return false;
        *field = *line;
    }
    for (std::int16_t* field : {&record.useOverlay, &record.disableScreenSaver,
                                &record.snapshotTarget, &record.wallpaperStyle, &record.autoPlay}) {
        const auto line = nextLine(bytes, pos);
        if (!line || !parseNumber(*line, *field))
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
    // Only the first seven lines count: a file with endless junk behind its settings must not
    // exhaust memory.
    constexpr std::size_t kLimit = 16 * 1024 * 1024;
    std::optional<std::string> bytes;
    try {
        bytes = readFile(path, kLimit);
    } catch (const std::system_error& error) {
        throw Failure("Device I/O error: " + path + " (" + error.code().message() + ")", 57);
    }
    if (!bytes)
        throw Failure("File not found: " + path, 53);
    if (!readConfigText(*bytes, record))
        throw Failure("Input past end of file: " + path, 62);
}

void writeConfigFile(const std::string& path, const SettingsRecord& record) {
    try {
        replaceFile(path, configText(record));
    } catch (const std::system_error& error) {
        throw Failure(error.code().message(), error.code().value());
    }
}

} // namespace lumadisc
