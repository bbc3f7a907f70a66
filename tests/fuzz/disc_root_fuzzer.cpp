#include "disc_root_entry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!lumadisc::fuzz::discRootBehaves({reinterpret_cast<const char*>(data), size}))
        __builtin_trap();
    return 0;
}
