#pragma once

#include "core/platform/window_system.h"

#include <string>

namespace lumadisc {

class SkinMovie;

struct MovieSize {
    int width = 0;
    int height = 0;
};

// The movie's own size ("_width", "_height" in pixels), no larger than the screen. Throws
// Failure naming `file` when the movie has no size: its window would be invisible.
MovieSize boundedMovieSize(SkinMovie& movie, const ScreenMetrics& screen, const std::string& file);

} // namespace lumadisc
