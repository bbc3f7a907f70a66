#pragma once

#include <filesystem>
#include <string>

namespace lumadisc::test {

// Folders handed to the suites by CTest.
std::filesystem::path sampleDiscDir();
std::filesystem::path sourceDir();

// A fresh, empty temporary folder removed when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Writes `content` to `path` byte for byte, creating parent folders.
void writeFile(const std::filesystem::path& path, const std::string& content);
std::string readFile(const std::filesystem::path& path);

} // namespace lumadisc::test
