#include "shell/media/font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "shell/media/files.h"

namespace {

FT_Library freetype() {
    static FT_Library library = [] {
        FT_Library lib = nullptr;
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
        return lib;
    }();
    return library;
}

constexpr int kFirstAtlasSize = 256;
constexpr int kMaxAtlasSize = 4096;

}  // namespace

struct TImageFont::Impl {
    // FreeType reads the face from memory; every size of one file shares it.
    std::shared_ptr<const std::vector<uint8_t>> fileBytes;
    FT_Face face = nullptr;
    // The letters the face lacks come from the fallback face, at the same size.
    std::shared_ptr<const std::vector<uint8_t>> fallbackBytes;
    FT_Face fallback = nullptr;
    bool smooth = true;
    ~Impl() {
        if (face) FT_Done_Face(face);
        if (fallback) FT_Done_Face(fallback);
    }
};

namespace {

// The file's bytes, read once for all its sizes and fonts; none when unreadable.
std::shared_ptr<const std::vector<uint8_t>> fontFileBytes(const std::string& path) {
    static std::map<std::string, std::weak_ptr<const std::vector<uint8_t>>> files;
    const std::string file = media::resolvePath(path);
    std::shared_ptr<const std::vector<uint8_t>> bytes = files[file].lock();
    if (!bytes) {
        auto read = media::readFileBytes(path);
        if (!read || read->empty()) return nullptr;
        bytes = std::make_shared<const std::vector<uint8_t>>(std::move(*read));
        files[file] = bytes;
    }
    return bytes;
}

FT_Face openFace(const std::shared_ptr<const std::vector<uint8_t>>& bytes, int size) {
    FT_Face face = nullptr;
    if (FT_New_Memory_Face(freetype(), bytes->data(), FT_Long(bytes->size()), 0, &face) != 0) return nullptr;
    if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(size)) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return face;
}

}  // namespace

struct TImageFont::Extra {
    std::unordered_map<char32_t, Glyph> glyphs;
};

TImageFont::~TImageFont() = default;

TImageFontPtr LoadImageFont(const std::string& path, int size, int style) {
    // Screens name the same fonts again and again: one font (and one glyph
    // atlas) per file, size and style while any screen holds it.
    static std::map<std::tuple<std::string, int, int>, std::weak_ptr<TImageFont>> loaded;
    const auto key = std::make_tuple(media::resolvePath(path), size, style);
    if (TImageFontPtr font = loaded[key].lock()) return font;
    TImageFontPtr font = TImageFont::load(path, size, style);
    if (font) loaded[key] = font;
    return font;
}

TImageFontPtr TImageFont::load(const std::string& path, int size, int style) {
    if (size <= 0 || size > 512 || !freetype()) return nullptr;
    std::shared_ptr<const std::vector<uint8_t>> bytes = fontFileBytes(path);
    if (!bytes) return nullptr;
    TImageFontPtr font(new TImageFont());
    font->impl_ = std::make_unique<Impl>();
    font->extra_ = std::make_unique<Extra>();
    Impl& impl = *font->impl_;
    impl.fileBytes = bytes;
    impl.smooth = (style & SMOOTHFONT) != 0;
    impl.face = openFace(bytes, size);
    if (!impl.face) return nullptr;
    impl.fallbackBytes = fontFileBytes(kFallbackFont);
    if (impl.fallbackBytes && impl.fallbackBytes != bytes) impl.fallback = openFace(impl.fallbackBytes, size);
    font->size_ = size;
    const FT_Size_Metrics& m = impl.face->size->metrics;
    font->ascent_ = int((m.ascender + 63) >> 6);
    font->height_ = int((m.ascender - m.descender + 63) >> 6);
    font->atlas_ = std::make_shared<TImage>();
    font->atlas_->flags = FILTEREDIMAGE;
    font->atlas_->changing = true;
    font->atlas_->source = TPixmap(kFirstAtlasSize, kFirstAtlasSize, 0);
    font->atlas_->width = font->atlas_->height = kFirstAtlasSize;
    font->atlas_->frames.push_back({0, 0});
    // The printable ASCII range up front; anything else the first time it is drawn.
    for (char32_t c = 32; c < 127; ++c) font->glyph(c);
    return font;
}

TImageFontPtr TImageFont::builtIn() {
    for (const char* path : {"fonts/font.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
        if (auto font = load(path, 14, SMOOTHFONT)) return font;
    }
    // No font file anywhere: a font that measures and draws nothing.
    TImageFontPtr empty(new TImageFont());
    empty->extra_ = std::make_unique<Extra>();
    empty->atlas_ = std::make_shared<TImage>();
    empty->height_ = 14;
    return empty;
}

const TImageFont::Glyph& TImageFont::glyph(char32_t c) {
    Glyph* g;
    if (c < 256) {
        g = &latin_[c];
    } else {
        g = &extra_->glyphs[c];
    }
    if (!g->rendered) {
        g->rendered = true;
        if (impl_) renderGlyph(c, *g);
    }
    return *g;
}

int TImageFont::textWidth(const std::string& utf8) {
    int width = 0;
    for (char32_t c : media::fromUtf8(utf8)) width += glyph(c).advance;
    return width;
}

bool TImageFont::hasLetter(char32_t c) const {
    if (!impl_) return false;
    return FT_Get_Char_Index(impl_->face, FT_ULong(c)) != 0 ||
           (impl_->fallback && FT_Get_Char_Index(impl_->fallback, FT_ULong(c)) != 0);
}

bool TImageFont::renderGlyph(char32_t c, Glyph& g) {
    FT_Face face = impl_->face;
    if (impl_->fallback && FT_Get_Char_Index(face, FT_ULong(c)) == 0 &&
        FT_Get_Char_Index(impl_->fallback, FT_ULong(c)) != 0)
        face = impl_->fallback;
    FT_Int32 loadFlags = FT_LOAD_RENDER | (impl_->smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
    if (FT_Load_Char(face, FT_ULong(c), loadFlags) != 0) return false;
    FT_GlyphSlot slot = face->glyph;
    g.advance = int((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bm = slot->bitmap;
    g.w = int(bm.width);
    g.h = int(bm.rows);
    g.left = slot->bitmap_left;
    g.top = ascent_ - slot->bitmap_top;
    if (g.w == 0 || g.h == 0) return true;

    // Next free place in the atlas, 1 pixel apart; the atlas doubles when full.
    TPixmap& pix = atlas_->source;
    if (penX_ + g.w + 1 > pix.width) {
        penX_ = 1;
        penY_ += rowHeight_ + 1;
        rowHeight_ = 0;
    }
    while (penY_ + g.h + 1 > pix.height || g.w + 2 > pix.width) {
        if (pix.width >= kMaxAtlasSize) {
            g.w = g.h = 0;  // no room left: the glyph keeps its advance only
            return false;
        }
        TPixmap bigger(pix.width * 2, pix.height * 2, 0);
        for (int y = 0; y < pix.height; ++y)
            for (int x = 0; x < pix.width; ++x) bigger.at(x, y) = pix.at(x, y);
        pix = std::move(bigger);
        atlas_->width = pix.width;
        atlas_->height = pix.height;
    }
    g.x = penX_;
    g.y = penY_;
    for (int y = 0; y < g.h; ++y) {
        const unsigned char* row = bm.buffer + y * bm.pitch;
        for (int x = 0; x < g.w; ++x) {
            uint32_t a;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
                a = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            } else {
                a = row[x];
            }
            pix.at(g.x + x, g.y + y) = (a << 24) | 0x00FFFFFFu;  // white, shaped by alpha
        }
    }
    penX_ += g.w + 1;
    if (g.h > rowHeight_) rowHeight_ = g.h;
    changed_ = true;
    return true;
}
