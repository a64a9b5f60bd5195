#include "gui/rgm_font.h"

#include "datafiles/fatal_error.h"
#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"

std::vector<std::unique_ptr<TRGMFont>> guiFonts;

TRGMFont* TRGMFont::createFromList(const std::string& name, const GuiDeclaration& declaration) {
    int size = 12;
    std::string path;
    for (const TSimpleEntry& setting : declaration.settings) {
        const std::string key = upperCase(setting._typ);
        if (key == "SIZE") {
            size = settingInteger(setting._value);
        } else if (key == "URL") {
            if (!LoadImageFont(setting._value, 12, SMOOTHFONT))
                fatalError("Nie moge znalezc czcionki : " + setting._value);
            path = setting._value;
        }
    }
    if (path.empty()) fatalError("Nie podano scierzki do czcionki.");
    auto font = std::make_unique<TRGMFont>();
    // A size the renderer cannot make leaves no font: its widgets then
    // write in the built-in one.
    font->_font = LoadImageFont(path, size, SMOOTHFONT);
    font->_id = name;
    guiFonts.push_back(std::move(font));
    return guiFonts.back().get();
}

TRGMFont* TRGMFont::getByID(const std::string& id) {
    for (const auto& font : guiFonts) {
        if (sameIgnoringCase(font->_id, id)) return font.get();
    }
    return nullptr;
}

TImageFontPtr settingFont(const GuiDeclaration& declaration) {
    const std::string* id = declaration.find("FONT");
    if (!id) return nullptr;
    TRGMFont* font = TRGMFont::getByID(*id);
    if (!font) fatalError("Nie znaleziono czcionki : " + *id);
    return font->_font;
}
