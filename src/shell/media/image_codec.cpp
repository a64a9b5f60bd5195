// Picture decoders (PNG, JPEG, BMP) and the PNG writer for screenshots.
#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

#include "shell/media/files.h"
#include "shell/media/image.h"

namespace media {

namespace {

// The largest picture the game decodes: a hostile file cannot make it
// allocate more than 64 MB for one picture.
constexpr unsigned kMaxSide = 4096;
bool saneSize(unsigned w, unsigned h) { return w > 0 && h > 0 && w <= kMaxSide && h <= kMaxSide; }

TPixmapPtr decodePng(const std::vector<uint8_t>& bytes, bool& hasAlpha) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return nullptr;
    hasAlpha = (img.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    if (!saneSize(img.width, img.height)) {
        png_image_free(&img);
        return nullptr;
    }
    img.format = PNG_FORMAT_BGRA;  // little-endian 0xAARRGGBB words
    auto pix = std::make_shared<TPixmap>(int(img.width), int(img.height));
    if (!png_image_finish_read(&img, nullptr, pix->pixels.data(), 0, nullptr)) {
        png_image_free(&img);
        return nullptr;
    }
    return pix;
}

struct JpegError {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void jpegFail(j_common_ptr info) {
    auto* err = reinterpret_cast<JpegError*>(info->err);
    std::longjmp(err->jump, 1);
}

// Nothing is printed; warnings (level -1: data damaged or cut short) are
// counted, as libjpeg's own handler would.
void jpegSilence(j_common_ptr info, int level) {
    if (level < 0) ++info->err->num_warnings;
}

// libjpeg reports errors by longjmp; this frame owns no C++ objects, so
// jumping out of it skips no destructors. `out` and `row` live in the caller.
bool readJpeg(const std::vector<uint8_t>& bytes, TPixmapPtr& out, std::vector<uint8_t>& row) {
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.emit_message = jpegSilence;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // The size is checked from the header, before anything is decoded.
    if (!saneSize(info.image_width, info.image_height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out = std::make_shared<TPixmap>(int(info.output_width), int(info.output_height));
    row.resize(size_t(info.output_width) * 3);
    TPixmap& pix = *out;
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        int y = int(info.output_scanline);
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < pix.width; ++x) {
            pix.at(x, y) = 0xFF000000u | (uint32_t(row[x * 3]) << 16) | (uint32_t(row[x * 3 + 1]) << 8) | row[x * 3 + 2];
        }
    }
    jpeg_finish_decompress(&info);
    // libjpeg pads a file cut short with grey and only warns of it (as of
    // other damaged data): such a picture is broken, not whole.
    const bool whole = err.mgr.num_warnings == 0;
    jpeg_destroy_decompress(&info);
    return whole;
}

TPixmapPtr decodeJpeg(const std::vector<uint8_t>& bytes) {
    TPixmapPtr pix;
    std::vector<uint8_t> row;
    if (!readJpeg(bytes, pix, row)) return nullptr;
    return pix;
}

uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

// Uncompressed 24- and 32-bit BMP.
TPixmapPtr decodeBmp(const std::vector<uint8_t>& b, bool& hasAlpha) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return nullptr;
    uint32_t offset = le32(&b[10]);
    int32_t w = int32_t(le32(&b[18]));
    int32_t h = int32_t(le32(&b[22]));
    uint16_t bpp = le16(&b[28]);
    uint32_t compression = le32(&b[30]);
    if ((bpp != 24 && bpp != 32) || (compression != 0 && compression != 3)) return nullptr;
    bool bottomUp = h > 0;
    if (h == INT32_MIN) return nullptr;  // no height: and -h would overflow
    if (h < 0) h = -h;
    if (w <= 0 || h <= 0 || !saneSize(unsigned(w), unsigned(h))) return nullptr;
    size_t stride = (size_t(w) * (bpp / 8) + 3) & ~size_t(3);
    if (offset > b.size() || stride * size_t(h) > b.size() - offset) return nullptr;
    hasAlpha = bpp == 32;
    auto pix = std::make_shared<TPixmap>(w, h);
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = &b[offset + stride * size_t(bottomUp ? h - 1 - y : y)];
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = row + x * (bpp / 8);
            uint32_t a = bpp == 32 ? p[3] : 0xFF;
            pix->at(x, y) = (a << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
        }
    }
    return pix;
}

// The JPEG header's size, without decoding; false for a broken header.
bool jpegSize(const std::vector<uint8_t>& bytes, int& w, int& h) {
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.emit_message = jpegSilence;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    const bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    w = int(info.image_width);
    h = int(info.image_height);
    jpeg_destroy_decompress(&info);
    return ok;
}

}  // namespace

bool pictureSize(const std::vector<uint8_t>& bytes, int& w, int& h) {
    w = h = 0;
    bool ok = false;
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), "\x89PNG", 4) == 0) {
        png_image img;
        std::memset(&img, 0, sizeof img);
        img.version = PNG_IMAGE_VERSION;
        ok = png_image_begin_read_from_memory(&img, bytes.data(), bytes.size()) != 0;
        w = int(img.width);
        h = int(img.height);
        png_image_free(&img);
    } else if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
        ok = jpegSize(bytes, w, h);
    } else if (bytes.size() >= 54 && bytes[0] == 'B' && bytes[1] == 'M') {
        w = int32_t(le32(&bytes[18]));
        h = int(std::min<int64_t>(std::abs(int64_t(int32_t(le32(&bytes[22])))), INT32_MAX));
        ok = true;
    }
    return ok && saneSize(unsigned(w), unsigned(h));
}

TPixmapPtr decodePicture(const std::vector<uint8_t>& bytes, bool* hasAlpha) {
    bool alpha = false;
    TPixmapPtr pix;
    if (bytes.size() >= 8 && std::memcmp(bytes.data(), "\x89PNG", 4) == 0) {
        pix = decodePng(bytes, alpha);
    } else if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
        pix = decodeJpeg(bytes);
    } else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        pix = decodeBmp(bytes, alpha);
    }
    if (hasAlpha) *hasAlpha = alpha;
    return pix;
}

TPixmapPtr decodePicture(const std::vector<uint8_t>& bytes) { return decodePicture(bytes, nullptr); }

}  // namespace media

bool SavePixmapPNG(const TPixmap& pixmap, const std::string& path) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = png_uint_32(pixmap.width);
    img.height = png_uint_32(pixmap.height);
    img.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&img, nullptr, &size, 0, pixmap.pixels.data(), 0, nullptr)) return false;
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&img, out.data(), &size, 0, pixmap.pixels.data(), 0, nullptr)) return false;
    return media::writeFileAtomic(path, out.data(), size);
}
