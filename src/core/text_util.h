#pragma once

#include <string>

namespace lumadisc {

// Removes leading and trailing blanks (spaces only, as the program's trimming does).
std::string trimBlanks(const std::string& text);

// The leading decimal number of a text ("." as separator), 0 when it starts with none.
double leadingNumber(const std::string& text);

// ASCII upper case.
std::string upperCase(const std::string& text);

bool startsWith(const std::string& text, const std::string& prefix);
bool endsWith(const std::string& text, const std::string& suffix);

// A single-precision value as decimal text with up to seven significant digits: 12.5, 50, 0.25.
std::string singleToText(float value);

// Whether `name` matches a pattern with `*` and `?`, ignoring ASCII letter case.
bool matchesPattern(const std::string& name, const std::string& pattern);

// Ordering of file names as the platform's file lists sort them: ignoring ASCII letter case,
// ties broken by the exact bytes.
bool fileNameLess(const std::string& a, const std::string& b);

} // namespace lumadisc
