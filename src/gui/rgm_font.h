#pragma once
// Fonts that .gui files declare by name (FONT declarations), for the widgets
// declared after them.
#include <memory>
#include <string>
#include <vector>

#include "shell/media/font.h"

struct GuiDeclaration;

class TRGMFont {
public:
    TImageFontPtr _font;
    std::string _id;

    // Reads a FONT declaration (URL required, SIZE default 12) and registers
    // the font. A missing or unreadable URL is fatal.
    static TRGMFont* createFromList(const std::string& name, const GuiDeclaration& declaration);
    // The first registered font of that id (letter case ignored), or nullptr.
    static TRGMFont* getByID(const std::string& id);
};

// Every font declared so far, in declaration order. Only ever appended to, so
// an id declared again keeps the font of its first declaration.
extern std::vector<std::unique_ptr<TRGMFont>> guiFonts;

// The font of a widget's FONT setting: none when the setting is absent,
// fatal ("Nie znaleziono czcionki : " + id) when no font has that id.
TImageFontPtr settingFont(const GuiDeclaration& declaration);
