#include "core/file_list.h"

#include "core/file_system.h"

namespace lumadisc {

void refreshFileList(FileList& list) {
    list.names = listFiles(list.path, list.pattern);
}

} // namespace lumadisc
