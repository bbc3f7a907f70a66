#include "core/lang/language_reader.h"

#include "core/file_system.h"
#include "core/lang/profile_file.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace lumadisc {

namespace {

constexpr std::size_t bufferSize = 500;
constexpr std::string_view packSection = "Language Pack";
// A broken pack adds a record at every lookup, for ever: past this size nothing is added.
constexpr std::size_t kErrorLogLimit = 1024 * 1024;

// The text is read into 500 blanks: the copied text, its terminating zero, then blanks. Trimming
// the buffer takes the text's leading blanks and the blanks after the zero, but not the text's
// own trailing blanks, which sit before the zero; dropping the last character drops the zero.
std::string textLeftInBuffer(const std::string& copied) {
    const auto first = copied.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : copied.substr(first);
}

} // namespace

LanguageReader::LanguageReader(Environment& environment, Clock& clock,
                               const std::string& languageFile)
    : m_environment(environment), m_clock(clock), m_languageFile(languageFile) {}

std::string LanguageReader::SetCaptionfromINI(const std::string& key,
                                              const std::string& defaultText) {
    const auto packPath = languagePackPath();
    std::optional<std::string> bytes;
    try {
        // A folder in the pack's place reads as no file: a missing pack.
        bytes = readFile(packPath);
    } catch (const std::system_error& failure) {
        WriteErrorLog("Error Description: " + failure.code().message() + ", " + "Error Number: " +
                      std::to_string(failure.code().value()) + ", " + "Method: SetCaptionfromINI");
        return {};
    }
    const ProfileFile pack(bytes ? *bytes : std::string());
    return textLeftInBuffer(pack.getString(packSection, key, defaultText, bufferSize));
}

// A user's own pack of that name comes before the installed one.
std::string LanguageReader::languagePackPath() {
    if (const auto user = m_environment.userLanguageFolder(); !user.empty()) {
        auto path = m_environment.joinPath(user, m_languageFile);
        std::error_code ignored;
        if (std::filesystem::exists(std::filesystem::symlink_status(path, ignored)))
            return path;
    }
    return m_environment.joinPath(m_environment.joinPath(m_environment.dataFolder(), "Lang"),
                                  m_languageFile);
}

void LanguageReader::WriteErrorLog(const std::string& message) {
    const auto path = m_environment.joinPath(m_environment.settingsFolder(), "errorlog.txt");
    appendToFile(path,
                 "\"\r\nDate: " + m_clock.shortDateText() + "\",\"Time: " + m_clock.timeText() +
                     "\",\"" + message + "\"\r\n",
                 kErrorLogLimit);
}

} // namespace lumadisc
