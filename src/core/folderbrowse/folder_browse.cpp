#include "core/folderbrowse/folder_browse.h"

#include "core/failure.h"

#include <charconv>

namespace lumadisc {

namespace {
constexpr int kSetNotPermitted = 387;
constexpr int kSetNotSupportedAtRunTime = 382;
constexpr int kNoSuchProperty = 438;
constexpr int kFixedSide = 390;

std::string toText(const FolderBrowse::Value& value) {
    if (const auto* number = std::get_if<std::int16_t>(&value))
        return std::to_string(*number);
    return std::get<std::string>(value);
}

// A saved entry of the default's kind; a Boolean that is no 16-bit number reads as the default.
FolderBrowse::Value fromText(const std::string& text, const FolderBrowse::Value& defaultValue) {
    if (std::holds_alternative<std::string>(defaultValue))
        return text;
    std::int16_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return defaultValue;
    return number;
}
} // namespace

const std::string* PropertyBag::find(std::string_view name) const {
    for (const auto& [key, value] : entries)
        if (key == name)
            return &value;
    return nullptr;
}

const std::vector<FolderBrowse::Property>& FolderBrowse::properties() {
    using S = std::string;
    static const std::vector<Property> table = {
        {"Enabled", kTrue, true},
        {"FolderName", S(), false},
        {"FileName", S(), false},
        {"FullName", S(), false},
        {"DisplayName", S(), false},
        {"FileReadOnly", kFalse, false},
        {"FileHidden", kFalse, false},
        {"FileSystem", kFalse, false},
        {"FileCompressed", kFalse, false},
        {"FileArchived", kFalse, false},
        {"StartDirectory", S(), true},
        {"Caption", S("Folder Browser"), true},
        {"OnlyFileSystemDirectories", kFalse, true},
        {"DontGoBelowDomain", kTrue, true},
        {"AllowEditBox", kFalse, true},
        {"ValidateSelection", kTrue, true},
        {"UseNewUI", kFalse, true},
        {"BrowseForComputer", kFalse, true},
        {"BrowseForPrinter", kFalse, true},
        {"IncludeFiles", kFalse, true},
    };
    return table;
}

FolderBrowse::FolderBrowse(FolderDialog& dialog, FolderBrowseHost* host)
    : m_dialog(dialog), m_host(host) {
    InitProperties();
}

std::size_t FolderBrowse::indexOf(std::string_view name) const {
    const auto& table = properties();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].name == name)
            return i;
    throw Failure("Object doesn't support this property or method: " + std::string(name),
                  kNoSuchProperty);
}

const FolderBrowse::Value& FolderBrowse::get(std::string_view name) const {
    return m_values[indexOf(name)];
}

std::int16_t FolderBrowse::boolean(std::string_view name) const {
    return std::get<std::int16_t>(get(name));
}

const std::string& FolderBrowse::text(std::string_view name) const {
    return std::get<std::string>(get(name));
}

void FolderBrowse::let(std::string_view name, const Value& value) {
    const std::size_t index = indexOf(name);
    const Property& property = properties()[index];
    if (!property.writable) {
        if (m_host && !m_host->userMode())
            throw Failure("Set not permitted", kSetNotPermitted);
        throw Failure("Set not supported at run time", kSetNotSupportedAtRunTime);
    }
    if (value.index() != property.defaultValue.index())
        throw Failure("Type mismatch: " + std::string(name), 13);
    m_values[index] = value;
    if (m_host)
        m_host->propertyChanged(property.name);
}

void FolderBrowse::InitProperties() {
    m_values.clear();
    for (const Property& property : properties())
        m_values.push_back(property.defaultValue);
}

void FolderBrowse::ReadProperties(const PropertyBag& bag) {
    const auto& table = properties();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string* saved = bag.find(table[i].name);
        m_values[i] = saved ? fromText(*saved, table[i].defaultValue) : table[i].defaultValue;
    }
}

void FolderBrowse::WriteProperties(PropertyBag& bag) const {
    const auto& table = properties();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (m_values[i] != table[i].defaultValue)
            bag.entries.emplace_back(table[i].name, toText(m_values[i]));
}

std::uint32_t FolderBrowse::BuildBrowseFlags() const {
    static const std::pair<const char*, BrowseFlag> options[] = {
        {"AllowEditBox", kEditBox},
        {"UseNewUI", kNewDialogStyle},
        {"OnlyFileSystemDirectories", kReturnOnlyFsDirs},
        {"DontGoBelowDomain", kDontGoBelowDomain},
        {"ValidateSelection", kValidate},
        {"BrowseForComputer", kBrowseForComputer},
        {"BrowseForPrinter", kBrowseForPrinter},
        {"IncludeFiles", kBrowseIncludeFiles},
    };
    std::uint32_t flags = 0;
    for (const auto& [name, flag] : options)
        if (boolean(name) != kFalse)
            flags |= flag;
    return flags;
}

bool FolderBrowse::Browse() {
    const BrowseInfo info{text("StartDirectory"), text("Caption"), BuildBrowseFlags()};
    m_values[indexOf("FullName")] = m_dialog.BrowseForFolderPath(info);
    return !FullName().empty();
}

void FolderBrowse::UserControl_Resize(int& width, int& height) const {
    width = kFixedSide;
    height = kFixedSide;
}

} // namespace lumadisc
