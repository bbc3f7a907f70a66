#pragma once

namespace lumadisc {

// Whether libdvdcss, which the engine needs for encrypted commercial discs, can be loaded.
// Debian's main archive does not carry it; users install it themselves.
bool dvdcssAvailable();

} // namespace lumadisc
