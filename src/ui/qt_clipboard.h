#pragma once

#include "core/platform/clipboard.h"

namespace lumadisc {

// The desktop's clipboard through the toolkit, under X11 and Wayland alike. The toolkit serves
// the picture to other programs for as long as the program runs.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setPicture(const std::string& file) override;
};

} // namespace lumadisc
