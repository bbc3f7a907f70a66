#include "support/test_paths.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lumadisc::test {

namespace {
// CTest sets the folders; the build's own folders serve when a suite runs by hand.
std::filesystem::path fromEnv(const char* name, const char* builtIn) {
    const char* value = std::getenv(name);
    return value && *value ? value : builtIn;
}
} // namespace

std::filesystem::path sampleDiscDir() {
    return fromEnv("LUMADISC_SAMPLE_DISC_DIR", LUMADISC_TEST_SAMPLE_DISC_DIR);
}
std::filesystem::path sourceDir() {
    return fromEnv("LUMADISC_SOURCE_DIR", LUMADISC_TEST_SOURCE_DIR);
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "lumadisc-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::filesystem::filesystem_error("no temporary folder", pattern,
                                                std::error_code(errno, std::generic_category()));
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void writeFile(const std::filesystem::path& path, const std::string& content) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace lumadisc::test
