#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumadisc {

// A profile (INI) file read the way GetPrivateProfileStringA reads one; docs/language-packs.md
// lists every rule. The file is scanned afresh for each look-up, which stops at the entry it
// finds: packs are small and looked up a few dozen times at most.
class ProfileFile {
public:
    // `bytes` is the whole file; it is decoded to UTF-8 here (see decodePackText).
    explicit ProfileFile(std::string_view bytes);

    // The value of `key` in the first section named `section`, with surrounding blanks and one
    // pair of matching quotation marks removed; nothing when the section or key is absent.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    // GetPrivateProfileStringA with a buffer of `size` characters: the value, else the default
    // without its trailing blanks, cut to size - 1 characters.
    std::string getString(std::string_view section, std::string_view key,
                          std::string_view defaultText, std::size_t size) const;

private:
    std::string m_text;
};

} // namespace lumadisc
