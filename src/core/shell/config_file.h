#pragma once

#include "core/shell/settings_record.h"

#include <string>

namespace lumadisc {

// Reads the seven lines of a settings file into `record`, field by field. Returns false when
// the text ends before the seventh field or a number overflows 16 bits; the fields read until
// then keep their new values.
bool readConfigText(const std::string& bytes, SettingsRecord& record);

// The seven lines of the settings file, CR LF after each.
std::string configText(const SettingsRecord& record);

// Reads the file into `record`; throws Failure when it cannot be opened or is short.
void readConfigFile(const std::string& path, SettingsRecord& record);

// Deletes the file, creates it anew and writes the seven lines. Failures are not reported.
void writeConfigFile(const std::string& path, const SettingsRecord& record);

} // namespace lumadisc
