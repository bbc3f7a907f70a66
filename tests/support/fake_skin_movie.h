#pragma once

#include "core/skin/skin_movie.h"
#include "support/journal.h"

#include <map>
#include <string>

namespace lumadisc::test {

// A movie that keeps its variables in a map; `_width`/`_height` come from `width`/`height`.
class FakeSkinMovie : public SkinMovie, Journalled {
public:
    FakeSkinMovie(Journal& journal, std::string name, int width, int height)
        : Journalled(journal), width(width), height(height), m_name(std::move(name)) {}

    int width;
    int height;
    int sizeWidth = 0;
    int sizeHeight = 0;
    int writes = 0;
    std::map<std::string, std::string> variables;

    void loadMovie(const std::string& path) override { m_journal.add(m_name + ".load " + path); }
    void setVariable(const std::string& path, const std::string& value) override {
        m_journal.add(m_name + ".set " + path + "=" + value);
        ++writes;
        variables[path] = value;
    }
    std::string getVariable(const std::string& path) override {
        if (path == "_width" || path == "_height")
            return std::to_string(path == "_width" ? width : height);
        const auto it = variables.find(path);
        return it == variables.end() ? std::string() : it->second;
    }
    void setSize(int newWidth, int newHeight) override {
        sizeWidth = newWidth;
        sizeHeight = newHeight;
    }
    // The user clicks something in the movie.
    void click(const std::string& command, const std::string& args = {}) {
        raiseCommand(command, args);
    }

private:
    std::string m_name;
};

} // namespace lumadisc::test
