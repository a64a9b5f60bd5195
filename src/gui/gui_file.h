#pragma once
// The reader of .gui files: the widgets of a screen, one declaration each.
//
//   BUTTON play {
//       TYP = SIMPLE_BUTTON
//       POSITION = "400 300"
//       GFX = "gfx/gui/menu/play.png"
//   }
//
// A declaration is a kind, a widget name and a braced body of KEY = value
// settings; values with blanks are quoted. BAR declarations may also nest
// named blocks ("MENU file { TITLE = File }"). The reader only cuts the text
// into declarations; the container builds the widgets from them. Mistakes in
// the file are fatal (fatalError).
#include <memory>
#include <string>
#include <vector>

// One KEY = value setting, both as written.
struct TSimpleEntry {
    std::string _typ;
    std::string _value;
};

struct TSmallObject;

// A child of a nested block: a setting, or a deeper block.
struct TSmallObjectItem {
    TSimpleEntry entry;                   // when block is empty
    std::unique_ptr<TSmallObject> block;
};

// A nested block inside a BAR declaration.
struct TSmallObject {
    TSmallObject() = default;
    TSmallObject(TSmallObject&&) = default;
    TSmallObject& operator=(TSmallObject&&) = default;
    // Frees nested blocks one by one, so no nesting depth can exhaust the stack.
    ~TSmallObject();

    std::string _typ;   // the block's kind word, as written
    std::string _name;
    std::vector<TSmallObjectItem> _tokeny;  // in file order
};

// One declaration, ready for the container.
struct GuiDeclaration {
    std::string kind;                    // upper-cased: "BUTTON", "TEXT", "ANIM", "FONT", "BAR" ...
    std::string name;                    // the widget name as written
    std::vector<TSimpleEntry> settings;  // in file order
    std::vector<TSmallObject> blocks;    // BAR only, in file order

    // The value of the last setting with this key (keys compare upper-cased),
    // or nullptr when the key is absent.
    const std::string* find(const std::string& key) const;
    // The same, with a default for an absent key.
    std::string value(const std::string& key, const std::string& otherwise = "") const;
};

// First pass: the tokens of the text. Blanks (space, tab, line feed) outside
// double quotes separate tokens; quotes are dropped; tokens are trimmed, and
// empty ones are kept.
std::vector<std::string> tokenizeGuiText(const std::string& text);

// Tokenizer and grouping: one token list per declaration (kind, name, "{",
// body), without the closing brace. Braces are counted after quotes were
// removed, so a quoted brace counts too.
std::vector<std::vector<std::string>> stworzListyTokenow(const std::string& text);

// Reads one declaration's token list. Fatal ("Nieprawidlowy wpis :" + token)
// when a token other than "=" follows a key outside BAR.
GuiDeclaration readGuiDeclaration(const std::vector<std::string>& tokens);

// Every declaration of the text / of the file, in order. A missing file reads
// as an empty one: whoever opens a .gui file checks that it exists first.
std::vector<GuiDeclaration> readGuiText(const std::string& text);
std::vector<GuiDeclaration> loadGuiFile(const std::string& url);
