// One libFuzzer target; CMake names the check it runs (LUMADISC_FUZZ_CHECK).
#include "config_text_entry.h"
#include "disc_root_entry.h"
#include "profile_file_entry.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!lumadisc::fuzz::LUMADISC_FUZZ_CHECK({reinterpret_cast<const char*>(data), size}))
        __builtin_trap();
    return 0;
}
