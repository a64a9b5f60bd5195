#include "shell/assets.h"

#include <strings.h>

#include "shell/media/media.h"

TImagePtr imgMousePoint;
TFontSet fonts;

void TFontSet::load() {
    font_font12 = LoadImageFont("fonts/font.ttf", 12, SMOOTHFONT);
    font_font16 = LoadImageFont("fonts/font.ttf", 16, SMOOTHFONT);
    font_blueHigh22 = LoadImageFont("fonts/blueHigh.ttf", 22, SMOOTHFONT);
    font_blueHigh26 = LoadImageFont("fonts/blueHigh.ttf", 26, SMOOTHFONT);
    font_blueHigh36 = LoadImageFont("fonts/blueHigh.ttf", 36, SMOOTHFONT);
    font_FONT20 = LoadImageFont("fonts/FONT.ttf", 20, SMOOTHFONT);
    font_font16b = LoadImageFont("fonts/font.ttf", 16, SMOOTHFONT);
    font_font18 = LoadImageFont("fonts/font.ttf", 18, SMOOTHFONT);
    font_font14 = LoadImageFont("fonts/font.ttf", 14, SMOOTHFONT);
    font_font12b = LoadImageFont("fonts/font.ttf", 12, SMOOTHFONT);
}

TImageFontPtr TFontSet::find(const std::string& file, int size) const {
    std::string name = file;
    if (name.size() > 6 && strncasecmp(name.c_str(), "fonts/", 6) == 0) name = name.substr(6);
    const bool plain = strcasecmp(name.c_str(), "font.ttf") == 0;
    const bool blueHigh = strcasecmp(name.c_str(), "blueHigh.ttf") == 0;
    if (plain) {
        switch (size) {
            case 12: return font_font12;
            case 14: return font_font14;
            case 16: return font_font16;
            case 18: return font_font18;
            case 20: return font_FONT20;
            default: return nullptr;
        }
    }
    if (blueHigh) {
        switch (size) {
            case 22: return font_blueHigh22;
            case 26: return font_blueHigh26;
            case 36: return font_blueHigh36;
            default: return nullptr;
        }
    }
    return nullptr;
}

TImagePtr loadImageOrFail(const std::string& path, int flags) {
    TImagePtr image = LoadImage(path, flags);
    // Loading reads the header only: a picture damaged past it must be
    // found now, to be said as a missing one is, not drawn as nothing.
    if (image && !pictureDecodes(*image)) image = nullptr;
    if (!image) Notify("Couldn't load image file: " + path + " - program will probably crash!", 0);
    return image;
}
