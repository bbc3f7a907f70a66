#include "core/lang/language_list.h"

#include "core/file_system.h"
#include "core/text_util.h"

#include <algorithm>
#include <exception>

namespace lumadisc {

std::vector<std::string> listLanguagePacks(const std::string& langFolder,
                                           const std::string& userFolder) {
    std::vector<std::string> names;
    for (const std::string& folder : {langFolder, userFolder}) {
        if (folder.empty())
            continue;
        try {
            for (std::string& name : listFiles(folder, "*.ini"))
                names.push_back(std::move(name));
        } catch (const std::exception&) {
            // An unreadable folder lists nothing.
        }
    }
    std::erase_if(names, [](const std::string& name) { return name.front() == '.'; });
    std::sort(names.begin(), names.end(), fileNameLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace lumadisc
