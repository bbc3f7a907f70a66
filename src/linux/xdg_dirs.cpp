#include "linux/xdg_dirs.h"

#include <cstdlib>

namespace lumadisc {

std::string xdgBaseDirectory(const char* variable, const char* homeDefault) {
    const char* value = std::getenv(variable);
    if (value && *value == '/')
        return value;
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/" + homeDefault : "";
}

} // namespace lumadisc
