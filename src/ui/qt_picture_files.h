#pragma once

#include "core/platform/picture_files.h"

namespace lumadisc {

// Picture conversion through the toolkit's image formats.
class QtPictureFiles : public PictureFiles {
public:
    void saveAsBitmap(const std::string& source, const std::string& target) override;
};

} // namespace lumadisc
