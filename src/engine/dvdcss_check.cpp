#include "engine/dvdcss_check.h"

#include <dlfcn.h>

namespace lumadisc {

bool dvdcssAvailable() {
    void* library = ::dlopen("libdvdcss.so.2", RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return false;
    ::dlclose(library);
    return true;
}

} // namespace lumadisc
