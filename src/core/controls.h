#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The small control types that the windows are made of. They hold state only; the Qt views
// render them and forward their events to the windows' handlers.
namespace lumadisc {

// Counts the writes that changed a value a view shows. The status tick runs 100 times a second
// and mostly changes nothing: a view that finds the count where it was has nothing to show anew.
inline std::uint64_t shownChanges = 0;

// A value that a view shows: reads like the value, and a write that changes it is counted.
template <typename T> class Shown {
public:
    Shown() = default;
    template <typename U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Shown> && std::is_constructible_v<T, U&&>)
        Shown(U&& value)
        : m_value(std::forward<U>(value)) {}
    Shown(const Shown&) = default;
    Shown& operator=(const Shown& other) { return *this = other.m_value; }

    template <typename U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Shown> && std::is_assignable_v<T&, U&&>) Shown&
    operator=(U&& value) {
        if (!(m_value == value)) {
            m_value = std::forward<U>(value);
            ++shownChanges;
        }
        return *this;
    }
    template <typename U> Shown& operator+=(const U& step) { return *this = m_value + step; }

    operator const T&() const { return m_value; }
    const T* operator->() const { return &m_value; }

    template <typename U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Shown>) friend bool
    operator==(const Shown& shown, const U& other) {
        return shown.m_value == other;
    }
    friend std::string operator+(const std::string& text,
                                 const Shown& shown) requires std::is_same_v<T, std::string> {
        return text + shown.m_value;
    }

    template <typename Char, typename Traits>
    requires requires(std::basic_ostream<Char, Traits>& out, const T& value) { out << value; }
    friend std::basic_ostream<Char, Traits>& operator<<(std::basic_ostream<Char, Traits>& out,
                                                        const Shown& shown) {
        return out << shown.m_value;
    }

private:
    T m_value{};
};

// Where a control sits in its window, in pixels.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Label {
    Shown<std::string> caption;
    Shown<bool> visible = true;
    Bounds bounds;
};

struct Button {
    Shown<std::string> caption;
    Shown<bool> enabled = true;
    Shown<bool> visible = true;
    Bounds bounds;
};

struct Frame {
    Shown<std::string> caption;
    Shown<bool> visible = true;
    Bounds bounds;
};

struct Slider {
    Shown<int> value = 0;
    Bounds bounds;
};

struct ProgressBar {
    Shown<int> value = 0;
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
    bool checked = false; // the current choice of a choice menu
    std::vector<MenuItem> children;

    bool isSeparator() const { return caption == "-"; }
};

} // namespace lumadisc
