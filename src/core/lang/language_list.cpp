#include "core/lang/language_list.h"

#include "core/file_system.h"

#include <exception>

namespace lumadisc {

std::vector<std::string> listLanguagePacks(const std::string& langFolder) {
    std::vector<std::string> names;
    try {
        names = listFiles(langFolder, "*.ini");
    } catch (const std::exception&) {
        return {};
    }
    std::erase_if(names, [](const std::string& name) { return name.front() == '.'; });
    return names;
}

} // namespace lumadisc
