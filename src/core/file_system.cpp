#include "core/file_system.h"

#include "core/failure.h"
#include "core/text_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace lumadisc {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void throwErrno() {
    throw std::system_error(errno, std::generic_category());
}

} // namespace

std::vector<std::string> listFiles(const std::string& folder, std::string_view pattern) {
    std::error_code error;
    std::vector<std::string> names;
    fs::directory_iterator it(folder, error);
    if (error)
        throw Failure("Path not found: " + folder + " (" + error.message() + ")", 76);
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            throw Failure("Device I/O error: " + folder + " (" + error.message() + ")", 57);
        std::error_code typeError;
        if (!it->is_regular_file(typeError))
            continue;
        std::string name = it->path().filename().string();
        if (matchesPattern(name, pattern))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), fileNameLess);
    return names;
}

std::optional<std::string> readFile(const std::string& path, std::size_t limit) {
    // O_NONBLOCK so that a FIFO in the file's place cannot block the user-interface thread.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throwErrno();
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "r"), &std::fclose);
    if (!file) {
        ::close(fd);
        throwErrno();
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        throwErrno();
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes;
    char chunk[64 * 1024];
    while (bytes.size() < limit) {
        const auto count =
            std::fread(chunk, 1, std::min(sizeof chunk, limit - bytes.size()), file.get());
        bytes.append(chunk, count);
        if (count == 0 && std::ferror(file.get()))
            throwErrno();
        if (count == 0)
            break;
    }
    return bytes;
}

bool isRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool removeFile(const std::string& path) {
    return fs::remove(path);
}

void replaceFile(const std::string& path, std::string_view bytes) {
    // A name of this writer's own: two processes replacing the same file at once must not
    // write into, or rename, each other's half-written scratch file.
    static std::atomic<unsigned> writes = 0;
    const std::string scratch =
        path + ".new." + std::to_string(::getpid()) + "." + std::to_string(writes++);
    ::unlink(scratch.c_str());
    const int fd =
        ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        throwErrno();
    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put > 0)
            done += static_cast<std::size_t>(put);
        else if (errno != EINTR)
            error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(scratch.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(scratch.c_str());
        throw std::system_error(error, std::generic_category());
    }
}

void appendToFile(const std::string& path, std::string_view bytes, std::size_t limit) {
    const int fd = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (fd < 0)
        return;
    struct stat status {};
    // One write, so that a record is never split by another writer's.
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
        static_cast<std::size_t>(status.st_size) < limit) {
        [[maybe_unused]] const auto written = ::write(fd, bytes.data(), bytes.size());
    }
    ::close(fd);
}

} // namespace lumadisc
