#include "core/lang/language_reader.h"

#include "core/lang/profile_file.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace lumadisc {

namespace {

constexpr std::size_t bufferSize = 500;
constexpr std::string_view packSection = "Language Pack";

class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : m_descriptor(descriptor) {}
    ~FileDescriptor() { ::close(m_descriptor); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

[[noreturn]] void throwErrno() {
    throw std::system_error(errno, std::generic_category());
}

// The pack's bytes; nothing when the path names no file or a folder (a missing pack). Throws
// std::system_error when the pack exists but cannot be opened or read.
std::optional<std::string> readPack(const std::string& path) {
    // O_NONBLOCK so that a FIFO in the pack's place cannot block the user-interface thread.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        throwErrno();
    }
    FileDescriptor file(descriptor);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        throwErrno();
    // Folders (and devices, FIFOs, sockets, which could be endless) are no pack.
    if (!S_ISREG(status.st_mode))
        return std::nullopt;
    std::string bytes;
    char chunk[64 * 1024];
    for (;;) {
        const auto count = ::read(file.get(), chunk, sizeof chunk);
        if (count > 0)
            bytes.append(chunk, static_cast<std::size_t>(count));
        else if (count == 0)
            return bytes;
        else if (errno != EINTR)
            throwErrno();
    }
}

// The text is read into 500 blanks: the copied text, its terminating zero, then blanks. Trimming
// the buffer takes the text's leading blanks and the blanks after the zero, but not the text's
// own trailing blanks, which sit before the zero; dropping the last character drops the zero.
std::string textLeftInBuffer(const std::string& copied) {
    const auto first = copied.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : copied.substr(first);
}

} // namespace

LanguageReader::LanguageReader(Environment& environment, Clock& clock,
                               const std::string& languageFile)
    : m_environment(environment), m_clock(clock), m_languageFile(languageFile) {}

std::string LanguageReader::SetCaptionfromINI(const std::string& key,
                                              const std::string& defaultText) {
    const auto folder = m_environment.joinPath(m_environment.applicationFolder(), "Lang");
    const auto packPath = m_environment.joinPath(folder, m_languageFile);
    std::optional<std::string> bytes;
    try {
        bytes = readPack(packPath);
    } catch (const std::system_error& failure) {
        WriteErrorLog("Error Description: " + failure.code().message() + ", " + "Error Number: " +
                      std::to_string(failure.code().value()) + ", " + "Method: SetCaptionfromINI");
        return {};
    }
    const ProfileFile pack(bytes ? *bytes : std::string());
    return textLeftInBuffer(pack.getString(packSection, key, defaultText, bufferSize));
}

void LanguageReader::WriteErrorLog(const std::string& message) {
    const auto path = m_environment.joinPath(m_environment.applicationFolder(), "errorlog.txt");
    std::ofstream log(path, std::ios::binary | std::ios::app);
    log << '"' << "\r\nDate: " << m_clock.shortDateText() << '"' << ',' << '"'
        << "Time: " << m_clock.timeText() << '"' << ',' << '"' << message << '"' << "\r\n";
}

} // namespace lumadisc
