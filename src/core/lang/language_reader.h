#pragma once

#include "core/platform/clock.h"
#include "core/platform/environment.h"

#include <string>

namespace lumadisc {

// The text lookup of the language packs, and the error log it writes its failures to.
class LanguageReader {
public:
    // languageFile is the program-wide setting; it is read at every call (no cache).
    LanguageReader(Environment& environment, Clock& clock, const std::string& languageFile);

    // The text of `key` in section "Language Pack" of Lang/<languageFile>, else `defaultText`;
    // "" after a failure, which is recorded in the error log.
    std::string SetCaptionfromINI(const std::string& key, const std::string& defaultText);

    // Appends one record to errorlog.txt in the settings folder; failures are ignored. A
    // symbolic link in the log's place is not followed, and a log of 1 MiB gets no more records.
    void WriteErrorLog(const std::string& message);

private:
    std::string languagePackPath();

    Environment& m_environment;
    Clock& m_clock;
    const std::string& m_languageFile;
};

} // namespace lumadisc
