#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumadisc {

// Letter case is ASCII only, whatever the locale: the bytes of UTF-8 and other encodings are
// never changed or matched across case.
char asciiLower(char c);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// `text` without the leading and trailing `blanks` (spaces only, as the program's trimming
// does, unless told otherwise). A view into `text`: keep `text` alive while using it.
std::string_view trimBlanks(std::string_view text, std::string_view blanks = " ");

// The line starting at `position`, moving `position` past its end; CR LF, LF and a lone CR all
// end a line. Nothing at the end of the text.
std::optional<std::string_view> nextLine(std::string_view text, std::size_t& position);

// The leading decimal number of a text ("." as separator), 0 when it starts with none.
double leadingNumber(const std::string& text);

// A single-precision value as decimal text with up to seven significant digits: 12.5, 50, 0.25.
std::string singleToText(float value);

// `pattern` with its first "%1" replaced by `value` (a pack's text with a place for a number).
std::string fillIn(std::string pattern, std::string_view value);

// A whole number below 100 with a leading zero below 10: "07", "42".
std::string twoDigits(long value);

// A time as a clock shows it: "0:12", "1:02:03".
std::string clockText(long seconds);

// Whether `name` matches a pattern with `*` and `?`, ignoring ASCII letter case.
bool matchesPattern(std::string_view name, std::string_view pattern);

// Ordering of file names as the platform's file lists sort them: ignoring ASCII letter case,
// ties broken by the exact bytes.
bool fileNameLess(std::string_view a, std::string_view b);

// Ordering of device names: runs of digits compare by value, so sr2 comes before sr10.
bool naturalLess(std::string_view a, std::string_view b);

} // namespace lumadisc
