#include "engine/snapshot_folder.h"

#include <QImage>
#include <QImageWriter>
#include <QString>

#include <charconv>
#include <cstdio>
#include <system_error>
#include <utility>

namespace lumadisc {

namespace {

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

SnapshotFolder::SnapshotFolder(std::filesystem::path folder, std::string prefix, std::string format)
    : m_folder(std::move(folder)), m_prefix(std::move(prefix)), m_format(std::move(format)) {}

std::filesystem::path SnapshotFolder::nextFile() const {
    const std::string suffix = "." + m_format;
    unsigned long highest = 0;
    // Error codes throughout: a folder that cannot be read counts as empty, and nothing throws.
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= m_prefix.size() + suffix.size() || !name.starts_with(m_prefix) ||
            !name.ends_with(suffix))
            continue;
        const char* first = name.data() + m_prefix.size();
        const char* last = name.data() + name.size() - suffix.size();
        unsigned long number = 0;
        const auto [stop, status] = std::from_chars(first, last, number);
        if (status == std::errc() && stop == last && number > highest)
            highest = number;
    }
    char digits[24];
    std::snprintf(digits, sizeof digits, "%05lu", highest + 1);
    return m_folder / (m_prefix + digits + suffix);
}

bool SnapshotFolder::store(const std::filesystem::path& scratch) const {
    const QImage picture(qtPath(scratch));
    if (picture.isNull())
        return false;
    const std::filesystem::path target = nextFile();
    QImageWriter writer(qtPath(target), QByteArray::fromStdString(m_format));
    if (writer.write(picture))
        return true;
    std::error_code ignored;
    std::filesystem::remove(target, ignored);
    return false;
}

} // namespace lumadisc
