#pragma once

#include "core/folderbrowse/folder_browse.h"

#include <string>

namespace lumadisc {

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

// Modal message boxes, and the folder dialog of the folder picker control.
class Dialogs : public FolderDialog {
public:
    virtual ~Dialogs() = default;
    virtual MessageResult messageBox(const std::string& text, MessageButtons buttons,
                                     MessageIcon icon, const std::string& title) = 0;
};

} // namespace lumadisc
