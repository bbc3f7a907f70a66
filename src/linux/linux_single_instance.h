#pragma once

#include "core/platform/single_instance.h"
#include "linux/file_descriptor.h"

#include <string>

namespace lumadisc {

// A running copy holds an exclusive flock on $XDG_RUNTIME_DIR/<name>.lock; when that folder is
// unset, missing or not writable, on /tmp/<name>-<uid>.lock, and when that name is someone
// else's file or a link, on ~/.<name>.lock. The kernel drops the lock when the process ends,
// however it ends, so a crashed copy never blocks the next start.
class LinuxSingleInstance : public SingleInstance {
public:
    // `name` is the lock that previousInstanceRunning looks for.
    explicit LinuxSingleInstance(std::string name = "QuorvaneLumadisc");

    bool previousInstanceRunning() override;
    void createNamedLock(const std::string& name) override;

private:
    std::string m_name;
    // The lock this object holds, and its descriptor (none while it holds none).
    std::string m_heldName;
    FileDescriptor m_lock;
};

} // namespace lumadisc
