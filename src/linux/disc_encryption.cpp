#include "linux/disc_encryption.h"

#include "core/text_util.h"
#include "linux/file_descriptor.h"

#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <udfread/udfread.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace lumadisc {

namespace {

constexpr std::size_t kSector = 2048;
// About a second of video: enough to meet scrambled packs, little to read on every start.
constexpr std::size_t kSectorsRead = 512;

// VTS_01_1.VOB, the first part of the first title set's titles, in any case.
bool isTitleVob(std::string_view name) {
    return name.size() == 12 && equalsIgnoringCase(name.substr(0, 4), "VTS_") &&
           equalsIgnoringCase(name.substr(6), "_1.VOB");
}

std::string firstTitleVob(std::vector<std::string> names) {
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& name) { return !isTitleVob(name); }),
                names.end());
    std::sort(names.begin(), names.end(), fileNameLess);
    return names.empty() ? "" : names.front();
}

std::string folderTitleStart(const fs::path& disc) {
    std::error_code error;
    for (fs::directory_iterator entry(disc, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!equalsIgnoringCase(entry->path().filename().native(), "VIDEO_TS"))
            continue;
        std::vector<std::string> names;
        for (fs::directory_iterator file(entry->path(), error); !error && file != end;
             file.increment(error))
            names.push_back(file->path().filename().string());
        const std::string vob = firstTitleVob(names);
        if (vob.empty() || !fs::is_regular_file(entry->path() / vob, error))
            return {};
        std::ifstream in(entry->path() / vob, std::ios::binary);
        std::string bytes(kSector * kSectorsRead, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }
    return {};
}

struct VolumeCloser {
    void operator()(udfread* volume) const { udfread_close(volume); }
};
struct FolderCloser {
    void operator()(UDFDIR* folder) const { udfread_closedir(folder); }
};
struct FileCloser {
    void operator()(UDFFILE* file) const { udfread_file_close(file); }
};

std::vector<std::string> udfNames(udfread* volume, const std::string& path, unsigned type) {
    std::vector<std::string> names;
    std::unique_ptr<UDFDIR, FolderCloser> folder(udfread_opendir(volume, path.c_str()));
    udfread_dirent entry{};
    while (folder && udfread_readdir(folder.get(), &entry))
        if (entry.d_type == type)
            names.emplace_back(entry.d_name);
    return names;
}

std::string imageTitleStart(const std::string& image) {
    std::unique_ptr<udfread, VolumeCloser> volume(udfread_init());
    if (!volume || udfread_open(volume.get(), image.c_str()) != 0)
        return {};
    for (const std::string& folder : udfNames(volume.get(), "/", UDF_DT_DIR)) {
        if (!equalsIgnoringCase(folder, "VIDEO_TS"))
            continue;
        const std::string vob = firstTitleVob(udfNames(volume.get(), "/" + folder, UDF_DT_REG));
        std::unique_ptr<UDFFILE, FileCloser> file(
            vob.empty() ? nullptr
                        : udfread_file_open(volume.get(), ("/" + folder + "/" + vob).c_str()));
        if (!file)
            return {};
        std::string bytes(kSector * kSectorsRead, '\0');
        const std::uint32_t got = udfread_read_blocks(file.get(), bytes.data(), 0, kSectorsRead, 0);
        bytes.resize(got * kSector);
        return bytes;
    }
    return {};
}

} // namespace

bool packsScrambled(std::string_view sectors) {
    for (std::size_t start = 0; start + kSector <= sectors.size(); start += kSector) {
        const auto* pack = reinterpret_cast<const unsigned char*>(sectors.data() + start);
        // An MPEG-2 pack header: 00 00 01 BA, then 10 bytes and its stuffing.
        if (pack[0] != 0 || pack[1] != 0 || pack[2] != 1 || pack[3] != 0xBA ||
            (pack[4] & 0xC0) != 0x40)
            continue;
        std::size_t at = 14 + (pack[13] & 7);
        while (at + 9 <= kSector && pack[at] == 0 && pack[at + 1] == 0 && pack[at + 2] == 1) {
            const unsigned id = pack[at + 3];
            const bool media = id == 0xBD || (id >= 0xC0 && id <= 0xEF);
            if (media && (pack[at + 6] & 0xC0) == 0x80 && (pack[at + 6] & 0x30) != 0)
                return true;
            at += 6 + (static_cast<std::size_t>(pack[at + 4]) << 8 | pack[at + 5]);
        }
    }
    return false;
}

bool titleScrambled(const std::string& disc) {
    std::error_code error;
    const fs::file_status status = fs::status(disc, error);
    if (fs::is_directory(status))
        return packsScrambled(folderTitleStart(disc));
    // Anything but a regular file (a FIFO put in the image's place) could block the reader.
    return fs::is_regular_file(status) && packsScrambled(imageTitleStart(disc));
}

bool driveReportsCopyProtection(const std::string& node) {
    const FileDescriptor drive(::open(node.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    dvd_struct info{};
    info.type = DVD_STRUCT_COPYRIGHT;
    info.copyright.layer_num = 0;
    return drive.valid() && ::ioctl(drive.get(), DVD_READ_STRUCT, &info) == 0 &&
           info.copyright.cpst != 0;
}

} // namespace lumadisc
