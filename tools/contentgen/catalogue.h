#pragma once
// The words painted into pictures, in the player's language. Every label a
// player sees is written in English as tr("...") where it is drawn, with a
// "// Translators:" comment on the line before it saying where it is seen
// and how much room it has; scripts/translations extracts both into
// po/vornell.pot. Labels kept in tables are marked N_("...") and passed
// through tr() where they are drawn.
//
// A language run reads one GNU gettext catalogue (LANG.po) and draws only
// the pictures that carry words, with the catalogue's translations; a label
// the catalogue does not translate keeps its English.
#include <map>
#include <string>

// Marks a table's label for extraction; tr() translates it where drawn.
#define N_(english) english

namespace catalogue {

class Catalogue {
public:
    // Reads a PO file. False, with `error` naming the file and line, when it
    // cannot be read or a line cannot be understood.
    bool read(const std::string& path, std::string& error);
    // The same from the text of a PO file; `name` is used in errors.
    bool parse(const std::string& text, const std::string& name, std::string& error);

    // The translation of `msgid` in `context` ("" for none), or nullptr when
    // the catalogue has none: untranslated, fuzzy and obsolete entries and
    // the header do not count.
    const std::string* find(const std::string& msgid, const std::string& context = "") const;
    size_t size() const { return translations_.size(); }

private:
    std::map<std::string, std::string> translations_;  // context '\4' msgid -> msgstr
};

// The catalogue tr() translates with; nullptr (the default) for English.
// A run with a catalogue is a language run.
void use(const Catalogue* catalogue);
bool languageRun();

// The label in the language of the run: the catalogue's translation, or
// the English when there is none.
std::string tr(const char* english);

}  // namespace catalogue
