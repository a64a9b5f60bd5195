#pragma once
// The fonts and pictures every screen shares, and loading a picture the
// player must see.
#include <string>

#include "shell/media/font.h"
#include "shell/media/image.h"

// The one-pixel hit-test picture of the shooting gallery.
extern TImagePtr imgMousePoint;

// The ten image fonts loaded at start-up; other code names a font by its file
// and size.
struct TFontSet {
    TImageFontPtr font_font12, font_font16, font_blueHigh22, font_blueHigh26, font_blueHigh36, font_FONT20,
        font_font16b, font_font18, font_font14, font_font12b;

    void load();
    // The loaded font for "fonts/FILE" at that size (file compared without
    // regard to case), or none.
    TImageFontPtr find(const std::string& file, int size) const;
};
extern TFontSet fonts;

// LoadImage, with a message to the player when the picture is missing.
TImagePtr loadImageOrFail(const std::string& path, int flags = -1);
