#pragma once
// How widget constructors read the values of .gui settings.
#include <string>
#include <vector>

struct GuiDeclaration;

// Leading blanks skipped, an optional sign, then decimal digits up to the
// first other character; "%" before the digits reads binary, "$" hexadecimal.
// No digits give 0; values beyond the int range are clamped.
int settingInteger(const std::string& value);

// A quoted list of integers separated by single spaces ("400 300"). Two
// spaces in a row give an empty part, read as 0. Parts missing up to
// minimumCount read as 0 too.
std::vector<int> settingNumbers(const std::string& value, size_t minimumCount = 0);

// "TRUE" in any letter case.
bool settingTruth(const std::string& value);

// A widget's VISIBLE or ACTIVE setting: 1 when absent or true, else 0.
int settingFlag(const GuiDeclaration& declaration, const char* key);

// A caption: the value itself, or, for "[path|n]", line n of that line file
// (read again for every reference). A reference without "|" or to a line
// that does not exist gives the missing-line marker text.
std::string settingText(const std::string& value);
