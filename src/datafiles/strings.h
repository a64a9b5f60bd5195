#pragma once
// Small text helpers shared by the .gui reader, the data files and the board.
// Texts are UTF-8; letter case and blanks are judged on ASCII only, which is
// all that keys, kinds and file syntax ever use.
#include <string>
#include <vector>

// Cuts s at every occurrence of separator. With marks (both given, or both
// ""), separators inside a marked group do not cut and the marks themselves
// are dropped; the same character as both marks toggles a group. Two
// separators in a row give an empty piece, a leading separator an empty first
// piece; an empty last piece is not returned.
std::vector<std::string> splitString(const std::string& s, const std::string& separator,
                                     const std::string& openMark = "", const std::string& closeMark = "");

// s without its double quotes.
std::string stripQuotes(const std::string& s);

// True when every character is a decimal digit (also for "").
bool isDigits(const std::string& s);

// The contents of the marked groups of s, in order. Inside double quotes marks
// are plain text; the quotes are dropped. An opening mark inside an open group
// or a closing mark outside one is fatal. A group left open at the end is
// dropped.
std::vector<std::string> extractMarked(const std::string& s, const std::string& openMark,
                                       const std::string& closeMark);

// The characters of s outside its marked groups (same rules as extractMarked).
std::string removeMarked(const std::string& s, const std::string& openMark, const std::string& closeMark);

// The entries whose trimmed form is not empty, kept as they were.
std::vector<std::string> dropBlank(const std::vector<std::string>& items);

// s without leading and trailing characters of code 32 or below.
std::string trimBlank(const std::string& s);

// ASCII upper case.
std::string upperCase(const std::string& s);

// a equals b ignoring ASCII letter case.
bool sameIgnoringCase(const std::string& a, const std::string& b);

// Play time of `ms` milliseconds as minutes and seconds, each at least two
// digits ("03:07"); minutes are not capped, a negative time is "00:00".
std::string minutesAndSeconds(int ms);
