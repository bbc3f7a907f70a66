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

// The descriptor holding the lock `name`, or -1 when it cannot be taken. `held` tells whether
// another process (or another descriptor of this one) holds it.
int takeLock(const std::string& name, bool& held) {
    held = false;
    const int fd = ::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        held = errno == EWOULDBLOCK;
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

LinuxSingleInstance::LinuxSingleInstance(std::string name) : m_name(std::move(name)) {}

LinuxSingleInstance::~LinuxSingleInstance() {
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

bool LinuxSingleInstance::previousInstanceRunning() {
    if (m_lockFd >= 0 && m_heldName == m_name)
        return false;
    bool held = false;
    const int probe = takeLock(m_name, held);
    if (probe >= 0)
        ::close(probe);
    return held;
}

void LinuxSingleInstance::createNamedLock(const std::string& name) {
    if (m_lockFd >= 0)
        return;
    bool held = false;
    m_lockFd = takeLock(name, held);
    if (m_lockFd >= 0)
        m_heldName = name;
}

} // namespace lumadisc
