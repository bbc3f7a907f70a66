#pragma once

#include <string>

namespace lumadisc {

// What the desktop is told about the program as a handler for inserted video discs.
struct DiscHandler {
    std::string action;   // the name of the action the desktop offers
    std::string verb;     // the caption of the play command
    std::string provider; // who offers the action
    std::string program;  // the executable, started with the disc's location
    std::string icon;     // the program's icon file
};

// The desktop's registration of handlers for inserted video discs. Each step stands alone, so
// that the options window decides their order; a step that fails leaves the others as they are.
class DiscHandlerRegistration {
public:
    virtual ~DiscHandlerRegistration() = default;
    // Makes sure the place of the handler entries exists and can be written.
    virtual bool openHandlerFolder() = 0;
    // Asks the desktop to start the default handler of a video disc without asking the user.
    virtual void startWithoutAsking() = 0;
    // Writes (or rewrites) the program's handler entry.
    virtual void writeHandler(const DiscHandler& handler) = 0;
    // Makes the program's entry the default handler of video discs.
    virtual void makeDefault() = 0;
    // The reverse steps; each is harmless when there is nothing to undo.
    virtual void removeHandler() = 0;
    virtual void stopStartingWithoutAsking() = 0;
    virtual void removeDefault() = 0;
};

} // namespace lumadisc
