#include "core/file_list.h"

#include "core/failure.h"
#include "core/text_util.h"

#include <algorithm>
#include <filesystem>

namespace lumadisc {

void refreshFileList(FileList& list) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<std::string> names;
    fs::directory_iterator it(list.path, error);
    if (error)
        throw Failure("Path not found: " + list.path + " (" + error.message() + ")", 76);
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            throw Failure("Device I/O error: " + list.path + " (" + error.message() + ")", 57);
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (matchesPattern(name, list.pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), fileNameLess);
    list.names = std::move(names);
}

} // namespace lumadisc
