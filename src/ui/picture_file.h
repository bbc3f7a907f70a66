#pragma once

#include <QImage>

#include <string>

namespace lumadisc {

// The picture in `file`, whatever its format; throws Failure when it cannot be read.
QImage readPicture(const std::string& file);

} // namespace lumadisc
