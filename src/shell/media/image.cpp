#include "shell/media/image.h"

#include "shell/media/backend.h"
#include "shell/media/files.h"

TPixmap::TPixmap(int w, int h, uint32_t fill) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

TImage::~TImage() { media::backend::releaseTexture(*this); }

namespace {

int normalisedFlags(int flags) { return flags == -1 ? DEFAULT_IMAGE_FLAGS : (flags & 7); }

// Masked pictures without an alpha channel lose their pure-black pixels.
void applyMask(TPixmap& pix) {
    for (uint32_t& p : pix.pixels) {
        if ((p & 0x00FFFFFFu) == 0) p = 0;
    }
}

TImagePtr makeImage(TPixmap&& pixels, bool hasAlpha, int flags, int cellW, int cellH, int first, int count) {
    flags = normalisedFlags(flags);
    if ((flags & MASKEDIMAGE) && !hasAlpha) applyMask(pixels);
    auto image = std::make_shared<TImage>();
    image->flags = flags;
    image->width = cellW;
    image->height = cellH;
    const int columns = pixels.width / cellW;
    for (int i = first; i < first + count; ++i) {
        image->frames.push_back({(i % columns) * cellW, (i / columns) * cellH});
    }
    image->source = std::move(pixels);
    return image;
}

}  // namespace

TPixmapPtr LoadPixmap(const std::string& path) {
    auto bytes = media::readFileBytes(path);
    if (!bytes) return nullptr;
    return media::decodePicture(*bytes);
}

TImagePtr LoadImage(const std::string& path, int flags) {
    auto bytes = media::readFileBytes(path);
    if (!bytes) return nullptr;
    bool hasAlpha = false;
    TPixmapPtr pix = media::decodePicture(*bytes, &hasAlpha);
    if (!pix) return nullptr;
    int w = pix->width, h = pix->height;
    return makeImage(std::move(*pix), hasAlpha, flags, w, h, 0, 1);
}

TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
    TPixmap copy = *pixmap;
    return makeImage(std::move(copy), true, flags, pixmap->width, pixmap->height, 0, 1);
}

TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                        int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
    auto bytes = media::readFileBytes(path);
    if (!bytes) return nullptr;
    bool hasAlpha = false;
    TPixmapPtr pix = media::decodePicture(*bytes, &hasAlpha);
    if (!pix) return nullptr;
    const int columns = pix->width / cellWidth;
    const int rows = pix->height / cellHeight;
    if (columns == 0 || rows == 0 || firstCell + cellCount > columns * rows) return nullptr;
    return makeImage(std::move(*pix), hasAlpha, flags, cellWidth, cellHeight, firstCell, cellCount);
}

void MidHandleImage(const TImagePtr& image) {
    if (!image) return;
    image->handle_x = float(image->width) * 0.5f;
    image->handle_y = float(image->height) * 0.5f;
}

void SetImageHandle(const TImagePtr& image, float x, float y) {
    if (!image) return;
    image->handle_x = x;
    image->handle_y = y;
}

int ImageWidth(const TImagePtr& image) { return image ? image->width : 0; }
int ImageHeight(const TImagePtr& image) { return image ? image->height : 0; }

TPixmapPtr GrabPixmap(int x, int y, int w, int h) {
    auto pix = std::make_shared<TPixmap>(w > 0 ? w : 0, h > 0 ? h : 0, 0xFF000000u);
    media::backend::readPixels(x, y, *pix);
    return pix;
}

uint32_t ReadPixel(const TPixmapPtr& pixmap, int x, int y) {
    if (!pixmap || x < 0 || y < 0 || x >= pixmap->width || y >= pixmap->height) return 0;
    return pixmap->at(x, y);
}
