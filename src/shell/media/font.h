#pragma once
// Image fonts: glyphs rendered from a TrueType file at a pixel size by
// FreeType, packed into a glyph atlas on demand. A letter the file lacks is
// drawn from the game's fallback face (fonts/font.ttf, which covers every
// script the game is translated into).
#include <memory>
#include <string>

#include "shell/media/image.h"

class TImageFont;
using TImageFontPtr = std::shared_ptr<TImageFont>;

enum FontStyle : int { BOLDFONT = 1, ITALICFONT = 2, SMOOTHFONT = 4 };

// None when the file cannot be read.
TImageFontPtr LoadImageFont(const std::string& path, int size, int style = SMOOTHFONT);

class TImageFont {
public:
    struct Glyph {
        bool rendered = false;
        int advance = 0;
        int x = 0, y = 0, w = 0, h = 0;  // place in the atlas
        int left = 0, top = 0;           // offset from the pen position, y down
    };

    ~TImageFont();
    int height() const { return height_; }
    int size() const { return size_; }
    int textWidth(const std::string& utf8);
    // Whether the font draws that letter: its own face has it, or the
    // fallback face does, which draws the letters a face lacks.
    bool hasLetter(char32_t c) const;
    static constexpr const char* kFallbackFont = "fonts/font.ttf";
    const Glyph& glyph(char32_t c);
    // The atlas picture; grows as glyphs are added.
    const TImagePtr& atlas() const { return atlas_; }
    bool atlasChanged() const { return changed_; }
    void clearAtlasChanged() { changed_ = false; }

    static TImageFontPtr load(const std::string& path, int size, int style);
    static TImageFontPtr builtIn();

private:
    TImageFont() = default;
    bool renderGlyph(char32_t c, Glyph& g);

    struct Impl;
    std::unique_ptr<Impl> impl_;
    int size_ = 0;
    int height_ = 0;
    int ascent_ = 0;
    int penX_ = 1, penY_ = 1, rowHeight_ = 0;
    bool changed_ = true;
    TImagePtr atlas_;
    Glyph latin_[256];
    struct Extra;
    std::unique_ptr<Extra> extra_;
};
