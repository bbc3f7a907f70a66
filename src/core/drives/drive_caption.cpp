#include "core/drives/drive_caption.h"

namespace lumadisc {

std::string driveCaption(const std::string& label, const std::string& drive) {
    return label + " (" + drive + ")";
}

std::string captionLabel(const std::string& caption, const std::string& drive) {
    const std::string ending = " (" + drive + ")";
    if (caption.ends_with(ending))
        return caption.substr(0, caption.size() - ending.size());
    const auto cut = caption.rfind(" (");
    return cut == std::string::npos ? caption : caption.substr(0, cut);
}

} // namespace lumadisc
