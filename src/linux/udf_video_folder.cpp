#include "linux/udf_video_folder.h"

#include <udfread/udfread.h>

#include <strings.h>

#include <memory>

namespace lumadisc {

namespace {

struct VolumeCloser {
    void operator()(udfread* volume) const { udfread_close(volume); }
};
struct FolderCloser {
    void operator()(UDFDIR* folder) const { udfread_closedir(folder); }
};

} // namespace

bool udfHasVideoFolder(const std::string& path) {
    std::unique_ptr<udfread, VolumeCloser> volume(udfread_init());
    if (!volume || udfread_open(volume.get(), path.c_str()) != 0)
        return false;
    // Compared without regard to case: discs differ in how they spell VIDEO_TS.
    std::unique_ptr<UDFDIR, FolderCloser> root(udfread_opendir(volume.get(), "/"));
    if (!root)
        return false;
    udfread_dirent entry{};
    while (udfread_readdir(root.get(), &entry)) {
        if (entry.d_type == UDF_DT_DIR && strcasecmp(entry.d_name, "VIDEO_TS") == 0)
            return true;
    }
    return false;
}

} // namespace lumadisc
