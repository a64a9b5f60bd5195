#include "jpeg_file.h"

#include <cstdio>
#include <csetjmp>
#include <vector>

#include <jpeglib.h>

namespace art {

namespace {

// libjpeg reports fatal errors through a callback that must not return.
struct ErrorTrap {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void onError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->jump, 1); }

}  // namespace

bool saveJpeg(cairo_surface_t* surface, const std::string& path, int quality) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = onError;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&info);
        std::fclose(out);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(w) * 3);
    while (info.next_scanline < info.image_height) {
        // Cairo keeps native-endian premultiplied 0xAARRGGBB words.
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + size_t(info.next_scanline) * size_t(stride));
        for (int x = 0; x < w; ++x) {
            row[size_t(x) * 3 + 0] = (src[x] >> 16) & 255;
            row[size_t(x) * 3 + 1] = (src[x] >> 8) & 255;
            row[size_t(x) * 3 + 2] = src[x] & 255;
        }
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(out) == 0;
}

cairo_surface_t* loadJpeg(const std::string& path) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return cairo_image_surface_create(CAIRO_FORMAT_INVALID, 0, 0);
    jpeg_decompress_struct info;
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = onError;
    cairo_surface_t* surface = nullptr;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&info);
        std::fclose(in);
        if (surface) cairo_surface_destroy(surface);
        return cairo_image_surface_create(CAIRO_FORMAT_INVALID, 0, 0);
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, in);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const int w = int(info.output_width), h = int(info.output_height);
    surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> row(size_t(w) * 3);
    while (info.output_scanline < info.output_height) {
        uint32_t* dst = reinterpret_cast<uint32_t*>(data + size_t(info.output_scanline) * size_t(stride));
        JSAMPROW line = row.data();
        jpeg_read_scanlines(&info, &line, 1);
        for (int x = 0; x < w; ++x)
            dst[x] = 0xFF000000u | uint32_t(row[size_t(x) * 3]) << 16 | uint32_t(row[size_t(x) * 3 + 1]) << 8 |
                     row[size_t(x) * 3 + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(in);
    cairo_surface_mark_dirty(surface);
    return surface;
}

}  // namespace art
