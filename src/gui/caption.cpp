#include "gui/caption.h"

#include "shell/media/media.h"

void drawSpecText(const std::string& text, int x, int y, const TRGB& main, const TRGB& outline, int align,
                  float alpha) {
    SetColor(0, 0, 0);
    SetAlpha(0.6f * alpha);
    if (align == 0) x -= TextWidth(text) / 2;
    else if (align == 2) x -= TextWidth(text);
    const float fx = float(x), fy = float(y);
    DrawText(text, fx + 3, fy + 3);
    SetAlpha(alpha);
    SetColor(outline.r, outline.g, outline.b);
    drawOutline(text, fx, fy);
    SetColor(main.r, main.g, main.b);
    DrawText(text, fx, fy);
}

TImageFontPtr fittingFont(std::initializer_list<const std::string*> texts, std::initializer_list<TImageFontPtr> sizes,
                          int room) {
    TImageFontPtr chosen;
    for (const TImageFontPtr& font : sizes) {
        if (!font) continue;
        chosen = font;
        bool all = true;
        for (const std::string* text : texts) all = all && font->textWidth(*text) <= room;
        if (all) break;
    }
    return chosen;
}

void drawOutline(const std::string& text, float x, float y) {
    DrawText(text, x - 1, y - 1);
    DrawText(text, x + 1, y - 1);
    DrawText(text, x - 1, y + 1);
    DrawText(text, x + 1, y + 1);
}
