#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// The folder picker control: a host places it, sets its options, calls Browse and reads
// FullName. Plain C++; the dialog itself is the host toolkit's (FolderDialog).
namespace lumadisc {

// The control's Booleans are 16-bit: True has all bits set.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Dialog flags, as the folder dialog understands them.
enum BrowseFlag : std::uint32_t {
    kReturnOnlyFsDirs = 0x0001,
    kDontGoBelowDomain = 0x0002,
    kEditBox = 0x0010,
    kValidate = 0x0020,
    kNewDialogStyle = 0x0040,
    kBrowseForComputer = 0x1000,
    kBrowseForPrinter = 0x2000,
    kBrowseIncludeFiles = 0x4000,
};

// What Browse hands the folder dialog.
struct BrowseInfo {
    std::string root; // top of the tree; empty: the platform's default root
    std::string title;
    std::uint32_t flags = 0;
};

class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // Shows the dialog modally and returns the file-system path of the chosen item; empty when
    // the user cancelled or chose something that has no path.
    virtual std::string BrowseForFolderPath(const BrowseInfo& info) = 0;
};

// The form that holds the control.
class FolderBrowseHost {
public:
    virtual ~FolderBrowseHost() = default;
    // False while the form is being designed.
    virtual bool userMode() const = 0;
    // A writable property was written: the host's saved state is out of date.
    virtual void propertyChanged(const std::string& name) = 0;
};

// Saved properties as name and text, in the order they were written.
struct PropertyBag {
    std::vector<std::pair<std::string, std::string>> entries;

    const std::string* find(std::string_view name) const;
};

class FolderBrowse {
public:
    using Value = std::variant<std::int16_t, std::string>;

    struct Property {
        const char* name;
        Value defaultValue;
        bool writable;
    };
    // Every property, in the order they are saved.
    static const std::vector<Property>& properties();

    // Without a host the control behaves as at run time and tells nobody of changes.
    explicit FolderBrowse(FolderDialog& dialog, FolderBrowseHost* host = nullptr);

    // Property read and write by name. Writing a read-only property fails with 387 while the
    // host is designed and 382 at run time; an unknown name fails with 438.
    const Value& get(std::string_view name) const;
    void let(std::string_view name, const Value& value);
    std::int16_t boolean(std::string_view name) const;
    const std::string& text(std::string_view name) const;
    const std::string& FullName() const { return text("FullName"); }

    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    std::uint32_t BuildBrowseFlags() const;
    // Shows the dialog; FullName takes its result, cancelled or not. True when a path was
    // chosen.
    bool Browse();
    // The control keeps a fixed square, whatever size it is given (container units).
    void UserControl_Resize(int& width, int& height) const;

private:
    std::size_t indexOf(std::string_view name) const;

    FolderDialog& m_dialog;
    FolderBrowseHost* m_host;
    std::vector<Value> m_values;
};

} // namespace lumadisc
