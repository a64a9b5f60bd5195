#include "scene_kit.h"

#include <algorithm>
#include <cmath>

namespace scene_kit {

using namespace art;

namespace {

void linear(cairo_t* cr, double x0, double y0, double x1, double y1,
            std::initializer_list<std::pair<double, Rgb>> stops) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    for (const auto& [offset, colour] : stops) addStop(g, offset, colour);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
}

// A quadratic curve from the current point, as the cubic cairo draws.
void quadTo(cairo_t* cr, double cx, double cy, double x, double y) {
    double x0 = 0, y0 = 0;
    cairo_get_current_point(cr, &x0, &y0);
    cairo_curve_to(cr, x0 + 2.0 / 3.0 * (cx - x0), y0 + 2.0 / 3.0 * (cy - y0), x + 2.0 / 3.0 * (cx - x),
                   y + 2.0 / 3.0 * (cy - y), x, y);
}

// A wandering line: a few sines of random phase and length, between -1 and 1.
struct Wave {
    double phase[4], length[4];
    Wave(uint32_t seed, double roughness) {
        Random rnd(seed);
        for (int i = 0; i < 4; ++i) {
            phase[i] = rnd.uniform(0, 2 * M_PI);
            length[i] = rnd.uniform(180, 420) / ((i + 1) * roughness);
        }
    }
    double at(double x) const {
        double v = 0, weight = 0;
        for (int i = 0; i < 4; ++i) {
            const double w = 1.0 / (i + 1);
            v += w * std::sin(x / length[i] * 2 * M_PI + phase[i]);
            weight += w;
        }
        return v / weight;
    }
};

}  // namespace

void shaded(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double edge) {
    linear(cr, x0, y0, x1 + (x1 - x0) * 0.3, y1,
           {{0.0, lighten(base, 0.35)}, {0.5, base}, {1.0, darken(base, 0.35)}});
    if (edge <= 0) {
        cairo_fill(cr);
        return;
    }
    cairo_fill_preserve(cr);
    setColour(cr, darken(base, 0.55), 0.7);
    cairo_set_line_width(cr, edge);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// ------------------------------------------------------------ sky and land

void sky(cairo_t* cr, double W, double horizonY, Rgb top, Rgb mid, Rgb horizon) {
    cairo_rectangle(cr, 0, 0, W, horizonY + 400);
    linear(cr, 0, 0, 0, horizonY, {{0.0, top}, {0.55, mid}, {1.0, horizon}});
    cairo_fill(cr);
}

void sun(cairo_t* cr, double x, double y, double r, Rgb core, Rgb halo) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, r * 0.8, x, y, r * 5);
    addStop(g, 0.0, halo, 0.65);
    addStop(g, 0.35, halo, 0.2);
    addStop(g, 1.0, halo, 0.0);
    circlePath(cr, x, y, r * 5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    circlePath(cr, x, y, r);
    cairo_pattern_t* d = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, 0, x, y, r);
    addStop(d, 0.0, lighten(core, 0.7));
    addStop(d, 1.0, core);
    cairo_set_source(cr, d);
    cairo_fill(cr);
    cairo_pattern_destroy(d);
}

void cloud(cairo_t* cr, double x, double y, double size, double alpha) {
    const double puffs[][3] = {{-40, 8, 26}, {-12, -10, 34}, {22, -4, 30}, {48, 10, 22}, {4, 12, 28}, {-60, 18, 16}};
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size, size);
    cairo_new_path(cr);
    for (const auto& p : puffs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * M_PI);
    }
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -44, 0, 40);
    addStop(g, 0.0, {1, 1, 1}, alpha);
    addStop(g, 0.6, rgb255(245, 245, 255), alpha);
    addStop(g, 1.0, rgb255(200, 210, 235), alpha);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void ridge(cairo_t* cr, double W, double crestY, double amp, double bottomY, Rgb colour, uint32_t seed,
           double roughness) {
    const Wave wave(seed, roughness);
    cairo_move_to(cr, 0, bottomY);
    for (double x = 0; x <= W; x += 4) cairo_line_to(cr, x, crestY - amp * wave.at(x));
    cairo_line_to(cr, W, bottomY);
    cairo_close_path(cr);
    linear(cr, 0, crestY - amp, 0, bottomY, {{0.0, lighten(colour, 0.18)}, {1.0, darken(colour, 0.12)}});
    cairo_fill(cr);
}

void ground(cairo_t* cr, double W, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_rectangle(cr, 0, y0, W, y1 - y0);
    linear(cr, 0, y0, 0, y1, {{0.0, top}, {1.0, bottom}});
    cairo_fill(cr);
}

void speckle(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double density, double alpha) {
    Random rnd(seed);
    const int n = int(w * h * density / 1000);
    for (int i = 0; i < n; ++i) {
        const double px = rnd.uniform(x, x + w), py = rnd.uniform(y, y + h), r = rnd.uniform(0.6, 2.0);
        circlePath(cr, px, py, r);
        const bool light = rnd.next() % 2 == 0;
        setColour(cr, light ? Rgb{1, 1, 1} : Rgb{0, 0, 0}, alpha * rnd.uniform(0.4, 1.0));
        cairo_fill(cr);
    }
}

void shadow(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 0.05, 0.05, 0.15, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 0.05, 0.05, 0.15, 0.0);
    circlePath(cr, 0, 0, 1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

// ------------------------------------------------------------ plants

void roundTree(cairo_t* cr, double x, double baseY, double h, Rgb leaves, uint32_t seed) {
    Random rnd(seed);
    shadow(cr, x + h * 0.12, baseY, h * 0.4, h * 0.07);
    const double tw = h * 0.09;
    cairo_move_to(cr, x - tw, baseY);
    cairo_curve_to(cr, x - tw * 0.6, baseY - h * 0.3, x - tw * 0.5, baseY - h * 0.45, x - tw * 0.4, baseY - h * 0.6);
    cairo_line_to(cr, x + tw * 0.4, baseY - h * 0.6);
    cairo_curve_to(cr, x + tw * 0.5, baseY - h * 0.45, x + tw * 0.6, baseY - h * 0.3, x + tw, baseY);
    cairo_close_path(cr);
    shaded(cr, rgb255(130, 84, 46), x - tw, baseY - h * 0.6, x + tw, baseY);
    // The crown: overlapping blobs, darker underneath, lit on top.
    const double cy = baseY - h * 0.66, R = h * 0.34;
    for (int layer = 0; layer < 3; ++layer) {
        const Rgb c = layer == 0 ? darken(leaves, 0.3) : layer == 1 ? leaves : lighten(leaves, 0.25);
        const int blobs = 6 - layer;
        for (int i = 0; i < blobs; ++i) {
            const double a = rnd.uniform(0, 2 * M_PI);
            const double d = R * (layer == 0 ? 0.55 : layer == 1 ? 0.4 : 0.25);
            const double bx = x + std::cos(a) * d - layer * R * 0.12;
            const double by = cy + std::sin(a) * d * 0.8 - layer * R * 0.15;
            const double br = R * rnd.uniform(0.42, 0.58) * (1 - layer * 0.15);
            circlePath(cr, bx, by, br);
            cairo_pattern_t* g = cairo_pattern_create_radial(bx - br * 0.4, by - br * 0.5, br * 0.1, bx, by, br);
            addStop(g, 0.0, lighten(c, 0.2));
            addStop(g, 1.0, darken(c, 0.15));
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
    }
    // Leaf specks.
    for (int i = 0; i < int(h * 0.6); ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0, R * 0.95);
        circlePath(cr, x + std::cos(a) * d, cy + std::sin(a) * d * 0.85, rnd.uniform(1.2, 3.0));
        setColour(cr, rnd.next() % 3 ? lighten(leaves, 0.45) : darken(leaves, 0.45), 0.55);
        cairo_fill(cr);
    }
}

void pine(cairo_t* cr, double x, double baseY, double h, Rgb colour) {
    shadow(cr, x + h * 0.1, baseY, h * 0.25, h * 0.05);
    cairo_rectangle(cr, x - h * 0.035, baseY - h * 0.15, h * 0.07, h * 0.15);
    shaded(cr, rgb255(110, 70, 40), x - h * 0.04, baseY - h * 0.15, x + h * 0.04, baseY, 0);
    for (int i = 0; i < 4; ++i) {
        const double top = baseY - h + i * h * 0.2, bottom = baseY - h * 0.1 - (3 - i) * h * 0.17;
        const double half = h * (0.14 + i * 0.06);
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + half * 0.4, top + (bottom - top) * 0.5, x + half * 0.8, bottom - 4, x + half, bottom);
        cairo_curve_to(cr, x + half * 0.3, bottom - 6, x - half * 0.3, bottom - 6, x - half, bottom);
        cairo_curve_to(cr, x - half * 0.8, bottom - 4, x - half * 0.4, top + (bottom - top) * 0.5, x, top);
        cairo_close_path(cr);
        shaded(cr, i % 2 ? colour : darken(colour, 0.08), x - half, top, x + half, bottom, 0);
    }
    // Snowless rim light on the left edges.
    cairo_move_to(cr, x, baseY - h);
    cairo_line_to(cr, x - h * 0.12, baseY - h * 0.62);
    setColour(cr, lighten(colour, 0.5), 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void palm(cairo_t* cr, double x, double baseY, double h, double lean, uint32_t seed) {
    Random rnd(seed);
    shadow(cr, x + h * 0.2, baseY, h * 0.3, h * 0.05);
    const double topX = x + lean * h, topY = baseY - h;
    // The trunk in rings.
    for (int i = 0; i < 12; ++i) {
        const double t = i / 12.0, t2 = (i + 1) / 12.0;
        const double ax = x + lean * h * t * t, ay = baseY - h * t;
        const double bx = x + lean * h * t2 * t2, by = baseY - h * t2;
        const double w = h * (0.055 - 0.02 * t);
        cairo_move_to(cr, ax - w, ay);
        cairo_line_to(cr, bx - w * 0.9, by);
        cairo_line_to(cr, bx + w * 0.9, by);
        cairo_line_to(cr, ax + w, ay);
        cairo_close_path(cr);
        shaded(cr, i % 2 ? rgb255(170, 118, 64) : rgb255(150, 100, 52), ax - w, by, ax + w, ay, 1);
    }
    // Fronds arching out and down.
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI / 2 + (i - 3) * 0.5 + rnd.uniform(-0.1, 0.1);
        const double len = h * rnd.uniform(0.45, 0.6);
        const double ex = topX + std::cos(a) * len, ey = topY + std::sin(a) * len * 0.5 + len * 0.45;
        const double mx = topX + std::cos(a) * len * 0.6, my = topY + std::sin(a) * len * 0.7 - len * 0.1;
        cairo_move_to(cr, topX, topY);
        quadTo(cr, mx, my - len * 0.12, ex, ey);
        quadTo(cr, mx, my + len * 0.08, topX, topY + 4);
        cairo_close_path(cr);
        shaded(cr, i % 2 ? rgb255(60, 160, 70) : rgb255(40, 130, 60), topX - len, topY - len, topX + len, topY + len);
    }
    for (int i = 0; i < 3; ++i) {  // coconuts
        circlePath(cr, topX - 8 + i * 8, topY + 8, h * 0.028);
        shaded(cr, rgb255(120, 80, 40), topX - 14, topY, topX + 14, topY + 16, 1);
    }
}

void flower(cairo_t* cr, double x, double y, double r, Rgb petals) {
    cairo_move_to(cr, x, y + r);
    cairo_line_to(cr, x + r * 0.2, y + r * 4);
    setColour(cr, rgb255(60, 130, 50));
    cairo_set_line_width(cr, std::max(1.5, r * 0.25));
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5 - M_PI / 2;
        circlePath(cr, x + std::cos(a) * r * 0.7, y + std::sin(a) * r * 0.7, r * 0.55);
    }
    shaded(cr, petals, x - r, y - r, x + r, y + r, 0);
    circlePath(cr, x, y, r * 0.38);
    setColour(cr, rgb255(255, 210, 60));
    cairo_fill(cr);
}

void bush(cairo_t* cr, double x, double baseY, double w, Rgb leaves, uint32_t seed) {
    Random rnd(seed);
    shadow(cr, x, baseY, w * 0.6, w * 0.1);
    for (int i = 0; i < 7; ++i) {
        const double bx = x + rnd.uniform(-w * 0.4, w * 0.4), br = w * rnd.uniform(0.18, 0.28);
        const double by = baseY - br * rnd.uniform(0.6, 1.4);
        circlePath(cr, bx, by, br);
        shaded(cr, i < 3 ? darken(leaves, 0.15) : leaves, bx - br, by - br, bx + br, by + br, 0);
    }
}

// ------------------------------------------------------------ buildings and things

void window(cairo_t* cr, double x, double y, double w, double h, bool lit) {
    roundedRectPath(cr, x, y, w, h, std::min(w, h) * 0.15);
    if (lit) linear(cr, 0, y, 0, y + h, {{0.0, rgb255(255, 240, 170)}, {1.0, rgb255(255, 190, 80)}});
    else linear(cr, x, y, x + w, y + h, {{0.0, rgb255(150, 200, 240)}, {0.5, rgb255(70, 110, 170)}, {1.0, rgb255(40, 60, 110)}});
    cairo_fill_preserve(cr);
    setColour(cr, rgb255(250, 245, 235));
    cairo_set_line_width(cr, std::max(1.5, w * 0.1));
    cairo_stroke(cr);
    cairo_move_to(cr, x + w / 2, y);
    cairo_line_to(cr, x + w / 2, y + h);
    cairo_move_to(cr, x, y + h * 0.45);
    cairo_line_to(cr, x + w, y + h * 0.45);
    cairo_set_line_width(cr, std::max(1.0, w * 0.07));
    cairo_stroke(cr);
}

void house(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, uint32_t seed) {
    Random rnd(seed);
    shadow(cr, x + w * 0.55, baseY, w * 0.65, w * 0.08);
    const double roofH = h * 0.45, wallTop = baseY - h;
    if (rnd.next() % 2) {  // chimney
        cairo_rectangle(cr, x + w * 0.62, wallTop - roofH * 0.85, w * 0.1, roofH * 0.6);
        shaded(cr, rgb255(180, 90, 70), x + w * 0.62, wallTop - roofH, x + w * 0.72, wallTop);
    }
    cairo_rectangle(cr, x, wallTop, w, h);
    shaded(cr, wall, x, wallTop, x + w, baseY);
    // Roof with an overhang.
    cairo_move_to(cr, x - w * 0.08, wallTop + 2);
    cairo_line_to(cr, x + w / 2, wallTop - roofH);
    cairo_line_to(cr, x + w * 1.08, wallTop + 2);
    cairo_close_path(cr);
    shaded(cr, roof, x, wallTop - roofH, x + w, wallTop);
    // Roof tiles.
    for (int i = 1; i < 4; ++i) {
        const double yy = wallTop - roofH + roofH * i / 4, half = w * 0.58 * i / 4;
        cairo_move_to(cr, x + w / 2 - half, yy);
        cairo_line_to(cr, x + w / 2 + half, yy);
    }
    setColour(cr, darken(roof, 0.4), 0.5);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    // A round attic window, then rows of windows and a door.
    circlePath(cr, x + w / 2, wallTop - roofH * 0.4, roofH * 0.16);
    setColour(cr, rgb255(255, 230, 150));
    cairo_fill(cr);
    const int cols = w > 90 ? 3 : 2, rows = h > 110 ? 2 : 1;
    const double ww = w * 0.17, wh = h * 0.2;
    const int doorCol = int(rnd.next() % uint32_t(cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const double wx = x + w * (c + 0.5) / cols - ww / 2, wy = wallTop + h * 0.12 + r * h * 0.36;
            if (r == rows - 1 && c == doorCol) {
                const double dh = baseY - wy;
                roundedRectPath(cr, wx - 2, wy + dh * 0.15, ww + 4, dh * 0.85, ww * 0.5);
                shaded(cr, darken(roof, 0.2), wx, wy, wx + ww, baseY);
                circlePath(cr, wx + ww * 0.75, wy + dh * 0.6, 1.8);
                setColour(cr, rgb255(255, 220, 100));
                cairo_fill(cr);
            } else {
                window(cr, wx, wy, ww, wh, rnd.next() % 4 == 0);
                // A flower box under some windows.
                if (rnd.next() % 2) {
                    cairo_rectangle(cr, wx - 2, wy + wh, ww + 4, 5);
                    setColour(cr, rgb255(150, 90, 50));
                    cairo_fill(cr);
                    for (int f = 0; f < 3; ++f) {
                        circlePath(cr, wx + ww * (f + 0.5) / 3, wy + wh - 1, 3);
                        setColour(cr, f % 2 ? rgb255(255, 80, 120) : rgb255(255, 220, 60));
                        cairo_fill(cr);
                    }
                }
            }
        }
}

void rock(cairo_t* cr, double x, double baseY, double w, double h, Rgb colour) {
    shadow(cr, x + w * 0.1, baseY, w * 0.6, h * 0.15);
    cairo_move_to(cr, x - w / 2, baseY);
    cairo_curve_to(cr, x - w / 2, baseY - h * 0.7, x - w * 0.2, baseY - h, x + w * 0.05, baseY - h);
    cairo_curve_to(cr, x + w * 0.35, baseY - h, x + w / 2, baseY - h * 0.5, x + w / 2, baseY);
    cairo_close_path(cr);
    shaded(cr, colour, x - w / 2, baseY - h, x + w / 2, baseY);
    ellipsePath(cr, x - w * 0.15, baseY - h * 0.7, w * 0.15, h * 0.1, -20);
    setColour(cr, {1, 1, 1}, 0.25);
    cairo_fill(cr);
}

void stall(cairo_t* cr, double x, double baseY, double w, Rgb stripe, uint32_t seed) {
    Random rnd(seed);
    const double h = w * 0.8;
    shadow(cr, x + w * 0.5, baseY, w * 0.6, w * 0.08);
    // Counter with goods.
    cairo_rectangle(cr, x, baseY - h * 0.42, w, h * 0.42);
    shaded(cr, rgb255(170, 110, 60), x, baseY - h * 0.42, x + w, baseY);
    const Rgb goods[] = {rgb255(240, 60, 50), rgb255(255, 200, 40), rgb255(120, 200, 60), rgb255(255, 140, 30),
                         rgb255(150, 80, 200)};
    for (int i = 0; i < 5; ++i) {
        const Rgb g = goods[rnd.next() % 5];
        const double gx = x + w * (i + 0.5) / 5;
        for (int k = 0; k < 4; ++k) {
            circlePath(cr, gx + (k % 2 ? 5 : -5), baseY - h * 0.42 - 5 - (k / 2) * 8, 6);
            shaded(cr, g, gx - 10, baseY - h * 0.42 - 20, gx + 10, baseY - h * 0.42, 1);
        }
    }
    // Posts and the striped awning.
    for (double px : {x + 3, x + w - 3}) {
        cairo_rectangle(cr, px - 3, baseY - h, 6, h * 0.58);
        setColour(cr, rgb255(110, 70, 40));
        cairo_fill(cr);
    }
    const int stripes = 6;
    for (int i = 0; i < stripes; ++i) {
        const double sx = x - w * 0.06 + (w * 1.12) * i / stripes, sw = w * 1.12 / stripes;
        cairo_rectangle(cr, sx, baseY - h * 1.18, sw, h * 0.26);
        shaded(cr, i % 2 ? rgb255(255, 250, 240) : stripe, sx, baseY - h * 1.18, sx + sw, baseY - h * 0.92, 0);
        // Scalloped edge.
        cairo_arc(cr, sx + sw / 2, baseY - h * 0.92, sw / 2, 0, M_PI);
        shaded(cr, i % 2 ? rgb255(255, 250, 240) : stripe, sx, baseY - h * 0.92, sx + sw, baseY - h * 0.85, 0);
    }
}

void bunting(cairo_t* cr, double x0, double y0, double x1, double y1, int flags, uint32_t seed) {
    Random rnd(seed);
    const double sag = std::fabs(x1 - x0) * 0.08;
    auto point = [&](double t, double& px, double& py) {
        px = x0 + (x1 - x0) * t;
        py = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
    };
    cairo_move_to(cr, x0, y0);
    for (int i = 1; i <= 40; ++i) {
        double px, py;
        point(i / 40.0, px, py);
        cairo_line_to(cr, px, py);
    }
    setColour(cr, rgb255(80, 60, 60));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    const Rgb colours[] = {rgb255(240, 50, 60), rgb255(255, 200, 30), rgb255(40, 140, 240), rgb255(60, 190, 90),
                           rgb255(200, 80, 220), rgb255(255, 130, 30)};
    const double size = std::fabs(x1 - x0) / flags * 0.4;
    for (int i = 0; i < flags; ++i) {
        double ax, ay, bx, by;
        point((i + 0.15) / flags, ax, ay);
        point((i + 0.85) / flags, bx, by);
        cairo_move_to(cr, ax, ay);
        cairo_line_to(cr, bx, by);
        cairo_line_to(cr, (ax + bx) / 2, (ay + by) / 2 + size * 1.4);
        cairo_close_path(cr);
        shaded(cr, colours[(i + rnd.next() % 2) % 6], ax, ay, bx, ay + size * 1.4, 1);
    }
}

void lantern(cairo_t* cr, double x, double baseY, double h) {
    cairo_rectangle(cr, x - 3, baseY - h, 6, h);
    shaded(cr, rgb255(60, 60, 80), x - 3, baseY - h, x + 3, baseY, 0);
    const double ly = baseY - h - 14;
    cairo_pattern_t* g = cairo_pattern_create_radial(x, ly, 2, x, ly, 40);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 0.9, 0.5, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 0.9, 0.5, 0.0);
    circlePath(cr, x, ly, 40);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x - 9, ly - 12);
    cairo_line_to(cr, x + 9, ly - 12);
    cairo_line_to(cr, x + 7, ly + 12);
    cairo_line_to(cr, x - 7, ly + 12);
    cairo_close_path(cr);
    shaded(cr, rgb255(255, 220, 110), x - 9, ly - 12, x + 9, ly + 12, 2);
    cairo_move_to(cr, x - 12, ly - 12);
    cairo_line_to(cr, x, ly - 22);
    cairo_line_to(cr, x + 12, ly - 12);
    cairo_close_path(cr);
    shaded(cr, rgb255(60, 60, 80), x - 12, ly - 22, x + 12, ly - 12, 0);
}

void barrel(cairo_t* cr, double x, double baseY, double s) {
    const double w = 30 * s, h = 40 * s;
    shadow(cr, x + 4 * s, baseY, w * 0.7, 6 * s);
    cairo_move_to(cr, x - w * 0.42, baseY);
    cairo_curve_to(cr, x - w * 0.55, baseY - h * 0.5, x - w * 0.55, baseY - h * 0.5, x - w * 0.42, baseY - h);
    cairo_line_to(cr, x + w * 0.42, baseY - h);
    cairo_curve_to(cr, x + w * 0.55, baseY - h * 0.5, x + w * 0.55, baseY - h * 0.5, x + w * 0.42, baseY);
    cairo_close_path(cr);
    shaded(cr, rgb255(170, 105, 50), x - w / 2, baseY - h, x + w / 2, baseY);
    for (double t : {0.2, 0.8}) {
        cairo_move_to(cr, x - w * 0.5, baseY - h * t);
        cairo_line_to(cr, x + w * 0.5, baseY - h * t);
    }
    setColour(cr, rgb255(80, 80, 95));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
}

void crate(cairo_t* cr, double x, double baseY, double s) {
    const double w = 38 * s;
    shadow(cr, x + 4 * s, baseY, w * 0.7, 6 * s);
    cairo_rectangle(cr, x - w / 2, baseY - w, w, w);
    shaded(cr, rgb255(210, 150, 80), x - w / 2, baseY - w, x + w / 2, baseY);
    cairo_move_to(cr, x - w / 2, baseY - w);
    cairo_line_to(cr, x + w / 2, baseY);
    cairo_move_to(cr, x + w / 2, baseY - w);
    cairo_line_to(cr, x - w / 2, baseY);
    setColour(cr, rgb255(140, 90, 40));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
}

// ------------------------------------------------------------ water

void water(cairo_t* cr, double W, double y0, double y1, Rgb top, Rgb bottom, uint32_t seed) {
    cairo_rectangle(cr, 0, y0, W, y1 - y0);
    linear(cr, 0, y0, 0, y1, {{0.0, top}, {1.0, bottom}});
    cairo_fill(cr);
    Random rnd(seed);
    // Ripples: short arcs, longer and further apart nearer the viewer.
    for (int i = 0; i < int(W * (y1 - y0) / 1800); ++i) {
        const double y = rnd.uniform(y0 + 4, y1);
        const double t = (y - y0) / std::max(1.0, y1 - y0);
        const double x = rnd.uniform(0, W), len = 8 + 40 * t;
        cairo_move_to(cr, x - len, y);
        cairo_curve_to(cr, x - len / 2, y - 2 - 3 * t, x + len / 2, y - 2 - 3 * t, x + len, y);
        const bool light = rnd.next() % 3 != 0;
        setColour(cr, light ? lighten(top, 0.6) : darken(bottom, 0.3), light ? 0.55 : 0.35);
        cairo_set_line_width(cr, 1.2 + 1.6 * t);
        cairo_stroke(cr);
    }
}

void sailboat(cairo_t* cr, double x, double waterY, double s, Rgb hull, Rgb sail) {
    // Reflection first.
    cairo_move_to(cr, x - 50 * s, waterY + 2);
    cairo_line_to(cr, x + 50 * s, waterY + 2);
    cairo_line_to(cr, x, waterY + 60 * s);
    cairo_close_path(cr);
    setColour(cr, sail, 0.18);
    cairo_fill(cr);
    cairo_move_to(cr, x, waterY - 12 * s);
    cairo_line_to(cr, x, waterY - 120 * s);
    setColour(cr, rgb255(90, 60, 40));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
    cairo_move_to(cr, x + 3 * s, waterY - 116 * s);
    quadTo(cr, x + 50 * s, waterY - 60 * s, x + 44 * s, waterY - 18 * s);
    cairo_line_to(cr, x + 3 * s, waterY - 18 * s);
    cairo_close_path(cr);
    shaded(cr, sail, x, waterY - 116 * s, x + 50 * s, waterY - 18 * s);
    cairo_move_to(cr, x - 3 * s, waterY - 100 * s);
    quadTo(cr, x - 34 * s, waterY - 50 * s, x - 36 * s, waterY - 18 * s);
    cairo_line_to(cr, x - 3 * s, waterY - 18 * s);
    cairo_close_path(cr);
    shaded(cr, rgb255(250, 248, 240), x - 36 * s, waterY - 100 * s, x, waterY - 18 * s);
    cairo_move_to(cr, x - 55 * s, waterY - 16 * s);
    cairo_line_to(cr, x + 58 * s, waterY - 16 * s);
    cairo_line_to(cr, x + 40 * s, waterY + 4 * s);
    cairo_line_to(cr, x - 42 * s, waterY + 4 * s);
    cairo_close_path(cr);
    shaded(cr, hull, x - 55 * s, waterY - 16 * s, x + 58 * s, waterY + 4 * s);
    cairo_move_to(cr, x - 50 * s, waterY - 8 * s);
    cairo_line_to(cr, x + 52 * s, waterY - 8 * s);
    setColour(cr, {1, 1, 1}, 0.7);
    cairo_set_line_width(cr, 2 * s);
    cairo_stroke(cr);
}

void rowboat(cairo_t* cr, double x, double waterY, double s, Rgb hull) {
    cairo_move_to(cr, x - 48 * s, waterY - 14 * s);
    quadTo(cr, x, waterY - 4 * s, x + 50 * s, waterY - 16 * s);
    quadTo(cr, x + 40 * s, waterY + 6 * s, x, waterY + 6 * s);
    quadTo(cr, x - 40 * s, waterY + 6 * s, x - 48 * s, waterY - 14 * s);
    cairo_close_path(cr);
    shaded(cr, hull, x - 50 * s, waterY - 16 * s, x + 50 * s, waterY + 6 * s);
    cairo_move_to(cr, x - 20 * s, waterY - 30 * s);
    cairo_line_to(cr, x + 26 * s, waterY + 2 * s);
    setColour(cr, rgb255(200, 160, 100));
    cairo_set_line_width(cr, 3 * s);
    cairo_stroke(cr);
}

void buoy(cairo_t* cr, double x, double waterY, double s) {
    cairo_move_to(cr, x - 12 * s, waterY);
    cairo_line_to(cr, x - 6 * s, waterY - 30 * s);
    cairo_line_to(cr, x + 6 * s, waterY - 30 * s);
    cairo_line_to(cr, x + 12 * s, waterY);
    cairo_close_path(cr);
    shaded(cr, rgb255(240, 50, 50), x - 12 * s, waterY - 30 * s, x + 12 * s, waterY);
    cairo_rectangle(cr, x - 9 * s, waterY - 20 * s, 18 * s, 7 * s);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
}

// ------------------------------------------------------------ creatures

void bird(cairo_t* cr, double x, double y, double s, Rgb colour) {
    cairo_move_to(cr, x - 14 * s, y - 4 * s);
    quadTo(cr, x - 7 * s, y - 9 * s, x, y);
    quadTo(cr, x + 7 * s, y - 9 * s, x + 14 * s, y - 4 * s);
    setColour(cr, colour);
    cairo_set_line_width(cr, 2.4 * s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void butterfly(cairo_t* cr, double x, double y, double s, Rgb wings) {
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, x + side * 8 * s, y - 5 * s, 8 * s, 6 * s, side * 30);
        ellipsePath(cr, x + side * 6 * s, y + 5 * s, 5 * s, 4 * s, -side * 30);
    }
    shaded(cr, wings, x - 16 * s, y - 11 * s, x + 16 * s, y + 9 * s, 1);
    cairo_move_to(cr, x, y - 8 * s);
    cairo_line_to(cr, x, y + 8 * s);
    setColour(cr, rgb255(50, 30, 30));
    cairo_set_line_width(cr, 2 * s);
    cairo_stroke(cr);
}

void fox(cairo_t* cr, double x, double baseY, double s) {
    const Rgb fur = rgb255(235, 120, 40);
    shadow(cr, x, baseY, 60 * s, 8 * s);
    // Tail, body, legs, head.
    cairo_move_to(cr, x - 30 * s, baseY - 30 * s);
    cairo_curve_to(cr, x - 70 * s, baseY - 20 * s, x - 80 * s, baseY - 60 * s, x - 60 * s, baseY - 64 * s);
    cairo_curve_to(cr, x - 56 * s, baseY - 44 * s, x - 44 * s, baseY - 40 * s, x - 28 * s, baseY - 42 * s);
    cairo_close_path(cr);
    shaded(cr, fur, x - 80 * s, baseY - 64 * s, x - 28 * s, baseY - 20 * s);
    circlePath(cr, x - 62 * s, baseY - 60 * s, 7 * s);
    setColour(cr, rgb255(255, 250, 240));
    cairo_fill(cr);
    for (double lx : {-22.0, -12.0, 14.0, 24.0}) {
        cairo_rectangle(cr, x + lx * s, baseY - 24 * s, 6 * s, 24 * s);
        setColour(cr, rgb255(70, 40, 30));
        cairo_fill(cr);
    }
    ellipsePath(cr, x, baseY - 34 * s, 34 * s, 16 * s);
    shaded(cr, fur, x - 34 * s, baseY - 50 * s, x + 34 * s, baseY - 18 * s);
    cairo_move_to(cr, x + 22 * s, baseY - 40 * s);
    cairo_line_to(cr, x + 30 * s, baseY - 70 * s);
    cairo_line_to(cr, x + 38 * s, baseY - 56 * s);
    cairo_line_to(cr, x + 46 * s, baseY - 70 * s);
    cairo_line_to(cr, x + 50 * s, baseY - 48 * s);
    cairo_line_to(cr, x + 64 * s, baseY - 40 * s);
    cairo_line_to(cr, x + 40 * s, baseY - 30 * s);
    cairo_close_path(cr);
    shaded(cr, fur, x + 22 * s, baseY - 70 * s, x + 64 * s, baseY - 30 * s);
    cairo_move_to(cr, x + 50 * s, baseY - 44 * s);
    cairo_line_to(cr, x + 64 * s, baseY - 40 * s);
    cairo_line_to(cr, x + 42 * s, baseY - 32 * s);
    cairo_close_path(cr);
    setColour(cr, rgb255(255, 250, 240));
    cairo_fill(cr);
    circlePath(cr, x + 64 * s, baseY - 40 * s, 2.5 * s);
    circlePath(cr, x + 42 * s, baseY - 52 * s, 2.5 * s);
    setColour(cr, rgb255(30, 20, 20));
    cairo_fill(cr);
}

void owl(cairo_t* cr, double x, double y, double s) {
    ellipsePath(cr, x, y, 22 * s, 30 * s);
    shaded(cr, rgb255(150, 110, 70), x - 22 * s, y - 30 * s, x + 22 * s, y + 30 * s);
    ellipsePath(cr, x, y + 10 * s, 13 * s, 16 * s);
    setColour(cr, rgb255(230, 210, 170));
    cairo_fill(cr);
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, x + side * 10 * s, y - 26 * s);
        cairo_line_to(cr, x + side * 20 * s, y - 36 * s);
        cairo_line_to(cr, x + side * 20 * s, y - 22 * s);
        cairo_close_path(cr);
        setColour(cr, rgb255(120, 85, 50));
        cairo_fill(cr);
        circlePath(cr, x + side * 9 * s, y - 12 * s, 8 * s);
        setColour(cr, {1, 1, 1});
        cairo_fill(cr);
        circlePath(cr, x + side * 9 * s, y - 12 * s, 4.5 * s);
        setColour(cr, rgb255(240, 170, 30));
        cairo_fill(cr);
        circlePath(cr, x + side * 9 * s, y - 12 * s, 2.2 * s);
        setColour(cr, rgb255(20, 20, 20));
        cairo_fill(cr);
    }
    cairo_move_to(cr, x - 3 * s, y - 6 * s);
    cairo_line_to(cr, x + 3 * s, y - 6 * s);
    cairo_line_to(cr, x, y);
    cairo_close_path(cr);
    setColour(cr, rgb255(240, 170, 30));
    cairo_fill(cr);
}

void camel(cairo_t* cr, double x, double baseY, double s, Rgb coat) {
    shadow(cr, x, baseY, 60 * s, 7 * s);
    for (double lx : {-30.0, -20.0, 18.0, 28.0}) {
        cairo_rectangle(cr, x + lx * s, baseY - 46 * s, 6 * s, 46 * s);
        setColour(cr, darken(coat, 0.25));
        cairo_fill(cr);
    }
    // Body with two humps, neck and head.
    cairo_move_to(cr, x - 40 * s, baseY - 44 * s);
    cairo_curve_to(cr, x - 40 * s, baseY - 70 * s, x - 24 * s, baseY - 90 * s, x - 12 * s, baseY - 70 * s);
    cairo_curve_to(cr, x - 2 * s, baseY - 92 * s, x + 20 * s, baseY - 86 * s, x + 30 * s, baseY - 60 * s);
    cairo_curve_to(cr, x + 44 * s, baseY - 64 * s, x + 48 * s, baseY - 90 * s, x + 58 * s, baseY - 96 * s);
    cairo_curve_to(cr, x + 72 * s, baseY - 100 * s, x + 78 * s, baseY - 92 * s, x + 76 * s, baseY - 86 * s);
    cairo_line_to(cr, x + 62 * s, baseY - 84 * s);
    cairo_curve_to(cr, x + 56 * s, baseY - 66 * s, x + 50 * s, baseY - 46 * s, x + 32 * s, baseY - 42 * s);
    cairo_close_path(cr);
    shaded(cr, coat, x - 40 * s, baseY - 100 * s, x + 78 * s, baseY - 40 * s);
    // A saddle blanket.
    cairo_rectangle(cr, x - 20 * s, baseY - 72 * s, 30 * s, 22 * s);
    shaded(cr, rgb255(200, 40, 80), x - 20 * s, baseY - 72 * s, x + 10 * s, baseY - 50 * s, 1);
    circlePath(cr, x + 66 * s, baseY - 92 * s, 2 * s);
    setColour(cr, rgb255(30, 20, 20));
    cairo_fill(cr);
}

void mushroom(cairo_t* cr, double x, double baseY, double s, Rgb cap) {
    shadow(cr, x + 4 * s, baseY, 22 * s, 5 * s);
    cairo_move_to(cr, x - 8 * s, baseY);
    cairo_line_to(cr, x - 6 * s, baseY - 30 * s);
    cairo_line_to(cr, x + 6 * s, baseY - 30 * s);
    cairo_line_to(cr, x + 8 * s, baseY);
    cairo_close_path(cr);
    shaded(cr, rgb255(250, 240, 220), x - 8 * s, baseY - 30 * s, x + 8 * s, baseY);
    cairo_move_to(cr, x - 26 * s, baseY - 26 * s);
    cairo_curve_to(cr, x - 26 * s, baseY - 56 * s, x + 26 * s, baseY - 56 * s, x + 26 * s, baseY - 26 * s);
    cairo_close_path(cr);
    shaded(cr, cap, x - 26 * s, baseY - 50 * s, x + 26 * s, baseY - 26 * s);
    const double spots[][3] = {{-14, -34, 4}, {0, -44, 5}, {13, -33, 3.5}, {-4, -31, 3}};
    for (const auto& p : spots) {
        circlePath(cr, x + p[0] * s, baseY + p[1] * s, p[2] * s);
        setColour(cr, {1, 1, 1}, 0.95);
        cairo_fill(cr);
    }
}

void airBalloon(cairo_t* cr, double x, double y, double s, Rgb a, Rgb b) {
    const double R = 50 * s;
    // Ropes and basket.
    cairo_move_to(cr, x - R * 0.6, y + R * 0.75);
    cairo_line_to(cr, x - 10 * s, y + R * 1.5);
    cairo_move_to(cr, x + R * 0.6, y + R * 0.75);
    cairo_line_to(cr, x + 10 * s, y + R * 1.5);
    setColour(cr, rgb255(90, 70, 50));
    cairo_set_line_width(cr, 1.5 * s);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - 12 * s, y + R * 1.5, 24 * s, 16 * s);
    shaded(cr, rgb255(180, 120, 60), x - 12 * s, y + R * 1.5, x + 12 * s, y + R * 1.5 + 16 * s);
    // The envelope in gores of two colours.
    for (int i = 0; i < 6; ++i) {
        const double x0 = -1 + i / 3.0, x1 = -1 + (i + 1) / 3.0;
        cairo_move_to(cr, x, y - R);
        cairo_curve_to(cr, x + R * x0 * 1.4, y - R, x + R * x0 * 1.3, y + R * 0.3, x + R * x0 * 0.3, y + R * 0.85);
        cairo_line_to(cr, x + R * x1 * 0.3, y + R * 0.85);
        cairo_curve_to(cr, x + R * x1 * 1.3, y + R * 0.3, x + R * x1 * 1.4, y - R, x, y - R);
        cairo_close_path(cr);
        shaded(cr, i % 2 ? a : b, x - R, y - R, x + R, y + R, 1);
    }
    drawGloss(cr, x, y - R * 0.1, R * 0.9, 0.6);
}

}  // namespace scene_kit
