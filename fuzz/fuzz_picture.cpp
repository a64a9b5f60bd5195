// Pictures (PNG, JPEG, BMP): any bytes are refused or decode to the size
// their header gives, never beyond the largest side the game accepts, and
// the size check agrees with the decoder.
#include <cstdint>
#include <vector>

#include "shell/media/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    int w = 0, h = 0;
    const bool sized = media::pictureSize(bytes, w, h);
    bool alpha = false;
    const TPixmapPtr pix = media::decodePicture(bytes, &alpha);
    if (!pix) return 0;
    if (pix->width <= 0 || pix->height <= 0 || pix->width > 4096 || pix->height > 4096) __builtin_trap();
    if (pix->pixels.size() != size_t(pix->width) * size_t(pix->height)) __builtin_trap();
    // A picture that decodes has a size the game can read first.
    if (!sized || w != pix->width || h != pix->height) __builtin_trap();
    return 0;
}
