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

// Reads the file into `record`; throws Failure when it cannot be opened, is no regular file (a
// FIFO, a device) or is short.
void readConfigFile(const std::string& path, SettingsRecord& record);

// Replaces the file with the seven lines at once: they are written to a scratch file beside
// it, flushed to the disk and renamed over the file (replaceFile). Throws Failure (the system's
// description and error number) when that fails; the old file is then left as it was.
void writeConfigFile(const std::string& path, const SettingsRecord& record);

} // namespace lumadisc
