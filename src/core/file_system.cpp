#include "core/file_system.h"

#include "core/failure.h"
#include "core/text_util.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
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
    std::error_code ignored;
    fs::remove(path, ignored);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void appendToFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace lumadisc
