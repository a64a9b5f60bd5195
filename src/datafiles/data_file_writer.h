#pragma once
// Builds the text of a structured data file (see rcm_file.h) so that it reads
// back exactly as written, and saves it atomically. Profiles and settings are
// written through it.
//
//   DataFileWriter out;
//   out.openGroup("profile");
//   out.text("name", playerName);
//   out.integer("score", score);
//   out.closeGroup();
//   out.save(saveFolder + "/profile1.dat");
//
// The format has no escapes, so characters it cannot carry are dropped:
// from texts double quotes, "=", line feeds and carriage returns; from keys
// and group names also braces and the blanks around them. Callers that care
// can compare with cleanText() beforehand.
#include <string>
#include <vector>

class DataFileWriter {
public:
    // Each nesting level indents its lines by this (a tab by default).
    explicit DataFileWriter(std::string indent = "\t");

    void openGroup(const std::string& name);
    // Closes the innermost open group; does nothing when none is open.
    void closeGroup();

    void text(const std::string& key, const std::string& value);
    void texts(const std::string& key, const std::vector<std::string>& values);
    void integer(const std::string& key, long long value);
    void integers(const std::string& key, const std::vector<long long>& values);
    // Nine significant digits: every float reads back to the same float.
    void decimal(const std::string& key, float value);

    // The file text, with any group still open closed.
    std::string result() const;
    // SaveText of result(): write beside, then replace. False when it failed;
    // the previous file is then untouched.
    bool save(const std::string& path) const;

    // What a text value reads back as.
    static std::string cleanText(const std::string& value);
    // What a key or group name reads back as.
    static std::string cleanName(const std::string& name);
    // The float as written: "%#.9g" (0.5 gives 0.500000000); NaN gives 0 and
    // infinities the largest float, since only decimal numbers read back.
    static std::string formatFloat(float value);

private:
    void line(const std::string& content);
    void entry(const std::string& key, const std::string& values);

    std::string indent_;
    std::string text_;
    int depth_ = 0;
};
