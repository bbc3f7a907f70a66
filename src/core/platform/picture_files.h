#pragma once

#include <string>

namespace lumadisc {

// Conversion of picture files.
class PictureFiles {
public:
    virtual ~PictureFiles() = default;
    // Loads the picture in `source` and saves it as a Windows bitmap at `target`, replacing what
    // was there. Throws Failure when the source cannot be read or the target cannot be written.
    virtual void saveAsBitmap(const std::string& source, const std::string& target) = 0;
};

} // namespace lumadisc
