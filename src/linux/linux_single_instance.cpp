#include "linux/linux_single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace lumadisc {

namespace {

std::string lockPath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/')
        return std::string(runtime) + "/" + name + ".lock";
    return "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
}

// The descriptor holding the lock `name`, or none when it cannot be taken. `held` tells whether
// another process (or another descriptor of this one) holds it.
FileDescriptor takeLock(const std::string& name, bool& held) {
    held = false;
    FileDescriptor lock(::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.valid() && ::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        held = errno == EWOULDBLOCK;
        return FileDescriptor();
    }
    return lock;
}

} // namespace

LinuxSingleInstance::LinuxSingleInstance(std::string name) : m_name(std::move(name)) {}

bool LinuxSingleInstance::previousInstanceRunning() {
    if (m_lock.valid() && m_heldName == m_name)
        return false;
    bool held = false;
    takeLock(m_name, held);
    return held;
}

void LinuxSingleInstance::createNamedLock(const std::string& name) {
    if (m_lock.valid())
        return;
    bool held = false;
    m_lock = takeLock(name, held);
    if (m_lock.valid())
        m_heldName = name;
}

} // namespace lumadisc
