#pragma once

#include <filesystem>
#include <string>

namespace lumadisc {

// The folder that receives snapshots, named "<prefix><n>.<format>" with n zero-padded to five
// digits and one above the highest number already there, so that name order is age order.
class SnapshotFolder {
public:
    SnapshotFolder(std::filesystem::path folder, std::string prefix, std::string format);

    std::filesystem::path nextFile() const;
    // Converts the picture in `scratch` (any format Qt reads) to the folder's format and stores
    // it as nextFile(). Returns false, leaving no file behind, when that cannot be done.
    bool store(const std::filesystem::path& scratch) const;

private:
    std::filesystem::path m_folder;
    std::string m_prefix;
    std::string m_format;
};

} // namespace lumadisc
