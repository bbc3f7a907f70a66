#pragma once

#include "core/platform/dialogs.h"

namespace lumadisc {

class QtDialogs : public Dialogs {
public:
    MessageResult messageBox(const std::string& text, MessageButtons buttons, MessageIcon icon,
                             const std::string& title) override;
    // The folder dialog, over the active window.
    std::string BrowseForFolderPath(const BrowseInfo& info) override;
};

} // namespace lumadisc
