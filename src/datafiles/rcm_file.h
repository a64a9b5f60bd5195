#pragma once
// The structured data files: every table the game ships (tiles, levels,
// stories, mini-game data) and every file it saves (profiles, settings).
//
//   settings {
//       sound = 0.500000000
//       name = "Anna", "Bob"
//   }
//
// Groups in braces hold "key = values" lines; values are either all numbers
// or all texts in double quotes. Lookups take a path of group names and a key
// joined by "::" ("settings::sound"), ignoring letter case at every step.
// Files written by DataFileWriter read back exactly.
#include <memory>
#include <string>
#include <vector>

// One "key = value, value" line.
class TRCMEntry {
public:
    static constexpr int TYPE_STRING = 0;
    static constexpr int TYPE_NUMBER = 1;

    std::string _id;                  // the key, surrounding blanks removed
    std::vector<std::string> _value;  // at least one
    int _type = TYPE_STRING;
};

// One braced group; the root of every file is "MAINGROUP".
class TRCMGroup {
public:
    TRCMGroup() = default;
    TRCMGroup(const TRCMGroup&) = delete;
    TRCMGroup& operator=(const TRCMGroup&) = delete;
    // Frees nested groups one by one, so no nesting depth can exhaust the stack.
    ~TRCMGroup();

    std::string _id;
    // After reading: just past the closing brace, counted from the text the
    // group was read from (just after its opening brace); 0 when the group ran
    // to the end of the text.
    size_t _pos = 0;
    std::vector<std::unique_ptr<TRCMGroup>> _listaGrup;
    std::vector<TRCMEntry> _listaWpisow;

    // First sub-group / entry in file order with that name, ignoring case.
    const TRCMGroup* getGroup(const std::string& name) const;
    const TRCMEntry* getEntry(const std::string& name) const;
};

class TRCMFile {
public:
    std::unique_ptr<TRCMGroup> _grupa;  // none until a file was read successfully
    std::string _path;
    std::string _txt;

    // Reads and parses the file. Problems go to the console and leave the
    // file without groups; every lookup then gives "" and 0.
    void Load(const std::string& path);
    // The same from text already in memory (decoded to UTF-8).
    void readText(const std::string& text);

    // Value number `index` (from 0) of the entry `path` names: a text value
    // without its quotes, a number exactly as written (it may start with a
    // space). "" when the group, entry or value does not exist.
    std::string getString(const std::string& path, int index = 0) const;
    // The same value as a number: blanks skipped, then a decimal number as far
    // as it goes; 0 when there is none. Always finite.
    float getFloat(const std::string& path, int index = 0) const;
    // The value truncated toward zero to an int, read without passing through
    // a float so that every int reads back exactly (scores above 2^24 would
    // not); clamped to the int range.
    int getInt(const std::string& path, int index = 0) const;
    // Number of values of the entry, 0 when it does not exist.
    int valueCount(const std::string& path) const;
    // The entry `path` names, or nullptr.
    const TRCMEntry* findEntry(const std::string& path) const;
    // From the root, follows every name of the path but the last; nullptr when
    // a group on the way is missing or the file has no groups.
    const TRCMGroup* getGroup(const std::vector<std::string>& names) const;
    const TRCMGroup* getGroup(const std::string& path) const;

    // Parsing steps, public for tests.
    bool checkGroups();
    bool checkTxt();
    std::unique_ptr<TRCMGroup> readAll(const std::string& text, const std::string& name) const;
    static TRCMEntry readEntry(const std::string& line);
    void errorMsg(const std::string& message) const;
};

// A new file object on which Load(path) has been called.
TRCMFile loadRCMFile(const std::string& path);

// Splits text at every separator that lies outside double quotes; quotes stay
// in the pieces. An empty piece between separators counts; an empty last
// piece is dropped.
std::vector<std::string> splitOutsideQuotes(const std::string& text, const std::string& separator);

// The leading decimal number of text (blanks skipped, sign, digits, point,
// exponent) as a double; 0 when there is none. Out-of-range values are
// clamped to the largest finite double.
double readDecimal(const std::string& text);
