#pragma once
// Line files: texts the player reads (UI texts, help pages, credits), addressed
// by line number from 1.
#include <string>
#include <vector>

class TTxtFile {
public:
    std::vector<std::string> txt;  // the lines in order, without line feeds

    int lines() const { return int(txt.size()); }
};

// The text shown for a line that does not exist, so a missing text is seen on
// screen rather than silently blank.
inline constexpr const char* kMissingLineText = "(BEYOND TEXT ARRAY LENGTH!)";

// The lines of the file (any encoding LoadText understands). A missing file
// gives no lines and one console message.
TTxtFile loadTxtFile(const std::string& path);
// The lines of text already in memory. A line feed ends a line, even an empty
// one; a carriage return stays part of its line; a final line feed does not
// start another line.
TTxtFile readTxtText(const std::string& text);
// Line n counting from 1; kMissingLineText for n below 1 or past the end.
std::string getTxtLine(const TTxtFile& file, int n);
