#include "linux/linux_single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace lumadisc {

namespace {

// Where the lock may be, in order. Every copy walks the same list, so all of them meet at the
// first file that is the user's own (a runtime folder that is missing or not writable has none).
std::vector<std::string> lockPaths(const std::string& name) {
    std::vector<std::string> paths;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/')
        paths.push_back(std::string(runtime) + "/" + name + ".lock");
    // A shared folder: anyone may have made the name first.
    paths.push_back("/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock");
    // The user's own folder, when someone else has taken the name in /tmp.
    if (const char* home = std::getenv("HOME"); home && *home == '/')
        paths.push_back(std::string(home) + "/." + name + ".lock");
    return paths;
}

// The lock file at `path` when it is a regular file of this user's, opened; none otherwise. A
// symbolic link is not followed: it could make the lock any file the user can open.
FileDescriptor openOwnLockFile(const std::string& path) {
    FileDescriptor lock(
        ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600));
    struct stat info {};
    if (!lock.valid() || ::fstat(lock.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_uid != ::getuid())
        return FileDescriptor();
    return lock;
}

// The descriptor holding the lock `name`, or none when it cannot be taken. `held` tells whether
// another process (or another descriptor of this one) holds it.
FileDescriptor takeLock(const std::string& name, bool& held) {
    held = false;
    for (const std::string& path : lockPaths(name)) {
        FileDescriptor lock = openOwnLockFile(path);
        if (!lock.valid())
            continue;
        if (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
            held = errno == EWOULDBLOCK;
            return FileDescriptor();
        }
        return lock;
    }
    return FileDescriptor();
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
