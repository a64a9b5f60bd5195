#pragma once
// The language the game speaks. English is the content itself; every other
// language is a folder lang/CODE of the content (its texts in data/, its
// pictures with words in gfx/) that stands in for the content's own files
// while that language is in use. The choice is kept in a file of its own in
// the save folder; at the first start the desktop's settings choose.
#include <functional>
#include <string>
#include <vector>

namespace language {

inline constexpr const char* kEnglish = "en";
inline constexpr const char* kFolder = "lang";
inline constexpr const char* kChoiceFile = "language.dat";
// Built for the tests, never offered to players: every letter accented and
// every text longer, so an untranslated or clipped text is seen at once.
inline constexpr const char* kPseudo = "pseudo";

// English first, then every language folder holding a text table, by code.
std::vector<std::string> available();
// The languages the settings offer: those above but the pseudo-language.
std::vector<std::string> offered();

// The available language a locale name such as "pt_BR.UTF-8" or "de" asks
// for: the same language and country, else the same language ("pt_BR" to
// "pt", "en_US" to "en"), else that language of another country ("pt" to
// "pt_BR"); "" when none.
std::string match(const std::string& locale, const std::vector<std::string>& languages);
// The desktop's choice: each entry of LANGUAGE's list in turn, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set; English when those
// name nothing available. `variable` reads the environment.
std::string fromEnvironment(const std::vector<std::string>& languages,
                            const std::function<const char*(const char*)>& variable);

// The language kept in the file, "" when there is none or it names none
// of `languages` (a damaged file chooses nothing).
std::string readChoice(const std::string& path, const std::vector<std::string>& languages);
bool saveChoice(const std::string& path, const std::string& code);

// Where a language's files stand: "lang/de"; "" for English.
std::string folderOf(const std::string& code);
// The content file at `path` in that language, whichever language is in
// use: "lang/de/data/teksty.txt", or the content's own for English.
std::string fileOf(const std::string& code, const std::string& path);

// The language in use, English at start.
const std::string& current();
// How many times the language changed: texts made from the table's words
// and kept are made again when it moved on.
int changes();
// Makes the content of `code` stand in for the content's own, and reloads
// the pictures in use that the change replaces. Texts are read again by
// their owners.
void use(const std::string& code);

}  // namespace language
