#pragma once

#include <memory>
#include <string>
#include <vector>

// The small control types that the windows are made of. They hold state only; the Qt views
// render them and forward their events to the windows' handlers.
namespace lumadisc {

struct Label {
    std::string caption;
    bool visible = true;
};

struct Button {
    std::string caption;
    bool enabled = true;
    bool visible = true;
};

struct Frame {
    std::string caption;
    bool visible = true;
    int left = 0; // twips
};

struct Slider {
    int value = 0;
};

struct ProgressBar {
    int value = 0;
    int min = 0;
    int max = 100;
};

struct Timer {
    bool enabled = false;
    int intervalMs = 0;
};

struct CheckBox {
    std::string caption;
    int value = 0; // 0 unchecked, 1 checked
    bool enabled = true;
};

struct OptionButton {
    std::string caption;
    bool value = false;
    bool enabled = true;
};

struct TextBox {
    std::string text;
    bool enabled = true;
};

struct ComboBox {
    std::vector<std::string> items;
    int listIndex = -1; // -1: nothing selected
    bool enabled = true;

    std::string text() const {
        return listIndex >= 0 && listIndex < static_cast<int>(items.size()) ? items[listIndex]
                                                                             : std::string();
    }
};

// A file list: the names of a folder's files matching a pattern, sorted by name.
struct FileList {
    std::string path;
    std::string pattern;
    std::vector<std::string> names;
};

struct MenuItem {
    std::string name; // the program's name of the item, e.g. "fileMenu"
    std::string caption;
    bool visible = true;
    bool enabled = true;
    std::string shortcut; // e.g. "Ctrl+F"
    std::vector<MenuItem> children;

    bool isSeparator() const { return caption == "-"; }
};

} // namespace lumadisc
