#include "support/fake_skin_movie.h"

#include "core/failure.h"

namespace lumadisc::test {

void FakeSkinMovie::loadMovie(const std::string& path) {
    m_journal.add(m_name + ".load " + path);
    if (failLoad)
        throw Failure(path + ": cannot load", 1);
    loadedPath = path;
}

void FakeSkinMovie::setVariable(const std::string& path, const std::string& value) {
    m_journal.add(m_name + ".set " + path + "=" + value);
    ++writes;
    variables[path] = value;
}

std::string FakeSkinMovie::getVariable(const std::string& path) {
    if (path == "_width")
        return std::to_string(width);
    if (path == "_height")
        return std::to_string(height);
    auto it = variables.find(path);
    return it == variables.end() ? std::string() : it->second;
}

void FakeSkinMovie::setSize(int newWidth, int newHeight) {
    m_journal.add(m_name + ".size " + std::to_string(newWidth) + "x" + std::to_string(newHeight));
    sizeWidth = newWidth;
    sizeHeight = newHeight;
}

} // namespace lumadisc::test
