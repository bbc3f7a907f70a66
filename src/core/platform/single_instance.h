#pragma once

#include <string>

namespace lumadisc {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Whether another copy of the program is running.
    virtual bool previousInstanceRunning() = 0;
    // Creates the named lock and keeps it until the process ends. The result is not checked.
    virtual void createNamedLock(const std::string& name) = 0;
};

} // namespace lumadisc
