#include "art.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

namespace art {

// ---------------------------------------------------------------- colours

Rgb rgb255(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

Rgb hsv(double h, double s, double v) {
    h = std::fmod(h, 360.0);
    if (h < 0) h += 360.0;
    const double c = v * s;
    const double x = c * (1 - std::fabs(std::fmod(h / 60.0, 2.0) - 1));
    const double m = v - c;
    double r = 0, g = 0, b = 0;
    if (h < 60) { r = c; g = x; }
    else if (h < 120) { r = x; g = c; }
    else if (h < 180) { g = c; b = x; }
    else if (h < 240) { g = x; b = c; }
    else if (h < 300) { r = x; b = c; }
    else { r = c; b = x; }
    return {r + m, g + m, b + m};
}

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Rgb lighten(Rgb c, double t) { return mix(c, {1, 1, 1}, t); }
Rgb darken(Rgb c, double t) { return mix(c, {0, 0, 0}, t); }
double luminance(Rgb c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

void setColour(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }
void addStop(cairo_pattern_t* p, double offset, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, offset, c.r, c.g, c.b, alpha);
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

namespace {
std::string g_output;
std::vector<Written> g_written;
bool g_failed = false;
}  // namespace

void setOutputFolder(const std::string& folder) {
    g_output = folder;
    g_written.clear();
    g_failed = false;
}
const std::string& outputFolder() { return g_output; }
const std::vector<Written>& writtenPictures() { return g_written; }
bool anyWriteFailed() { return g_failed; }

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A scene as a baseline JPEG with fixed settings, so the bytes depend only on
// the pixels. Transparent parts come out black: scenes are painted opaque.
bool writeJpeg(cairo_surface_t* surface, const char* path) {
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(cairo_image_surface_get_width(surface));
    info.image_height = JDIMENSION(cairo_image_surface_get_height(surface));
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kJpegQuality, TRUE);
    info.optimize_coding = TRUE;
    jpeg_start_compress(&info, TRUE);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> row(size_t(info.image_width) * 3);
    while (info.next_scanline < info.image_height) {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(data + size_t(info.next_scanline) * stride);
        for (JDIMENSION x = 0; x < info.image_width; ++x) {
            row[x * 3 + 0] = (src[x] >> 16) & 255;
            row[x * 3 + 1] = (src[x] >> 8) & 255;
            row[x * 3 + 2] = src[x] & 255;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

cairo_surface_t* readJpeg(const char* path) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return cairo_image_surface_create(CAIRO_FORMAT_INVALID, 0, 0);
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(info.output_width), int(info.output_height));
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    std::vector<unsigned char> row(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        uint32_t* dst = reinterpret_cast<uint32_t*>(data + size_t(info.output_scanline) * stride);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            dst[x] = 0xff000000u | uint32_t(row[x * 3]) << 16 | uint32_t(row[x * 3 + 1]) << 8 | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    cairo_surface_mark_dirty(surface);
    return surface;
}

}  // namespace

cairo_surface_t* readPicture(const std::string& fullPath) {
    if (endsWith(fullPath, ".jpg")) return readJpeg(fullPath.c_str());
    return cairo_image_surface_create_from_png(fullPath.c_str());
}

bool writePicture(Canvas& canvas, const std::string& relativePath) {
    namespace fs = std::filesystem;
    const fs::path full = fs::path(g_output) / relativePath;
    std::error_code ec;
    fs::create_directories(full.parent_path(), ec);
    cairo_surface_flush(canvas.surface());
    const bool jpeg = endsWith(relativePath, ".jpg");
    if (jpeg ? !writeJpeg(canvas.surface(), full.c_str())
             : cairo_surface_write_to_png(canvas.surface(), full.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "contentgen: cannot write %s\n", full.c_str());
        g_failed = true;
        return false;
    }
    g_written.push_back({relativePath, canvas.width(), canvas.height()});
    return true;
}

// ---------------------------------------------------------------- random

uint32_t Random::next() {
    // xorshift32: tiny, portable and the same on every machine.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}
double Random::uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }
int Random::range(int lo, int hi) { return lo + int(next() % uint32_t(hi - lo + 1)); }

// ---------------------------------------------------------------- blur

namespace {
// One box pass along a line of `n` pixels, `step` bytes apart, for every
// channel; outside the line counts as transparent.
void boxLine(unsigned char* data, int n, int step, int channels, int radius, std::vector<int>& tmp) {
    tmp.resize(size_t(n) * channels);
    const int window = 2 * radius + 1;
    for (int c = 0; c < channels; ++c) {
        int sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            if (i >= 0 && i < n) sum += data[size_t(i) * step + c];
        }
        for (int i = 0; i < n; ++i) {
            tmp[size_t(i) * channels + c] = (sum + window / 2) / window;
            const int out = i - radius;
            const int in = i + radius + 1;
            if (out >= 0) sum -= data[size_t(out) * step + c];
            if (in < n) sum += data[size_t(in) * step + c];
        }
        for (int i = 0; i < n; ++i) data[size_t(i) * step + c] = (unsigned char)tmp[size_t(i) * channels + c];
    }
}
}  // namespace

void blur(cairo_surface_t* surface, double radius) {
    if (radius <= 0.0) return;
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int channels = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_A8 ? 1 : 4;
    unsigned char* data = cairo_image_surface_get_data(surface);
    // Three box passes of this half-width approximate a gaussian of sigma = radius.
    const int box = std::max(1, int(std::lround(std::sqrt(4.0 * radius * radius + 1.0) / 2.0)));
    std::vector<int> tmp;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y) boxLine(data + size_t(y) * stride, w, channels, channels, box, tmp);
        for (int x = 0; x < w; ++x) boxLine(data + size_t(x) * channels, h, stride, channels, box, tmp);
    }
    cairo_surface_mark_dirty(surface);
}

void softSilhouette(cairo_t* cr, int width, int height, double dx, double dy, double radius,
                    Rgb colour, double alpha, const Shape& shape) {
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, width, height);
    cairo_t* m = cairo_create(mask);
    cairo_set_antialias(m, CAIRO_ANTIALIAS_BEST);
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    shape(m);
    cairo_destroy(m);
    blur(mask, radius);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    setColour(cr, colour, alpha);
    cairo_mask_surface(cr, mask, dx, dy);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

// ---------------------------------------------------------------- lettering

namespace {
struct LoadedFace {
    FT_Face ft = nullptr;
    cairo_font_face_t* cairo = nullptr;
};
FT_Library g_ft = nullptr;
LoadedFace g_faces[2];

LoadedFace& loaded(Face face) {
    LoadedFace& f = g_faces[face == Face::Sans ? 0 : 1];
    if (f.cairo) return f;
    if (!g_ft && FT_Init_FreeType(&g_ft) != 0) {
        std::fprintf(stderr, "contentgen: FreeType did not start\n");
        std::exit(1);
    }
    const char* path = face == Face::Sans ? "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
                                          : "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
    if (FT_New_Face(g_ft, path, 0, &f.ft) != 0) {
        std::fprintf(stderr, "contentgen: cannot open the font %s\n", path);
        std::exit(1);
    }
    f.cairo = cairo_ft_font_face_create_for_ft_face(f.ft, 0);
    return f;
}

// The next character of UTF-8 `text` from `at`, which moves past it; false
// at the end or on a broken sequence.
bool nextCharacter(const std::string& text, size_t& at, char32_t& c) {
    if (at >= text.size()) return false;
    const unsigned char lead = (unsigned char)text[at];
    const int more = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    if (more < 0 || at + size_t(more) >= text.size()) return false;
    c = more == 0 ? lead : more == 1 ? lead & 0x1f : more == 2 ? lead & 0x0f : lead & 0x07;
    for (int i = 1; i <= more; ++i) {
        const unsigned char next = (unsigned char)text[at + i];
        if ((next >> 6) != 2) return false;
        c = (c << 6) | (next & 0x3f);
    }
    at += size_t(more) + 1;
    return true;
}
}  // namespace

bool faceHasCharacters(Face face, const std::string& text, std::string* missing) {
    FT_Face ft = loaded(face).ft;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = at;
        char32_t c = 0;
        if (!nextCharacter(text, at, c)) {
            if (missing) *missing = "a broken UTF-8 sequence";
            return false;
        }
        if (FT_Get_Char_Index(ft, FT_ULong(c)) == 0) {
            if (missing) *missing = text.substr(start, at - start);
            return false;
        }
    }
    return true;
}

void setFace(cairo_t* cr, Face face, double size) {
    cairo_set_font_face(cr, loaded(face).cairo);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

double textWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

void textPath(cairo_t* cr, const std::string& text, double x, double y, int align) {
    const double w = textWidth(cr, text);
    const double left = align == 0 ? x : align == 1 ? x - w / 2 : x - w;
    cairo_move_to(cr, left, y);
    cairo_text_path(cr, text.c_str());
}

void releaseFonts() {
    for (LoadedFace& f : g_faces) {
        if (f.cairo) cairo_font_face_destroy(f.cairo);
        // cairo may still hold the face in its caches; FreeType memory is
        // returned to the system when the generator exits.
        f.cairo = nullptr;
    }
}

// ---------------------------------------------------------------- paths

void circlePath(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry, double angleDeg) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angleDeg * M_PI / 180.0);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotationDeg) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double a = (rotationDeg + i * 180.0 / points) * M_PI / 180.0;
        const double r = (i % 2 == 0) ? outer : inner;
        if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

// ---------------------------------------------------------------- marble

void drawGloss(cairo_t* cr, double cx, double cy, double r, double strength) {
    // Broad window reflection, upper left.
    cairo_save(cr);
    ellipsePath(cr, cx - 0.22 * r, cy - 0.42 * r, 0.62 * r, 0.40 * r, -25);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - 0.3 * r, cy - 0.85 * r, cx - 0.1 * r, cy - 0.02 * r);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 1, 0.85 * strength);
    cairo_pattern_add_color_stop_rgba(g, 0.55, 1, 1, 1, 0.30 * strength);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Sharp sparkle.
    const double sx = cx - 0.42 * r, sy = cy - 0.46 * r, sr = std::max(0.9, 0.16 * r);
    cairo_pattern_t* s = cairo_pattern_create_radial(sx, sy, 0, sx, sy, sr);
    cairo_pattern_add_color_stop_rgba(s, 0.0, 1, 1, 1, 1.0 * strength);
    cairo_pattern_add_color_stop_rgba(s, 0.5, 1, 1, 1, 0.8 * strength);
    cairo_pattern_add_color_stop_rgba(s, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, s);
    circlePath(cr, sx, sy, sr);
    cairo_fill(cr);
    cairo_pattern_destroy(s);
    cairo_restore(cr);
}

void drawMarble(cairo_t* cr, double cx, double cy, double r, Rgb base, const Shape& inner,
                const MarbleStyle& style) {
    cairo_save(cr);
    if (style.shadow > 0) {
        cairo_surface_t* target = cairo_get_target(cr);
        const int w = cairo_image_surface_get_width(target);
        const int h = cairo_image_surface_get_height(target);
        double ux = cx, uy = cy;
        cairo_user_to_device(cr, &ux, &uy);
        double ur = r, dummy = 0;
        cairo_user_to_device_distance(cr, &ur, &dummy);
        const double off = std::max(0.7, ur * 0.10);
        softSilhouette(cr, w, h, off, off * 1.2, std::max(0.6, ur * 0.08), {0, 0, 0}, style.shadow,
                       [&](cairo_t* m) {
                           circlePath(m, ux, uy, ur * 0.96);
                           cairo_fill(m);
                       });
    }
    // Body: lit from the upper left, deepening toward the lower right.
    cairo_pattern_t* body = cairo_pattern_create_radial(cx - 0.38 * r, cy - 0.42 * r, 0.05 * r, cx, cy, r * 1.02);
    addStop(body, 0.0, lighten(base, 0.55));
    addStop(body, 0.35, lighten(base, 0.12));
    addStop(body, 0.72, base);
    addStop(body, 1.0, darken(base, 0.5));
    circlePath(cr, cx, cy, r);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);

    // Light passing through the glass gathers at the lower right.
    cairo_save(cr);
    circlePath(cr, cx, cy, r);
    cairo_clip(cr);
    cairo_pattern_t* bounce = cairo_pattern_create_radial(cx + 0.42 * r, cy + 0.5 * r, 0, cx + 0.42 * r, cy + 0.5 * r, 0.62 * r);
    addStop(bounce, 0.0, lighten(base, 0.6), 0.55);
    addStop(bounce, 1.0, lighten(base, 0.6), 0.0);
    cairo_set_source(cr, bounce);
    cairo_paint(cr);
    cairo_pattern_destroy(bounce);
    if (inner) inner(cr);
    cairo_restore(cr);

    // Rim.
    if (style.outline > 0) {
        double lw = std::max(1.0, r * 0.07), d = 0;
        cairo_device_to_user_distance(cr, &lw, &d);
        lw = std::max(lw, r * 0.07);
        circlePath(cr, cx, cy, r - lw / 2);
        setColour(cr, darken(base, 0.62), style.outline);
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
    }
    if (style.specular) drawGloss(cr, cx, cy, r);
    cairo_restore(cr);
}

void paintScaled(cairo_t* dst, cairo_surface_t* src, double x, double y, double w, double h) {
    const double sw = cairo_image_surface_get_width(src);
    const double sh = cairo_image_surface_get_height(src);
    cairo_save(dst);
    cairo_translate(dst, x, y);
    cairo_scale(dst, w / sw, h / sh);
    cairo_set_source_surface(dst, src, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(dst), CAIRO_FILTER_GOOD);
    cairo_paint(dst);
    cairo_restore(dst);
}

void toGrey(Canvas& canvas, double brightness) {
    cairo_surface_t* s = canvas.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < canvas.height(); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < canvas.width(); ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            const double r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            // Premultiplied values stay premultiplied: grey <= alpha.
            const double v = std::min<double>(a, (0.3 * r + 0.59 * g + 0.11 * b) * brightness);
            const uint32_t q = uint32_t(std::lround(v));
            row[x] = (a << 24) | (q << 16) | (q << 8) | q;
        }
    }
    cairo_surface_mark_dirty(s);
}

}  // namespace art
