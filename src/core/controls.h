#pragma once

#include <memory>
#include <string>
#include <vector>

// The small control types that the windows are made of. They hold state only; the Qt views
// render them and forward their events to the windows' handlers.
namespace lumadisc {

// Where a control sits in its window, in pixels.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Label {
    std::string caption;
    bool visible = true;
    Bounds bounds;
};

struct Button {
    std::string caption;
    bool enabled = true;
    bool visible = true;
    Bounds bounds;
};

struct Frame {
    std::string caption;
    bool visible = true;
    Bounds bounds;
};

struct Slider {
    int value = 0;
    Bounds bounds;
};

struct ProgressBar {
    int value = 0;
    int min = 0;
    int max = 100;
    Bounds bounds;
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
