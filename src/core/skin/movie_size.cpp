#include "core/skin/movie_size.h"

#include "core/failure.h"
#include "core/skin/movie_variables.h"
#include "core/skin/skin_movie.h"
#include "core/text_util.h"

#include <algorithm>

namespace lumadisc {

MovieSize boundedMovieSize(SkinMovie& movie, const ScreenMetrics& screen, const std::string& file) {
    const double width = leadingNumber(movie.getVariable(movievar::width));
    const double height = leadingNumber(movie.getVariable(movievar::height));
    if (!(width >= 1 && height >= 1))
        throw Failure("The skin movie " + file + " has no size (" +
                      movie.getVariable(movievar::width) + " x " +
                      movie.getVariable(movievar::height) + " pixels)");
    // A screen that reports no size bounds nothing.
    const auto bound = [](double size, int limit) {
        return limit > 0 ? std::min(static_cast<int>(std::min(size, 1e6)), limit)
                         : static_cast<int>(std::min(size, 1e6));
    };
    return {bound(width, screen.widthPixels), bound(height, screen.heightPixels)};
}

} // namespace lumadisc
