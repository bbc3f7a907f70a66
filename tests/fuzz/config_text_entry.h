#pragma once

#include "core/shell/config_file.h"

#include <string>

namespace lumadisc::fuzz {

// One fuzz input for the settings-file reader: the bytes of a "Config.cfg". Returns false when
// a record that was read does not come back unchanged through the file's text.
inline bool configTextBehaves(const std::string& bytes) {
    SettingsRecord record;
    if (!readConfigText(bytes, record))
        return true;
    SettingsRecord again;
    return readConfigText(configText(record), again) && again == record;
}

} // namespace lumadisc::fuzz
