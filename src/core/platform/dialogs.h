#pragma once

#include <string>

namespace lumadisc {

enum class MessageIcon { Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

// Modal message boxes.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MessageResult messageBox(const std::string& text, MessageButtons buttons,
                                     MessageIcon icon, const std::string& title) = 0;
};

} // namespace lumadisc
