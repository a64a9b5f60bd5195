#pragma once
// Pictures: loading reads a file's header for its size; the pixels are
// decoded the first time the picture is drawn, uploaded to the GPU, and from
// then on kept in the texture alone, so pictures loaded but not shown cost no
// memory. Collisions read pixels back: a picture collided with decodes its
// file (again) and keeps those pixels.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A plain picture in memory; pixels are 0xAARRGGBB, straight alpha, row-major.
struct TPixmap {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    TPixmap() = default;
    TPixmap(int w, int h, uint32_t fill = 0);
    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    uint32_t& at(int x, int y) { return pixels[size_t(y) * width + x]; }
};
using TPixmapPtr = std::shared_ptr<TPixmap>;

enum ImageFlags : int {
    MASKEDIMAGE = 1,
    FILTEREDIMAGE = 2,
    MIPMAPPEDIMAGE = 4,
    DEFAULT_IMAGE_FLAGS = MASKEDIMAGE | FILTEREDIMAGE,
};

namespace media {
// Where an image's pixels live on the GPU; filled in by the renderer the first
// time the image is drawn.
struct TextureSlot {
    int texture = -1;  // renderer texture index, -1 when not placed yet
    int x = 0, y = 0;  // top-left corner of the source picture in that texture
    bool ownTexture = false;  // a texture of its own rather than a place on a shared page
};
}  // namespace media

struct TImage {
    int width = 0;   // of one frame
    int height = 0;  // of one frame
    int flags = DEFAULT_IMAGE_FLAGS;
    float handle_x = 0;
    float handle_y = 0;
    // Every frame, as cut from the file. Its size is known from loading on;
    // its pixels only while they are needed (see ensurePixels).
    TPixmap source;
    std::string path;  // the file it came from ("" for a picture made in memory)
    struct Frame { int x, y; };  // top-left corner of each frame in `source`
    std::vector<Frame> frames;

    // Pixels that change after loading (a growing glyph atlas) live on a
    // texture of their own instead of a shared page.
    bool changing = false;
    media::TextureSlot slot;  // owned by the renderer
    ~TImage();

    int frameCount() const { return int(frames.size()); }
};
using TImagePtr = std::shared_ptr<TImage>;

// Flags -1 mean the default flags (masked and filtered). None (nullptr) when
// the file is missing or its header is not that of a PNG, JPEG or BMP picture
// the game can show; a picture broken past its header draws nothing.
TImagePtr LoadImage(const std::string& path, int flags = -1);
TImagePtr LoadImage(const TPixmapPtr& pixmap, int flags = -1);
TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight,
                        int firstCell, int cellCount, int flags = -1);
void MidHandleImage(const TImagePtr& image);
void SetImageHandle(const TImagePtr& image, float x, float y);
int ImageWidth(const TImagePtr& image);
int ImageHeight(const TImagePtr& image);

// The image's pixels in `source`: decoded from its file (masked by its
// flags) when they are not there. False when they cannot be had.
bool ensurePixels(TImage& image);
// Whether the image's file decodes whole, as drawing it will need; the
// pixels are not kept.
bool pictureDecodes(TImage& image);
// Decodes a PNG, JPEG or BMP file; nullptr when missing or broken.
TPixmapPtr LoadPixmap(const std::string& path);
// The region of the current back buffer. Without a display: a black pixmap.
TPixmapPtr GrabPixmap(int x, int y, int w, int h);
// 0xAARRGGBB; 0 outside the pixmap.
uint32_t ReadPixel(const TPixmapPtr& pixmap, int x, int y);
bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path);

namespace media {
// After the content overlay changed (setContentOverlay): every picture still
// in use whose file the old or the new overlay holds is read again from the
// file it now resolves to, with that file's size.
void reloadOverlaidImages(const std::string& previousOverlay);
// The size a PNG, JPEG or BMP picture declares in its header, read without
// decoding it; false when the header is broken or the picture larger than
// the game decodes (4096 pixels a side).
bool pictureSize(const std::vector<uint8_t>& bytes, int& w, int& h);
// Decodes PNG, JPEG or BMP bytes; nullptr when broken. `hasAlpha` tells
// whether the picture carried its own alpha channel.
TPixmapPtr decodePicture(const std::vector<uint8_t>& bytes);
TPixmapPtr decodePicture(const std::vector<uint8_t>& bytes, bool* hasAlpha);
}
