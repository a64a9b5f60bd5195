#include "shell/media/image.h"

#include <algorithm>

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

// An image of `count` cells of cellW x cellH from `first`, cut from a picture
// of pictureW x pictureH; the pixels, when given, are masked by the flags.
TImagePtr makeImage(int pictureW, int pictureH, int flags, int cellW, int cellH, int first, int count) {
    auto image = std::make_shared<TImage>();
    image->flags = normalisedFlags(flags);
    image->width = cellW;
    image->height = cellH;
    image->source.width = pictureW;
    image->source.height = pictureH;
    const int columns = pictureW / cellW;
    for (int i = first; i < first + count; ++i) {
        image->frames.push_back({(i % columns) * cellW, (i / columns) * cellH});
    }
    return image;
}

// The size of the picture in the file; false when it is missing or not a
// picture the game can show.
bool readPictureSize(const std::string& path, int& w, int& h) {
    auto bytes = media::readFileBytes(path);
    return bytes && media::pictureSize(*bytes, w, h);
}

// Every picture loaded from a file and still alive, for reloading those a
// change of the content overlay replaces.
std::vector<std::weak_ptr<TImage>>& filedImages() {
    static std::vector<std::weak_ptr<TImage>> images;
    return images;
}

void rememberFiled(const TImagePtr& image) {
    auto& images = filedImages();
    if (images.size() == images.capacity()) {
        std::erase_if(images, [](const std::weak_ptr<TImage>& w) { return w.expired(); });
    }
    images.push_back(image);
}

// Reads the picture's file again: its size (cells keep their grid), and its
// pixels and texture the next time it is drawn.
void reloadFromFile(TImage& image) {
    int w = 0, h = 0;
    if (!readPictureSize(image.path, w, h)) return;
    const int columns = std::max(1, image.source.width / std::max(1, image.width));
    const int rows = std::max(1, image.source.height / std::max(1, image.height));
    const bool midHandle = image.handle_x == float(image.width) * 0.5f && image.handle_y == float(image.height) * 0.5f;
    media::backend::forgetTexture(image);
    std::vector<uint32_t>().swap(image.source.pixels);
    const int cellW = w / columns, cellH = h / rows;
    for (TImage::Frame& f : image.frames) {
        f = {(f.x / std::max(1, image.width)) * cellW, (f.y / std::max(1, image.height)) * cellH};
    }
    image.source.width = w;
    image.source.height = h;
    image.width = cellW;
    image.height = cellH;
    if (midHandle) {
        image.handle_x = float(cellW) * 0.5f;
        image.handle_y = float(cellH) * 0.5f;
    }
}

}  // namespace

void media::reloadOverlaidImages(const std::string& previousOverlay) {
    for (const std::weak_ptr<TImage>& w : filedImages()) {
        const TImagePtr image = w.lock();
        if (!image) continue;
        if (!overlaidPath(previousOverlay, image->path).empty() ||
            !overlaidPath(contentOverlay(), image->path).empty())
            reloadFromFile(*image);
    }
}

TPixmapPtr LoadPixmap(const std::string& path) {
    auto bytes = media::readFileBytes(path);
    if (!bytes) return nullptr;
    return media::decodePicture(*bytes);
}

TImagePtr LoadImage(const std::string& path, int flags) {
    int w = 0, h = 0;
    if (!readPictureSize(path, w, h)) return nullptr;
    TImagePtr image = makeImage(w, h, flags, w, h, 0, 1);
    image->path = path;
    rememberFiled(image);
    return image;
}

bool ensurePixels(TImage& image) {
    if (!image.source.pixels.empty()) return true;
    if (image.path.empty()) return false;
    auto bytes = media::readFileBytes(image.path);
    if (!bytes) return false;
    bool hasAlpha = false;
    TPixmapPtr pix = media::decodePicture(*bytes, &hasAlpha);
    // The file must still be the picture that was cut into frames.
    if (!pix || pix->width != image.source.width || pix->height != image.source.height) return false;
    if ((image.flags & MASKEDIMAGE) && !hasAlpha) applyMask(*pix);
    image.source.pixels = std::move(pix->pixels);
    return true;
}

bool pictureDecodes(TImage& image) {
    if (!image.source.pixels.empty()) return true;
    if (!ensurePixels(image)) return false;
    // Decoded again when first drawn: a picture not shown costs no memory.
    std::vector<uint32_t>().swap(image.source.pixels);
    return true;
}

TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0) return nullptr;
    // A picture made in memory has no file to decode again: it keeps its pixels.
    TImagePtr image = makeImage(pixmap->width, pixmap->height, flags, pixmap->width, pixmap->height, 0, 1);
    image->source.pixels = pixmap->pixels;
    return image;
}

TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount,
                        int flags) {
    if (cellWidth <= 0 || cellHeight <= 0 || firstCell < 0 || cellCount <= 0) return nullptr;
    int w = 0, h = 0;
    if (!readPictureSize(path, w, h)) return nullptr;
    const int columns = w / cellWidth;
    const int rows = h / cellHeight;
    if (columns == 0 || rows == 0 || firstCell + cellCount > columns * rows) return nullptr;
    TImagePtr image = makeImage(w, h, flags, cellWidth, cellHeight, firstCell, cellCount);
    image->path = path;
    rememberFiled(image);
    return image;
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
