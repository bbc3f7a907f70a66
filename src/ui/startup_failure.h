#pragma once

#include <string>

namespace lumadisc {

// Until the application object exists, a fatal message of Qt's (no display to connect to, no
// platform plugin) ends the program with that message and status 1 instead of abort() and a
// core dump. Call before making the application, and again with false once it exists.
void endCleanlyOnFatalMessages(bool on);

// Says why the program cannot start: on standard error, and in a message box titled with the
// program's name, so that a person who started it from the desktop sees it too.
void reportStartUpFailure(const std::string& reason);

} // namespace lumadisc
