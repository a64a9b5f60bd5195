#include "scene.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace scene {

using namespace art;

// ---------------------------------------------------------------- noise

namespace {

uint32_t hash(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double cell(int x, int y, uint32_t seed) { return hash(x, y, seed) / 4294967296.0; }

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double noise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = int(fx), iy = int(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = cell(ix, iy, seed), b = cell(ix + 1, iy, seed);
    const double c = cell(ix, iy + 1, seed), d = cell(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fbm(double x, double y, uint32_t seed, int octaves) {
    double sum = 0, weight = 0.5, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += noise(x, y, seed + uint32_t(o) * 101u) * weight;
        total += weight;
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 5.3;
        weight *= 0.5;
    }
    return sum / total;
}

// ---------------------------------------------------------------- painting

Painting::Painting(int width, int height) : width_(width), height_(height), canvas_(width * 2, height * 2) {
    cairo_scale(canvas_.cr(), 2, 2);
}

void Painting::finish(Canvas& out, uint32_t seed, double grain) const {
    cairo_surface_flush(canvas_.surface());
    cairo_t* cr = out.cr();
    cairo_save(cr);
    setColour(cr, {0, 0, 0});
    cairo_paint(cr);
    cairo_scale(cr, double(out.width()) / canvas_.width(), double(out.height()) / canvas_.height());
    cairo_set_source_surface(cr, canvas_.surface(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    // Film grain: a pixel's worth of deterministic noise, so even a plain
    // gradient has a painted surface and does not band.
    cairo_surface_t* s = out.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < out.height(); ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < out.width(); ++x) {
            const double n = (cell(x, y, seed) - 0.5) * 2 * grain;
            uint32_t p = row[x];
            int channel[3] = {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
            for (int& c : channel) c = std::clamp(int(std::lround(c + n)), 0, 255);
            row[x] = 0xff000000u | uint32_t(channel[0]) << 16 | uint32_t(channel[1]) << 8 | uint32_t(channel[2]);
        }
    }
    cairo_surface_mark_dirty(s);
}

// ---------------------------------------------------------------- soft shapes

namespace {

// The device-space box of a user-space box, padded and clipped to the target.
struct DeviceBox {
    int x = 0, y = 0, w = 0, h = 0;
};

DeviceBox deviceBox(cairo_t* cr, double x0, double y0, double x1, double y1, double pad) {
    double xs[4] = {x0, x1, x0, x1}, ys[4] = {y0, y0, y1, y1};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (int i = 0; i < 4; ++i) {
        cairo_user_to_device(cr, &xs[i], &ys[i]);
        minX = std::min(minX, xs[i]);
        maxX = std::max(maxX, xs[i]);
        minY = std::min(minY, ys[i]);
        maxY = std::max(maxY, ys[i]);
    }
    cairo_surface_t* target = cairo_get_target(cr);
    const int tw = cairo_image_surface_get_width(target), th = cairo_image_surface_get_height(target);
    DeviceBox b;
    b.x = std::max(0, int(std::floor(minX - pad)));
    b.y = std::max(0, int(std::floor(minY - pad)));
    b.w = std::min(tw, int(std::ceil(maxX + pad))) - b.x;
    b.h = std::min(th, int(std::ceil(maxY + pad))) - b.y;
    return b;
}

double deviceScale(cairo_t* cr) {
    double dx = 1, dy = 0;
    cairo_user_to_device_distance(cr, &dx, &dy);
    return std::hypot(dx, dy);
}

}  // namespace

void soft(cairo_t* cr, double x0, double y0, double x1, double y1, double radius, Rgb colour, double alpha,
          const Shape& shape) {
    const double r = radius * deviceScale(cr);
    const DeviceBox b = deviceBox(cr, x0, y0, x1, y1, std::ceil(r * 3) + 2);
    if (b.w <= 0 || b.h <= 0) return;
    cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, b.w, b.h);
    cairo_t* m = cairo_create(mask);
    cairo_matrix_t matrix;
    cairo_get_matrix(cr, &matrix);
    matrix.x0 -= b.x;
    matrix.y0 -= b.y;
    cairo_set_matrix(m, &matrix);
    cairo_set_source_rgba(m, 0, 0, 0, 1);
    shape(m);
    cairo_destroy(m);
    blur(mask, r);
    cairo_save(cr);
    cairo_identity_matrix(cr);
    setColour(cr, colour, alpha);
    cairo_mask_surface(cr, mask, b.x, b.y);
    cairo_restore(cr);
    cairo_surface_destroy(mask);
}

void mottle(cairo_t* cr, double x0, double y0, double x1, double y1, const Shape& shape, Rgb dark, Rgb light,
            double scale, double strength, uint32_t seed) {
    if (strength <= 0) return;
    // The texture is smooth at the pixel level, so it is computed at one
    // sample per picture pixel and stretched over the device pixels.
    const double step = std::max(1.0, deviceScale(cr));
    const DeviceBox b = deviceBox(cr, x0, y0, x1, y1, step + 1);
    if (b.w <= 0 || b.h <= 0) return;
    const int tw = int(std::ceil(b.w / step)) + 1, th = int(std::ceil(b.h / step)) + 1;
    cairo_matrix_t toUser;
    cairo_get_matrix(cr, &toUser);
    cairo_matrix_invert(&toUser);
    cairo_surface_t* tex = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th);
    unsigned char* data = cairo_image_surface_get_data(tex);
    const int stride = cairo_image_surface_get_stride(tex);
    for (int y = 0; y < th; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
        for (int x = 0; x < tw; ++x) {
            double ux = b.x + (x + 0.5) * step, uy = b.y + (y + 0.5) * step;
            cairo_matrix_transform_point(&toUser, &ux, &uy);
            const double t = std::clamp((fbm(ux / scale, uy / scale, seed, 3) - 0.5) * 3.0, -1.0, 1.0);
            const Rgb c = t < 0 ? dark : light;
            const double a = std::fabs(t) * strength;
            const auto ch = [&](double v) { return uint32_t(std::lround(v * a * 255)); };
            row[x] = uint32_t(std::lround(a * 255)) << 24 | ch(c.r) << 16 | ch(c.g) << 8 | ch(c.b);
        }
    }
    cairo_surface_mark_dirty(tex);
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    cairo_clip(cr);
    cairo_identity_matrix(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_scale(cr, step, step);
    cairo_set_source_surface(cr, tex, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(tex);
}

// ---------------------------------------------------------------- ridges

double Ridge::top(double x) const {
    const double u = x / wavelength;
    double f = 0;
    switch (kind) {
        case Rolling:
            f = std::clamp((fbm(u, 0.37, seed, 3) - 0.25) / 0.5, 0.0, 1.0);
            break;
        case Peaks: {
            // Ridged noise: sharp crests, wide valleys.
            const double a = 1 - std::fabs(2 * noise(u, 0.5, seed) - 1);
            const double b = 1 - std::fabs(2 * noise(u * 2.7, 3.5, seed + 7) - 1);
            f = std::clamp(std::pow(a, 1.6) * 0.8 + b * b * 0.25, 0.0, 1.0);
            break;
        }
        case Mesas: {
            // Flat tops with steep sides.
            const double n = fbm(u, 0.5, seed, 2);
            const double step = std::clamp((n - 0.47) / 0.06, 0.0, 1.0);
            f = smooth(step) * (0.85 + 0.15 * noise(u * 6, 1.5, seed + 3)) + 0.06 * noise(u * 9, 2.5, seed + 5);
            break;
        }
        case Dunes: {
            // Long windward slopes, short steep slip faces.
            const double p = u + 0.35 * noise(u * 0.7, 4.5, seed);
            const double frac = p - std::floor(p);
            const double shape = frac < 0.78 ? smooth(frac / 0.78) : smooth((1 - frac) / 0.22);
            const double height = 0.55 + 0.45 * noise(std::floor(p), 9.5, seed + 11);
            f = shape * height;
            break;
        }
        case Flat:
            f = fbm(u, 0.5, seed, 3) * 0.3;
            break;
    }
    return base - amplitude * f;
}

void Ridge::path(cairo_t* cr, double x0, double x1, double bottom) const {
    cairo_move_to(cr, x0, bottom);
    for (double x = x0; x < x1; x += 2) cairo_line_to(cr, x, top(x));
    cairo_line_to(cr, x1, top(x1));
    cairo_line_to(cr, x1, bottom);
    cairo_close_path(cr);
}

void fillRidge(cairo_t* cr, const Ridge& ridge, double x0, double x1, double bottom, Rgb lit, Rgb shade, Rgb rim,
               double rimAlpha, double texture) {
    const double high = ridge.base - ridge.amplitude;
    ridge.path(cr, x0, x1, bottom);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, high, 0, bottom);
    addStop(g, 0.0, lit);
    addStop(g, 1.0, shade);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    mottle(
        cr, x0, high, x1, bottom, [&](cairo_t* c) { ridge.path(c, x0, x1, bottom); }, darken(shade, 0.3),
        lighten(lit, 0.3), std::max(6.0, ridge.wavelength / 12), texture, ridge.seed + 99);
    if (rimAlpha <= 0) return;
    cairo_save(cr);
    ridge.path(cr, x0, x1, bottom);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double x = x0; x < x1; x += 2) cairo_line_to(cr, x, ridge.top(x));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, rim, rimAlpha * 0.35);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    setColour(cr, rim, rimAlpha);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- sky

void glow(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    addStop(g, 0.0, colour, alpha);
    addStop(g, 0.25, colour, alpha * 0.55);
    addStop(g, 0.6, colour, alpha * 0.15);
    addStop(g, 1.0, colour, 0);
    circlePath(cr, x, y, r);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void sky(cairo_t* cr, double width, double horizonY, Rgb top, Rgb horizon, Rgb light, double sunX, double sunY,
         double glowRadius) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, horizonY);
    addStop(g, 0.0, top);
    addStop(g, 0.6, mix(top, horizon, 0.55));
    addStop(g, 1.0, horizon);
    cairo_rectangle(cr, 0, 0, width, horizonY * 2);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    glow(cr, sunX, sunY, glowRadius, light, 0.55);
    glow(cr, sunX, sunY, glowRadius * 0.25, lighten(light, 0.6), 0.8);
}

void cloud(cairo_t* cr, double x, double y, double w, Rgb lit, Rgb shade, double alpha, uint32_t seed) {
    Random rnd(seed);
    struct Puff {
        double x, y, r;
    };
    std::vector<Puff> puffs;
    const int n = 5 + int(w / 40);
    for (int i = 0; i < n; ++i) {
        const double t = (i + 0.5) / n - 0.5;
        const double r = w * (0.16 + 0.12 * (1 - std::fabs(t) * 2)) * rnd.uniform(0.8, 1.2);
        puffs.push_back({x + t * w * 0.8, y - r * 0.45 + rnd.uniform(-0.05, 0.05) * w, r});
    }
    const double h = w * 0.45;
    auto body = [&](cairo_t* c, double shrink, double dy) {
        for (const Puff& p : puffs) circlePath(c, p.x, p.y + dy, p.r * shrink);
        cairo_rectangle(c, x - w * 0.45, y - w * 0.05 + dy, w * 0.9, w * 0.08);
        cairo_fill(c);
    };
    soft(cr, x - w, y - h * 1.5, x + w, y + h, w * 0.015, shade, alpha, [&](cairo_t* c) { body(c, 1.0, 0); });
    soft(cr, x - w, y - h * 1.5, x + w, y + h, w * 0.03, lit, alpha, [&](cairo_t* c) { body(c, 0.86, -w * 0.06); });
}

}  // namespace scene
