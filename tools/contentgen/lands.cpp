// The land table and the painters of each land's motifs.
#include "lands.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lands {

using namespace art;

// ---------------------------------------------------------------- brush

Rgb Brush::tone(Rgb c) const {
    const Rgb haze = land->colours.haze;
    const double t = std::clamp(depth, 0.0, 1.0) * 0.6;
    return mix(c, haze, t);
}

double Brush::lightSide() const { return land->sunX < 0.5 ? -1 : 1; }

Rgb Brush::sunlight() const { return land->colours.light; }

cairo_pattern_t* Brush::sideLight(double x0, double x1, Rgb c) const {
    if (lightSide() > 0) std::swap(x0, x1);
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
    addStop(g, 0.0, lit(c));
    addStop(g, 0.45, tone(c));
    addStop(g, 1.0, shade(c));
    return g;
}

void Brush::groundShadow(double x, double ground, double w) const {
    const double off = -lightSide() * w * 0.12;
    scene::soft(cr, x - w, ground - w * 0.2, x + w, ground + w * 0.2, w * 0.08, {0.05, 0.03, 0.08}, 0.35 * (1 - depth),
                [&](cairo_t* c) {
                    ellipsePath(c, x + off, ground, w * 0.55, w * 0.09);
                    cairo_fill(c);
                });
}

namespace {

// ---------------------------------------------------------------- helpers

// Fills the current path lit from the sun's side, keeping the path.
void fillSide(const Brush& b, double x0, double x1, Rgb c) {
    cairo_pattern_t* g = b.sideLight(x0, x1, c);
    cairo_set_source(b.cr, g);
    cairo_fill_preserve(b.cr);
    cairo_pattern_destroy(g);
}

// A thin darker edge around the current path, and clears it.
void edge(const Brush& b, Rgb c, double width, double alpha = 0.55) {
    setColour(b.cr, b.tone(darken(c, 0.5)), alpha * (1 - b.depth * 0.7));
    cairo_set_line_width(b.cr, width);
    cairo_set_line_join(b.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(b.cr);
}

void fillEdged(const Brush& b, double x0, double x1, Rgb c, double width) {
    fillSide(b, x0, x1, c);
    edge(b, c, width);
}

// A clump of foliage (or a round stone), a little wider than tall, lit from
// above on the sun's side: matte, so it never reads as a marble.
void ball(const Brush& b, double cx, double cy, double r, Rgb c) {
    const double s = b.lightSide();
    cairo_pattern_t* g = cairo_pattern_create_linear(cx + s * r * 0.5, cy - r, cx - s * r * 0.3, cy + r * 0.8);
    addStop(g, 0.0, b.lit(c));
    addStop(g, 0.55, b.tone(c));
    addStop(g, 1.0, b.shade(c));
    ellipsePath(b.cr, cx, cy, r * 1.1, r * 0.85);
    cairo_set_source(b.cr, g);
    cairo_fill_preserve(b.cr);
    cairo_pattern_destroy(g);
    edge(b, c, std::max(0.5, r * 0.08), 0.35);
}

// A rim of light on the sun's side of a circle.
void rimArc(const Brush& b, double cx, double cy, double r, double width) {
    const double s = b.lightSide();
    const double mid = s < 0 ? M_PI * 1.25 : M_PI * 1.75;
    cairo_new_path(b.cr);
    cairo_arc(b.cr, cx, cy, r - width / 2, mid - 0.7, mid + 0.7);
    setColour(b.cr, b.tone(lighten(b.land->colours.light, 0.3)), 0.35 * (1 - b.depth));
    cairo_set_line_width(b.cr, width);
    cairo_set_line_cap(b.cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(b.cr);
}

void polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
    bool first = true;
    for (auto [x, y] : points) {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

void window(const Brush& b, double x, double y, double w, double h, Rgb glass) {
    roundedRectPath(b.cr, x - w / 2, y - h / 2, w, h, w * 0.25);
    setColour(b.cr, b.tone(glass));
    cairo_fill_preserve(b.cr);
    edge(b, rgb255(90, 60, 50), std::max(0.5, w * 0.12), 0.7);
}

// ---------------------------------------------------------------- 1 meadows

void windmill(const Brush& b, double x, double g, double s, Random&) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.45);
    const double top = g - s * 0.6;
    polygon(cr, {{x - s * 0.17, g}, {x + s * 0.17, g}, {x + s * 0.1, top}, {x - s * 0.1, top}});
    fillEdged(b, x - s * 0.17, x + s * 0.17, rgb255(246, 236, 214), s * 0.012);
    // Stone courses and a door.
    for (int i = 1; i < 5; ++i) {
        const double y = g - s * 0.12 * i, half = 0.17 - 0.07 * (i * 0.12 / 0.6);
        cairo_move_to(cr, x - s * half, y);
        cairo_line_to(cr, x + s * half, y);
    }
    setColour(cr, b.tone(rgb255(200, 180, 150)), 0.5);
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
    roundedRectPath(cr, x - s * 0.045, g - s * 0.14, s * 0.09, s * 0.14, s * 0.04);
    setColour(cr, b.tone(rgb255(120, 70, 45)));
    cairo_fill(cr);
    window(b, x, g - s * 0.38, s * 0.05, s * 0.07, L.colours.accent2);
    // Cap.
    cairo_move_to(cr, x - s * 0.13, top + s * 0.01);
    cairo_curve_to(cr, x - s * 0.12, top - s * 0.12, x + s * 0.12, top - s * 0.12, x + s * 0.13, top + s * 0.01);
    cairo_close_path(cr);
    fillEdged(b, x - s * 0.13, x + s * 0.13, L.colours.accent, s * 0.012);
    // Sails.
    const double hx = x, hy = top - s * 0.03;
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, (22 + 90 * k) * M_PI / 180);
        cairo_rectangle(cr, s * 0.03, -s * 0.012, s * 0.42, s * 0.024);
        setColour(cr, b.tone(rgb255(120, 80, 50)));
        cairo_fill(cr);
        cairo_rectangle(cr, s * 0.1, s * 0.012, s * 0.33, s * 0.09);
        setColour(cr, b.tone(rgb255(250, 245, 232)), 0.95);
        cairo_fill_preserve(cr);
        edge(b, rgb255(170, 120, 80), s * 0.008);
        for (int j = 1; j < 5; ++j) {
            cairo_move_to(cr, s * (0.1 + 0.066 * j), s * 0.012);
            cairo_line_to(cr, s * (0.1 + 0.066 * j), s * 0.102);
        }
        setColour(cr, b.tone(rgb255(170, 120, 80)), 0.7);
        cairo_set_line_width(cr, s * 0.006);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    circlePath(cr, hx, hy, s * 0.03);
    setColour(cr, b.tone(rgb255(90, 60, 40)));
    cairo_fill(cr);
}

void leafyTree(const Brush& b, double x, double g, double s, Random& rnd) {
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.5);
    cairo_t* cr = b.cr;
    polygon(cr, {{x - s * 0.05, g}, {x + s * 0.05, g}, {x + s * 0.03, g - s * 0.5}, {x - s * 0.03, g - s * 0.5}});
    fillSide(b, x - s * 0.05, x + s * 0.05, rgb255(120, 80, 50));
    cairo_new_path(cr);
    const Rgb leaf = mix(L.colours.near, rgb255(60, 150, 60), rnd.uniform(0.2, 0.7));
    const double cy = g - s * 0.62;
    // A crown of many small clumps, not one ball: it reads as foliage.
    struct P {
        double dx, dy, r;
    };
    std::vector<P> puffs;
    for (int i = 0; i < 11; ++i) {
        const double a = i * 2.4, d = std::sqrt((i + 0.5) / 11.0) * 0.24;
        puffs.push_back({std::cos(a) * d * 1.15, std::sin(a) * d * 0.9, rnd.uniform(0.12, 0.16)});
    }
    std::sort(puffs.begin(), puffs.end(), [](const P& p, const P& q) { return p.dy > q.dy; });
    scene::soft(cr, x - s * 0.5, cy - s * 0.45, x + s * 0.5, cy + s * 0.45, s * 0.03, b.shade(leaf), 0.8,
                [&](cairo_t* c) {
                    for (const P& p : puffs) circlePath(c, x + p.dx * s, cy + p.dy * s + s * 0.03, p.r * s * 1.05);
                    cairo_fill(c);
                });
    // Back clumps darker, front and sunny ones lighter.
    for (const P& p : puffs) {
        const double lightness = std::clamp(0.5 - p.dy * 1.5 - b.lightSide() * p.dx * 1.2, 0.0, 1.0);
        const Rgb c = mix(darken(leaf, 0.2), lighten(leaf, 0.2), lightness);
        const double px = x + p.dx * s, py = cy + p.dy * s, r = p.r * s;
        cairo_pattern_t* gr =
            cairo_pattern_create_radial(px - b.lightSide() * -r * 0.3, py - r * 0.4, r * 0.1, px, py, r);
        addStop(gr, 0.0, b.tone(lighten(c, 0.12)));
        addStop(gr, 1.0, b.tone(darken(c, 0.15)));
        circlePath(cr, px, py, r);
        cairo_set_source(cr, gr);
        cairo_fill(cr);
        cairo_pattern_destroy(gr);
    }
    // Leaf specks.
    for (int i = 0; i < 14; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0, 0.3) * s;
        ellipsePath(cr, x + std::cos(a) * d, cy + std::sin(a) * d * 0.8, s * 0.022, s * 0.012, rnd.uniform(0, 180));
        setColour(cr, b.tone(rnd.range(0, 1) ? lighten(leaf, 0.35) : darken(leaf, 0.3)), 0.7);
        cairo_fill(cr);
    }
}

void flowers(const Brush& b, double x, double g, double s, Random& rnd) {
    const Land& L = *b.land;
    cairo_t* cr = b.cr;
    for (int i = 0; i < 7; ++i) {
        const double fx = x + rnd.uniform(-s, s), fy = g + rnd.uniform(-s * 0.3, s * 0.3);
        cairo_move_to(cr, fx, fy + s * 0.25);
        cairo_line_to(cr, fx + rnd.uniform(-s * 0.05, s * 0.05), fy);
        setColour(cr, b.tone(rgb255(60, 130, 50)), 0.8);
        cairo_set_line_width(cr, s * 0.05);
        cairo_stroke(cr);
        const int pick = rnd.range(0, 2);
        const Rgb petal = pick == 0 ? L.colours.accent : pick == 1 ? L.colours.accent2 : rgb255(255, 255, 250);
        const double r = s * rnd.uniform(0.09, 0.14);
        for (int p = 0; p < 5; ++p) {
            const double a = p * 2 * M_PI / 5;
            circlePath(cr, fx + std::cos(a) * r, fy + std::sin(a) * r, r * 0.75);
        }
        setColour(cr, b.tone(petal));
        cairo_fill(cr);
        circlePath(cr, fx, fy, r * 0.6);
        setColour(cr, b.tone(pick == 1 ? rgb255(230, 120, 40) : rgb255(255, 210, 60)));
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- 2 old town

const Rgb kPlaster[4] = {rgb255(244, 224, 186), rgb255(236, 200, 168), rgb255(214, 224, 200), rgb255(240, 236, 220)};

void house(const Brush& b, double x, double g, double s, Random& rnd) {
    const Land& L = *b.land;
    cairo_t* cr = b.cr;
    const double w = s * rnd.uniform(0.55, 0.75), wall = s * rnd.uniform(0.48, 0.6);
    const Rgb plaster = kPlaster[rnd.range(0, 3)];
    b.groundShadow(x, g, w * 0.9);
    cairo_rectangle(cr, x - w / 2, g - wall, w, wall);
    fillEdged(b, x - w / 2, x + w / 2, plaster, s * 0.01);
    // Half-timbering.
    setColour(cr, b.tone(rgb255(110, 70, 50)), 0.8);
    cairo_set_line_width(cr, s * 0.018);
    cairo_move_to(cr, x - w / 2, g - wall * 0.55);
    cairo_line_to(cr, x + w / 2, g - wall * 0.55);
    cairo_stroke(cr);
    const int cols = w > s * 0.62 ? 3 : 2;
    for (int row = 0; row < 2; ++row)
        for (int c = 0; c < cols; ++c) {
            const double wx = x - w / 2 + w * (c + 0.5) / cols, wy = g - wall * (row ? 0.78 : 0.3);
            if (row == 0 && c == cols / 2) continue;
            window(b, wx, wy, s * 0.09, s * 0.12, rnd.range(0, 2) ? L.colours.accent2 : rgb255(120, 160, 190));
        }
    roundedRectPath(cr, x - s * 0.05, g - s * 0.2, s * 0.1, s * 0.2, s * 0.04);
    setColour(cr, b.tone(rgb255(120, 70, 45)));
    cairo_fill(cr);
    // Chimney, then the roof over it.
    const double roofTop = g - wall - s * rnd.uniform(0.3, 0.4);
    cairo_rectangle(cr, x + w * 0.18, roofTop + s * 0.02, s * 0.07, s * 0.22);
    fillEdged(b, x + w * 0.18, x + w * 0.18 + s * 0.07, rgb255(170, 100, 80), s * 0.008);
    polygon(cr,
            {{x - w / 2 - s * 0.06, g - wall + s * 0.02}, {x, roofTop}, {x + w / 2 + s * 0.06, g - wall + s * 0.02}});
    const Rgb roof = mix(L.colours.accent, rgb255(150, 70, 60), rnd.uniform(0, 0.6));
    fillSide(b, x - w / 2, x + w / 2, roof);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    for (int i = 1; i < 6; ++i) {
        const double y = roofTop + (g - wall - roofTop) * i / 6.0;
        cairo_move_to(cr, x - w, y);
        cairo_line_to(cr, x + w, y);
    }
    setColour(cr, b.shade(roof), 0.45);
    cairo_set_line_width(cr, s * 0.01);
    cairo_stroke(cr);
    cairo_restore(cr);
    edge(b, roof, s * 0.012);
}

void clockTower(const Brush& b, double x, double g, double s, Random& rnd) {
    const Land& L = *b.land;
    cairo_t* cr = b.cr;
    b.groundShadow(x, g, s * 0.3);
    const double w = s * 0.2, shaft = g - s * 0.66;
    cairo_rectangle(cr, x - w / 2, shaft, w, s * 0.66);
    fillEdged(b, x - w / 2, x + w / 2, rgb255(222, 196, 158), s * 0.01);
    for (int i = 1; i < 9; ++i) {
        cairo_move_to(cr, x - w / 2, g - s * 0.075 * i);
        cairo_line_to(cr, x + w / 2, g - s * 0.075 * i);
    }
    setColour(cr, b.tone(rgb255(170, 140, 110)), 0.45);
    cairo_set_line_width(cr, s * 0.004);
    cairo_stroke(cr);
    roundedRectPath(cr, x - w * 0.22, g - s * 0.16, w * 0.44, s * 0.16, w * 0.2);
    setColour(cr, b.tone(rgb255(110, 65, 45)));
    cairo_fill(cr);
    for (int i = 0; i < 2; ++i) window(b, x, g - s * (0.3 + 0.12 * i), w * 0.22, s * 0.07, L.colours.accent2);
    // Belfry and clock.
    cairo_rectangle(cr, x - w * 0.6, shaft - s * 0.03, w * 1.2, s * 0.04);
    fillEdged(b, x - w * 0.6, x + w * 0.6, rgb255(200, 170, 135), s * 0.006);
    const double cy = shaft - s * 0.1;
    cairo_rectangle(cr, x - w * 0.55, shaft - s * 0.2, w * 1.1, s * 0.17);
    fillEdged(b, x - w * 0.55, x + w * 0.55, rgb255(230, 206, 170), s * 0.008);
    circlePath(cr, x, cy, w * 0.38);
    setColour(cr, b.tone(rgb255(255, 250, 235)));
    cairo_fill_preserve(cr);
    edge(b, rgb255(190, 150, 60), s * 0.014, 0.9);
    cairo_move_to(cr, x, cy);
    cairo_line_to(cr, x, cy - w * 0.28);
    cairo_move_to(cr, x, cy);
    cairo_line_to(cr, x + w * 0.2, cy + w * 0.06);
    setColour(cr, b.tone(rgb255(60, 40, 40)));
    cairo_set_line_width(cr, s * 0.01);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Spire with a golden ball.
    const double base = shaft - s * 0.2;
    polygon(cr, {{x - w * 0.7, base}, {x, base - s * 0.26}, {x + w * 0.7, base}});
    fillEdged(b, x - w * 0.7, x + w * 0.7, darken(L.colours.accent, 0.1), s * 0.01);
    circlePath(cr, x, base - s * 0.27, s * 0.018);
    setColour(cr, b.tone(rgb255(255, 210, 80)));
    cairo_fill(cr);
    (void)rnd;
}

void cobbles(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 12; ++i) {
        const double cx = x + rnd.uniform(-s, s), cy = g + rnd.uniform(-s * 0.25, s * 0.25);
        ellipsePath(cr, cx, cy, s * rnd.uniform(0.08, 0.13), s * 0.05);
        setColour(cr, b.tone(mix(b.land->colours.ground, rgb255(140, 120, 110), rnd.uniform(0, 1))), 0.8);
        cairo_fill_preserve(cr);
        edge(b, b.land->colours.groundShade, s * 0.015, 0.4);
    }
}

void townSkyline(const Brush& b, double x, double g, double s, Random& rnd) {
    // A cluster of gables and a spire, one flat tone at a distance.
    cairo_t* cr = b.cr;
    double cx = x - s * 0.8;
    while (cx < x + s * 0.8) {
        const double w = s * rnd.uniform(0.2, 0.35), h = s * rnd.uniform(0.3, 0.55);
        polygon(cr, {{cx, g}, {cx, g - h}, {cx + w / 2, g - h - w * 0.6}, {cx + w, g - h}, {cx + w, g}});
        cx += w * 0.92;
    }
    const double sx = x + s * rnd.uniform(-0.3, 0.3);
    polygon(cr, {{sx - s * 0.07, g},
                 {sx - s * 0.07, g - s * 0.8},
                 {sx, g - s * 1.15},
                 {sx + s * 0.07, g - s * 0.8},
                 {sx + s * 0.07, g}});
    setColour(cr, b.tone(b.land->colours.far));
    cairo_fill(cr);
}

// ---------------------------------------------------------------- 3 wasteland

void branch(cairo_t* cr, double x, double y, double len, double angle, double width, int depth, Random& rnd) {
    const double x2 = x + std::cos(angle) * len, y2 = y + std::sin(angle) * len;
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + std::cos(angle + 0.3) * len * 0.5, y + std::sin(angle + 0.3) * len * 0.5,
                   x2 - std::cos(angle - 0.3) * len * 0.3, y2 - std::sin(angle - 0.3) * len * 0.3, x2, y2);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (depth == 0) return;
    const int n = depth > 2 ? 2 : rnd.range(1, 2);
    for (int i = 0; i < n; ++i)
        branch(cr, x2, y2, len * rnd.uniform(0.55, 0.75), angle + rnd.uniform(-0.8, 0.8), width * 0.62, depth - 1, rnd);
}

void deadTree(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.5);
    // A rock to stand on.
    cairo_move_to(cr, x - s * 0.4, g);
    cairo_curve_to(cr, x - s * 0.35, g - s * 0.16, x + s * 0.25, g - s * 0.2, x + s * 0.42, g);
    cairo_close_path(cr);
    fillEdged(b, x - s * 0.4, x + s * 0.42, L.colours.near, s * 0.01);
    // The tree twice from the same seed: its shaded body, then a thinner lit
    // copy shifted toward the sun.
    const uint32_t shape = rnd.next();
    Random twigs(shape);
    setColour(cr, b.shade(rgb255(120, 95, 80)));
    branch(cr, x + s * 0.01, g - s * 0.1, s * 0.4, -M_PI / 2 - 0.12, s * 0.07, 4, twigs);
    Random same(shape);
    cairo_save(cr);
    cairo_translate(cr, b.lightSide() * s * 0.008, -s * 0.004);
    setColour(cr, b.lit(rgb255(170, 145, 125)));
    branch(cr, x - s * 0.005, g - s * 0.1, s * 0.4, -M_PI / 2 - 0.12, s * 0.035, 4, same);
    cairo_restore(cr);
    // An old signpost leaning beside it.
    const double px = x - b.lightSide() * s * 0.32;
    cairo_save(cr);
    cairo_translate(cr, px, g - s * 0.05);
    cairo_rotate(cr, 0.12);
    cairo_rectangle(cr, -s * 0.015, -s * 0.32, s * 0.03, s * 0.32);
    setColour(cr, b.tone(rgb255(130, 95, 70)));
    cairo_fill(cr);
    polygon(cr, {{-s * 0.12, -s * 0.3},
                 {s * 0.1, -s * 0.3},
                 {s * 0.15, -s * 0.26},
                 {s * 0.1, -s * 0.22},
                 {-s * 0.12, -s * 0.22}});
    fillEdged(b, -s * 0.12, s * 0.15, rgb255(190, 150, 110), s * 0.008);
    cairo_restore(cr);
}

void boulder(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    const double w = s * rnd.uniform(0.7, 1.1);
    b.groundShadow(x, g, w * 0.7);
    // An angular rock: a few flat faces, the top one catching the sun.
    const double peakX = x + rnd.uniform(-0.2, 0.2) * w, peakY = g - s * rnd.uniform(0.55, 0.8);
    const double shoulderL = g - s * rnd.uniform(0.3, 0.45), shoulderR = g - s * rnd.uniform(0.25, 0.4);
    polygon(cr, {{x - w / 2, g},
                 {x - w * 0.42, shoulderL},
                 {peakX - w * 0.12, peakY},
                 {peakX + w * 0.1, peakY + s * 0.04},
                 {x + w * 0.44, shoulderR},
                 {x + w / 2, g}});
    const Rgb rock = mix(L.colours.near, L.colours.far, rnd.uniform(0, 0.5));
    fillEdged(b, x - w / 2, x + w / 2, rock, s * 0.015);
    polygon(cr, {{x - w * 0.42, shoulderL},
                 {peakX - w * 0.12, peakY},
                 {peakX + w * 0.1, peakY + s * 0.04},
                 {peakX, shoulderL + s * 0.05}});
    setColour(cr, b.lit(rock), 0.8);
    cairo_fill(cr);
    setColour(cr, b.shade(rock), 0.6);
    cairo_set_line_width(cr, s * 0.015);
    cairo_move_to(cr, peakX, shoulderL + s * 0.05);
    cairo_line_to(cr, peakX + w * 0.05, g - s * 0.12);
    cairo_stroke(cr);
}

void cracks(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 4; ++i) {
        double cx = x + rnd.uniform(-s, s), cy = g + rnd.uniform(-s * 0.2, s * 0.2);
        cairo_move_to(cr, cx, cy);
        for (int k = 0; k < 4; ++k) {
            cx += rnd.uniform(s * 0.1, s * 0.3);
            cy += rnd.uniform(-s * 0.08, s * 0.08);
            cairo_line_to(cr, cx, cy);
        }
    }
    setColour(cr, b.shade(b.land->colours.groundShade), 0.55);
    cairo_set_line_width(cr, s * 0.03);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        circlePath(cr, x + rnd.uniform(-s, s), g + rnd.uniform(-s * 0.2, s * 0.2), s * rnd.uniform(0.03, 0.06));
        setColour(cr, b.tone(rgb255(150, 110, 90)));
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- 4 base

void lamp(const Brush& b, double x, double y, double r, Rgb c) {
    scene::glow(b.cr, x, y, r * 4, c, 0.55 * (1 - b.depth * 0.5));
    circlePath(b.cr, x, y, r);
    setColour(b.cr, lighten(c, 0.5));
    cairo_fill(b.cr);
}

void radarTower(const Brush& b, double x, double g, double s, Random&) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.35);
    const double deck = g - s * 0.55;
    // Lattice legs.
    setColour(cr, b.tone(rgb255(90, 100, 120)));
    cairo_set_line_width(cr, s * 0.014);
    cairo_move_to(cr, x - s * 0.16, g);
    cairo_line_to(cr, x - s * 0.06, deck);
    cairo_move_to(cr, x + s * 0.16, g);
    cairo_line_to(cr, x + s * 0.06, deck);
    for (int i = 0; i < 5; ++i) {
        const double y0 = g - (g - deck) * i / 5.0, y1 = g - (g - deck) * (i + 1) / 5.0;
        const double w0 = 0.16 - 0.1 * i / 5.0, w1 = 0.16 - 0.1 * (i + 1) / 5.0;
        cairo_move_to(cr, x - s * w0, y0);
        cairo_line_to(cr, x + s * w1, y1);
        cairo_move_to(cr, x + s * w0, y0);
        cairo_line_to(cr, x - s * w1, y1);
    }
    cairo_stroke(cr);
    // Cabin.
    roundedRectPath(cr, x - s * 0.12, deck - s * 0.1, s * 0.24, s * 0.11, s * 0.02);
    fillEdged(b, x - s * 0.12, x + s * 0.12, rgb255(225, 232, 238), s * 0.008);
    for (int i = 0; i < 3; ++i)
        window(b, x - s * 0.07 + s * 0.07 * i, deck - s * 0.055, s * 0.04, s * 0.035, L.colours.accent2);
    cairo_rectangle(cr, x - s * 0.12, deck - s * 0.005, s * 0.24, s * 0.02);
    setColour(cr, b.tone(L.colours.accent));
    cairo_fill(cr);
    // The dish, tilted to the sky.
    const double dx = x, dy = deck - s * 0.26;
    cairo_move_to(cr, x, deck - s * 0.1);
    cairo_line_to(cr, dx, dy + s * 0.06);
    setColour(cr, b.tone(rgb255(90, 100, 120)));
    cairo_set_line_width(cr, s * 0.025);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    cairo_rotate(cr, -0.5 * b.lightSide() * -1);
    cairo_move_to(cr, -s * 0.2, -s * 0.02);
    cairo_curve_to(cr, -s * 0.15, s * 0.12, s * 0.15, s * 0.12, s * 0.2, -s * 0.02);
    cairo_curve_to(cr, s * 0.1, s * 0.03, -s * 0.1, s * 0.03, -s * 0.2, -s * 0.02);
    cairo_close_path(cr);
    fillEdged(b, -s * 0.2, s * 0.2, rgb255(240, 244, 248), s * 0.01);
    cairo_move_to(cr, 0, s * 0.05);
    cairo_line_to(cr, 0, -s * 0.12);
    setColour(cr, b.tone(rgb255(120, 130, 150)));
    cairo_set_line_width(cr, s * 0.01);
    cairo_stroke(cr);
    cairo_restore(cr);
    lamp(b, dx, dy - s * 0.13 * std::cos(0.5), s * 0.015, rgb255(255, 90, 60));
    lamp(b, x - s * 0.12, deck - s * 0.1, s * 0.01, L.colours.accent2);
}

void dome(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    const double w = s * rnd.uniform(0.8, 1.1), h = s * 0.5;
    b.groundShadow(x, g, w * 0.7);
    cairo_move_to(cr, x - w / 2, g);
    cairo_curve_to(cr, x - w / 2, g - h * 1.3, x + w / 2, g - h * 1.3, x + w / 2, g);
    cairo_close_path(cr);
    fillEdged(b, x - w / 2, x + w / 2, rgb255(200, 212, 228), s * 0.012);
    // Panel seams.
    cairo_save(cr);
    cairo_move_to(cr, x - w / 2, g);
    cairo_curve_to(cr, x - w / 2, g - h * 1.3, x + w / 2, g - h * 1.3, x + w / 2, g);
    cairo_clip(cr);
    for (int i = -2; i <= 2; ++i) {
        cairo_move_to(cr, x + i * w * 0.18, g);
        cairo_curve_to(cr, x + i * w * 0.12, g - h * 0.6, x + i * w * 0.05, g - h, x, g - h);
    }
    cairo_move_to(cr, x - w, g - h * 0.45);
    cairo_line_to(cr, x + w, g - h * 0.45);
    setColour(cr, b.tone(rgb255(150, 165, 180)), 0.6);
    cairo_set_line_width(cr, s * 0.008);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A painted band and a row of portholes round its foot.
    cairo_save(cr);
    cairo_move_to(cr, x - w / 2, g);
    cairo_curve_to(cr, x - w / 2, g - h * 1.3, x + w / 2, g - h * 1.3, x + w / 2, g);
    cairo_clip(cr);
    cairo_rectangle(cr, x - w, g - h * 0.32, w * 2, h * 0.1);
    cairo_pattern_t* band = b.sideLight(x - w / 2, x + w / 2, L.colours.accent);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    cairo_restore(cr);
    for (int i = -2; i <= 2; ++i)
        if (i) {
            circlePath(cr, x + i * w * 0.17, g - h * 0.55, s * 0.028);
            setColour(cr, b.tone(L.colours.accent2));
            cairo_fill_preserve(cr);
            edge(b, rgb255(120, 130, 150), s * 0.008, 0.8);
        }
    // Door with hazard stripes.
    roundedRectPath(cr, x - s * 0.09, g - s * 0.2, s * 0.18, s * 0.2, s * 0.03);
    setColour(cr, b.tone(rgb255(70, 80, 100)));
    cairo_fill(cr);
    cairo_rectangle(cr, x - s * 0.11, g - s * 0.23, s * 0.22, s * 0.03);
    setColour(cr, b.tone(L.colours.accent));
    cairo_fill(cr);
    lamp(b, x, g - h * 0.97, s * 0.012, L.colours.accent2);
    // An antenna.
    cairo_move_to(cr, x + w * 0.25, g - h * 0.75);
    cairo_line_to(cr, x + w * 0.3, g - h * 1.3);
    setColour(cr, b.tone(rgb255(110, 120, 140)));
    cairo_set_line_width(cr, s * 0.012);
    cairo_stroke(cr);
    lamp(b, x + w * 0.3, g - h * 1.3, s * 0.01, rgb255(255, 90, 60));
}

void runwayLights(const Brush& b, double x, double g, double s, Random& rnd) {
    for (int i = 0; i < 5; ++i) {
        const double lx = x - s + i * s * 0.5, ly = g + rnd.uniform(-s * 0.05, s * 0.05);
        cairo_rectangle(b.cr, lx - s * 0.04, ly - s * 0.04, s * 0.08, s * 0.06);
        setColour(b.cr, b.tone(rgb255(80, 90, 100)));
        cairo_fill(b.cr);
        lamp(b, lx, ly - s * 0.05, s * 0.035, i % 2 ? b.land->colours.accent : b.land->colours.accent2);
    }
}

void mast(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    cairo_move_to(cr, x, g);
    cairo_line_to(cr, x, g - s);
    cairo_move_to(cr, x - s * 0.1, g - s * 0.7);
    cairo_line_to(cr, x + s * 0.1, g - s * 0.7);
    setColour(cr, b.tone(rgb255(80, 90, 110)));
    cairo_set_line_width(cr, std::max(0.8, s * 0.025));
    cairo_stroke(cr);
    lamp(b, x, g - s, std::max(0.8, s * 0.025), rgb255(255, 100, 70));
    const double w = s * rnd.uniform(0.4, 0.6);
    cairo_move_to(cr, x + s * 0.2, g);
    cairo_curve_to(cr, x + s * 0.2, g - w * 0.6, x + s * 0.2 + w, g - w * 0.6, x + s * 0.2 + w, g);
    setColour(cr, b.tone(rgb255(200, 210, 220)));
    cairo_fill(cr);
}

// ---------------------------------------------------------------- 5 mountains

void snowPeak(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    b.groundShadow(x, g, s * 0.6);
    const Land& L = *b.land;
    const double w = s * rnd.uniform(0.9, 1.2);
    const double px = x + rnd.uniform(-0.08, 0.08) * w;
    std::vector<std::pair<double, double>> left, right;
    for (int i = 0; i <= 6; ++i) {
        const double t = i / 6.0;
        const double j = (i % 2 ? 1 : -1) * s * 0.03 * (i > 0 && i < 6);
        left.push_back({x - w / 2 + (px - (x - w / 2)) * t + j, g - s * t + std::fabs(j)});
        right.push_back({px + (x + w / 2 - px) * t - j, g - s * (1 - t) + std::fabs(j)});
    }
    auto outline = [&](cairo_t* c) {
        cairo_move_to(c, left[0].first, left[0].second);
        for (auto [lx, ly] : left) cairo_line_to(c, lx, ly);
        for (auto [rx, ry] : right) cairo_line_to(c, rx, ry);
        cairo_close_path(c);
    };
    const Rgb rock = mix(L.colours.far, rgb255(190, 200, 230), 0.6);
    outline(cr);
    setColour(cr, b.shade(rock));
    cairo_fill(cr);
    // The sunny face.
    const bool leftLit = b.lightSide() < 0;
    cairo_move_to(cr, px, g - s);
    for (auto [lx, ly] : leftLit ? left : right) cairo_line_to(cr, lx, ly);
    cairo_line_to(cr, px + (leftLit ? -1 : 1) * w * 0.05, g);
    cairo_close_path(cr);
    setColour(cr, b.lit(rock));
    cairo_fill(cr);
    // Gullies running down both faces.
    cairo_save(cr);
    outline(cr);
    cairo_clip(cr);
    for (int i = 0; i < 7; ++i) {
        const double t = (i + 0.5) / 7.0;
        const double fx = x - w / 2 + w * t, fy = g - s * rnd.uniform(0.15, 0.45);
        cairo_move_to(cr, px + (fx - px) * 0.25, g - s * 0.8);
        cairo_curve_to(cr, px + (fx - px) * 0.5, fy - s * 0.2, fx, fy, fx + (fx - px) * 0.1, g);
    }
    setColour(cr, b.shade(rock), 0.45);
    cairo_set_line_width(cr, std::max(0.6, s * 0.012));
    cairo_stroke(cr);
    cairo_restore(cr);
    // Snow cap with a ragged edge: bluish in shade, white in the sun.
    const double snow = g - s * rnd.uniform(0.55, 0.65);
    auto cap = [&](cairo_t* c) {
        cairo_move_to(c, x - w, snow);
        for (int i = 0; i <= 12; ++i) cairo_line_to(c, x - w / 2 + w * i / 12.0, snow + (i % 2 ? s * 0.08 : -s * 0.02));
        cairo_line_to(c, x + w, snow);
        cairo_line_to(c, x + w, g - s * 1.2);
        cairo_line_to(c, x - w, g - s * 1.2);
        cairo_close_path(c);
    };
    cairo_save(cr);
    outline(cr);
    cairo_clip(cr);
    cap(cr);
    setColour(cr, b.tone(rgb255(200, 215, 240)));
    cairo_fill(cr);
    cairo_move_to(cr, px, g - s);
    for (auto [lx, ly] : leftLit ? left : right) cairo_line_to(cr, lx, ly);
    cairo_line_to(cr, px, g);
    cairo_close_path(cr);
    cairo_clip(cr);
    cap(cr);
    setColour(cr, b.tone(rgb255(255, 255, 255)));
    cairo_fill(cr);
    cairo_restore(cr);
    outline(cr);
    edge(b, rock, std::max(0.6, s * 0.008), 0.4);
}

void pine(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.35);
    cairo_rectangle(cr, x - s * 0.03, g - s * 0.15, s * 0.06, s * 0.15);
    setColour(cr, b.tone(rgb255(100, 70, 50)));
    cairo_fill(cr);
    const Rgb green = mix(L.colours.accent2, rgb255(40, 110, 70), rnd.uniform(0, 0.5));
    for (int i = 0; i < 4; ++i) {
        const double y = g - s * 0.1 - s * 0.2 * i, w = s * (0.34 - 0.06 * i);
        polygon(cr, {{x - w, y}, {x, y - s * 0.36}, {x + w, y}});
        fillSide(b, x - w, x + w, green);
        edge(b, green, std::max(0.5, s * 0.01), 0.35);
        // Snow on the boughs.
        polygon(cr, {{x - w * 0.5, y - s * 0.16}, {x, y - s * 0.34}, {x + w * 0.3, y - s * 0.2}});
        setColour(cr, b.tone(rgb255(245, 250, 255)), 0.8);
        cairo_fill(cr);
    }
}

void alpineSpeck(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 5; ++i) {
        const double rx = x + rnd.uniform(-s, s), ry = g + rnd.uniform(-s * 0.2, s * 0.2),
                     r = s * rnd.uniform(0.06, 0.14);
        ellipsePath(cr, rx, ry, r, r * 0.6);
        setColour(cr, b.tone(rgb255(150, 155, 170)));
        cairo_fill(cr);
        ellipsePath(cr, rx - r * 0.2, ry - r * 0.3, r * 0.6, r * 0.25);
        setColour(cr, b.tone(rgb255(250, 252, 255)));
        cairo_fill(cr);
    }
    for (int i = 0; i < 4; ++i) {
        const double fx = x + rnd.uniform(-s, s), fy = g + rnd.uniform(-s * 0.2, s * 0.2);
        starPath(cr, fx, fy, 5, s * 0.06, s * 0.025);
        setColour(cr, b.tone(rgb255(255, 255, 250)));
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- 6 rubble field

// What is left of a house: a wall of stone courses with an arched window,
// its top broken off in steps, ivy climbing it and blocks fallen at its foot.
void ruinedWall(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    const Rgb stone = rgb255(206, 190, 166);
    const double w = s * 0.62, course = s * 0.06;
    b.groundShadow(x, g, w * 0.9);
    // The broken outline: full height on the sunny side, stepping down across.
    std::vector<double> heights;
    for (int i = 0; i < 8; ++i) heights.push_back(s * (0.95 - 0.55 * i / 7.0) * rnd.uniform(0.85, 1.05));
    if (b.lightSide() > 0) std::reverse(heights.begin(), heights.end());
    auto outline = [&](cairo_t* c) {
        cairo_move_to(c, x - w / 2, g);
        for (int i = 0; i < 8; ++i) {
            const double x0 = x - w / 2 + w * i / 8.0;
            cairo_line_to(c, x0, g - heights[size_t(i)]);
            cairo_line_to(c, x0 + w / 8.0, g - heights[size_t(i)]);
        }
        cairo_line_to(c, x + w / 2, g);
        cairo_close_path(c);
        // The arched window.
        const double wx = x + b.lightSide() * w * 0.12, wy = g - s * 0.52, ww = w * 0.26;
        cairo_new_sub_path(c);
        cairo_move_to(c, wx - ww / 2, wy);
        cairo_arc(c, wx, wy - s * 0.06, ww / 2, M_PI, 2 * M_PI);
        cairo_line_to(c, wx + ww / 2, wy + s * 0.2);
        cairo_line_to(c, wx - ww / 2, wy + s * 0.2);
        cairo_close_path(c);
    };
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    outline(cr);
    cairo_pattern_t* gr = b.sideLight(x - w / 2, x + w / 2, stone);
    cairo_set_source(cr, gr);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gr);
    // Stone courses and joints.
    cairo_save(cr);
    cairo_clip(cr);
    for (int row = 0; row * course < s; ++row) {
        const double y = g - row * course;
        cairo_move_to(cr, x - w, y);
        cairo_line_to(cr, x + w, y);
        for (double jx = x - w / 2 + (row % 2) * course * 0.9; jx < x + w / 2; jx += course * 1.8) {
            cairo_move_to(cr, jx, y);
            cairo_line_to(cr, jx, y - course);
        }
    }
    setColour(cr, b.shade(stone), 0.5);
    cairo_set_line_width(cr, s * 0.005);
    cairo_stroke(cr);
    // A few blocks in the land's brick colour.
    for (int i = 0; i < 6; ++i) {
        const double bx = x - w / 2 + rnd.uniform(0, w), by = g - course * rnd.range(1, 9);
        cairo_rectangle(cr, bx, by, course * 1.7, course * 0.95);
        setColour(cr, b.tone(mix(L.colours.accent, stone, 0.35)), 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    outline(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    edge(b, stone, s * 0.01);
    // Ivy up the tall side.
    const double ivyX = x - b.lightSide() * w * 0.3;
    for (int i = 0; i < 14; ++i) {
        const double vx = ivyX + rnd.uniform(-w * 0.1, w * 0.1), vy = g - rnd.uniform(0, s * 0.5);
        ball(b, vx, vy, s * rnd.uniform(0.018, 0.03), L.colours.accent2);
    }
    // Fallen blocks at its foot.
    for (int i = 0; i < 4; ++i) {
        const double bx = x + rnd.uniform(-w * 0.7, w * 0.7), bw = s * rnd.uniform(0.07, 0.11);
        cairo_save(cr);
        cairo_translate(cr, bx, g - bw * 0.25);
        cairo_rotate(cr, rnd.uniform(-0.4, 0.4));
        cairo_rectangle(cr, -bw / 2, -bw * 0.3, bw, bw * 0.6);
        fillEdged(b, -bw / 2, bw / 2, i % 2 ? stone : mix(L.colours.accent, stone, 0.3), s * 0.006);
        cairo_restore(cr);
    }
}

void rubbleHeap(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    const double w = s * rnd.uniform(0.9, 1.2);
    b.groundShadow(x, g, w * 0.7);
    cairo_move_to(cr, x - w / 2, g);
    cairo_curve_to(cr, x - w * 0.3, g - s * 0.35, x + w * 0.2, g - s * 0.45, x + w / 2, g);
    cairo_close_path(cr);
    fillEdged(b, x - w / 2, x + w / 2, mix(L.colours.near, L.colours.ground, 0.4), s * 0.01);
    for (int i = 0; i < 9; ++i) {
        const double t = rnd.uniform(-0.4, 0.4);
        const double bx = x + t * w, by = g - s * (0.35 - std::fabs(t) * 0.6) * rnd.uniform(0.3, 1.0);
        const double bw = s * rnd.uniform(0.12, 0.22);
        cairo_save(cr);
        cairo_translate(cr, bx, by);
        cairo_rotate(cr, rnd.uniform(-0.6, 0.6));
        cairo_rectangle(cr, -bw / 2, -bw * 0.25, bw, bw * 0.5);
        const Rgb c =
            rnd.range(0, 2) ? mix(L.colours.accent, rgb255(170, 90, 70), rnd.uniform(0, 1)) : rgb255(190, 185, 180);
        fillEdged(b, -bw / 2, bw / 2, c, s * 0.008);
        cairo_restore(cr);
    }
    // A toppled column drum.
    const double cx = x + w * 0.25, cy = g - s * 0.08, cr2 = s * 0.1;
    cairo_rectangle(cr, cx - s * 0.2, cy - cr2, s * 0.2, cr2 * 2);
    cairo_pattern_t* g2 = cairo_pattern_create_linear(0, cy - cr2, 0, cy + cr2);
    addStop(g2, 0.0, b.lit(rgb255(225, 215, 200)));
    addStop(g2, 1.0, b.shade(rgb255(200, 190, 175)));
    cairo_set_source(cr, g2);
    cairo_fill(cr);
    cairo_pattern_destroy(g2);
    ellipsePath(cr, cx, cy, cr2 * 0.4, cr2);
    setColour(cr, b.tone(rgb255(215, 205, 190)));
    cairo_fill_preserve(cr);
    edge(b, rgb255(200, 190, 175), s * 0.008);
}

void bricksAndWeeds(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 6; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x + rnd.uniform(-s, s), g + rnd.uniform(-s * 0.2, s * 0.2));
        cairo_rotate(cr, rnd.uniform(-1, 1));
        cairo_rectangle(cr, -s * 0.09, -s * 0.04, s * 0.18, s * 0.08);
        setColour(cr, b.tone(mix(b.land->colours.accent, rgb255(160, 150, 145), rnd.uniform(0, 1))));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (int i = 0; i < 3; ++i) {
        const double wx = x + rnd.uniform(-s, s), wy = g + rnd.uniform(-s * 0.1, s * 0.2);
        for (int k = -2; k <= 2; ++k) {
            cairo_move_to(cr, wx, wy);
            cairo_line_to(cr, wx + k * s * 0.05, wy - s * 0.2);
        }
        setColour(cr, b.tone(b.land->colours.accent2));
        cairo_set_line_width(cr, s * 0.03);
        cairo_stroke(cr);
    }
}

void brokenWall(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const double w = s * rnd.uniform(0.8, 1.4);
    cairo_move_to(cr, x - w / 2, g);
    double y = g - s * rnd.uniform(0.5, 0.8);
    cairo_line_to(cr, x - w / 2, y);
    for (int i = 1; i <= 6; ++i) {
        y = g - s * rnd.uniform(0.3, 1.0);
        cairo_line_to(cr, x - w / 2 + w * (i - 0.5) / 6, y);
        cairo_line_to(cr, x - w / 2 + w * i / 6.0, y + s * rnd.uniform(-0.1, 0.1));
    }
    cairo_line_to(cr, x + w / 2, g);
    cairo_close_path(cr);
    // Window holes.
    for (int i = 0; i < 2; ++i) {
        const double hx = x - w * 0.25 + i * w * 0.4, hy = g - s * 0.35;
        cairo_new_sub_path(cr);
        cairo_rectangle(cr, hx + s * 0.06, hy - s * 0.12, -s * 0.12, s * 0.18);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    setColour(cr, b.tone(b.land->colours.far));
    cairo_fill(cr);
}

// ---------------------------------------------------------------- 7 lakes

void reeds(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const int n = 7;
    for (int i = 0; i < n; ++i) {
        const double bx = x + (i - n / 2) * s * 0.06 + rnd.uniform(-s * 0.02, s * 0.02);
        const double lean = rnd.uniform(-0.15, 0.15) * s, h = s * rnd.uniform(0.65, 1.0);
        cairo_move_to(cr, bx, g);
        cairo_curve_to(cr, bx, g - h * 0.5, bx + lean * 0.5, g - h * 0.8, bx + lean, g - h);
        setColour(cr, b.tone(rgb255(90, 140, 60)));
        cairo_set_line_width(cr, s * 0.02);
        cairo_stroke(cr);
        if (i % 2 == 0) {
            ellipsePath(cr, bx + lean * 0.9, g - h * 0.85, s * 0.025, s * 0.08, lean / s * 40);
            setColour(cr, b.tone(rgb255(130, 80, 45)));
            cairo_fill(cr);
        } else {
            cairo_move_to(cr, bx, g);
            cairo_curve_to(cr, bx - s * 0.1, g - h * 0.4, bx - s * 0.2, g - h * 0.5, bx - s * 0.25, g - h * 0.45);
            setColour(cr, b.tone(rgb255(110, 170, 70)));
            cairo_set_line_width(cr, s * 0.025);
            cairo_stroke(cr);
        }
    }
}

void lilyPads(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 4; ++i) {
        const double lx = x + rnd.uniform(-s, s), ly = g + rnd.uniform(-s * 0.2, s * 0.2),
                     r = s * rnd.uniform(0.12, 0.2);
        cairo_save(cr);
        cairo_translate(cr, lx, ly);
        cairo_scale(cr, 1, 0.45);
        cairo_move_to(cr, 0, 0);
        cairo_arc(cr, 0, 0, r, 0.4, 2 * M_PI - 0.1);
        cairo_close_path(cr);
        cairo_restore(cr);
        setColour(cr, b.tone(rgb255(70, 150, 70)));
        cairo_fill(cr);
        if (i % 2 == 0) {
            for (int p = 0; p < 6; ++p) {
                const double a = p * M_PI / 3;
                ellipsePath(cr, lx + std::cos(a) * r * 0.18, ly - r * 0.2 + std::sin(a) * r * 0.08, r * 0.18, r * 0.09,
                            a * 180 / M_PI);
            }
            setColour(cr, b.tone(b.land->colours.accent2));
            cairo_fill(cr);
        }
    }
}

void pier(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const double dir = -1;  // from the boathouse at the shore out to the left
    const Rgb wood = rgb255(170, 120, 80);
    const double deckY = g - s * 0.12, len = s * 0.7;
    // Posts.
    for (int i = 0; i < 5; ++i) {
        const double px = x + dir * len * i / 4.0;
        cairo_rectangle(cr, px - s * 0.02, deckY, s * 0.04, s * 0.2);
        setColour(cr, b.shade(wood));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, std::min(x, x + dir * len) - s * 0.03, deckY - s * 0.035, len + s * 0.06, s * 0.04);
    fillEdged(b, x, x + dir * len, wood, s * 0.006);
    for (int i = 0; i < 16; ++i) {
        const double px = std::min(x, x + dir * len) + (len + s * 0.06) * i / 16.0;
        cairo_move_to(cr, px, deckY - s * 0.035);
        cairo_line_to(cr, px, deckY + s * 0.005);
    }
    setColour(cr, b.shade(wood), 0.6);
    cairo_set_line_width(cr, s * 0.005);
    cairo_stroke(cr);
    // A boathouse on the far end of the jetty.
    const double hx = x + s * 0.05, hw = s * 0.34, hh = s * 0.24;
    cairo_rectangle(cr, hx - hw / 2, deckY - s * 0.035 - hh, hw, hh);
    fillEdged(b, hx - hw / 2, hx + hw / 2, rgb255(200, 150, 100), s * 0.008);
    for (int i = 1; i < 6; ++i) {
        cairo_move_to(cr, hx - hw / 2 + hw * i / 6, deckY - s * 0.035 - hh);
        cairo_line_to(cr, hx - hw / 2 + hw * i / 6, deckY - s * 0.035);
    }
    setColour(cr, b.shade(rgb255(200, 150, 100)), 0.5);
    cairo_set_line_width(cr, s * 0.005);
    cairo_stroke(cr);
    window(b, hx - hw * 0.22, deckY - s * 0.035 - hh * 0.55, s * 0.06, s * 0.06, rgb255(255, 220, 130));
    roundedRectPath(cr, hx + hw * 0.05, deckY - s * 0.035 - hh * 0.75, hw * 0.3, hh * 0.75, s * 0.01);
    setColour(cr, b.tone(rgb255(110, 70, 50)));
    cairo_fill(cr);
    polygon(cr, {{hx - hw * 0.62, deckY - s * 0.03 - hh},
                 {hx, deckY - s * 0.035 - hh - s * 0.2},
                 {hx + hw * 0.62, deckY - s * 0.03 - hh}});
    fillEdged(b, hx - hw * 0.62, hx + hw * 0.62, rgb255(70, 130, 150), s * 0.01);
    // A rowing boat tied at the end.
    const double bx = x + dir * len * 0.75, by = g + s * 0.05;
    cairo_move_to(cr, bx - s * 0.22, by - s * 0.06);
    cairo_curve_to(cr, bx - s * 0.15, by + s * 0.04, bx + s * 0.15, by + s * 0.04, bx + s * 0.25, by - s * 0.07);
    cairo_close_path(cr);
    fillEdged(b, bx - s * 0.22, bx + s * 0.25, rgb255(230, 90, 70), s * 0.008);
    cairo_move_to(cr, bx - s * 0.2, by - s * 0.062);
    cairo_line_to(cr, bx + s * 0.23, by - s * 0.07);
    setColour(cr, b.tone(rgb255(250, 245, 230)));
    cairo_set_line_width(cr, s * 0.015);
    cairo_stroke(cr);
    reeds(b, x - s * 0.75, g + s * 0.04, s * 0.45, rnd);
}

// ---------------------------------------------------------------- 8 scrapyard

void tyre(const Brush& b, double x, double y, double r) {
    circlePath(b.cr, x, y, r);
    setColour(b.cr, b.tone(rgb255(50, 50, 58)));
    cairo_fill(b.cr);
    circlePath(b.cr, x, y, r * 0.5);
    setColour(b.cr, b.tone(rgb255(110, 105, 100)));
    cairo_fill(b.cr);
    rimArc(b, x, y, r, r * 0.18);
}

void barrel(const Brush& b, double x, double g, double w, double h, Rgb c) {
    cairo_rectangle(b.cr, x - w / 2, g - h, w, h);
    fillEdged(b, x - w / 2, x + w / 2, c, w * 0.05);
    for (double f : {0.25, 0.75}) {
        cairo_move_to(b.cr, x - w / 2, g - h * f);
        cairo_line_to(b.cr, x + w / 2, g - h * f);
    }
    setColour(b.cr, b.shade(c), 0.8);
    cairo_set_line_width(b.cr, w * 0.06);
    cairo_stroke(b.cr);
    ellipsePath(b.cr, x, g - h, w / 2, w * 0.12);
    setColour(b.cr, b.lit(c));
    cairo_fill(b.cr);
}

void junkHeap(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    const double w = s * rnd.uniform(1.0, 1.3), h = s * 0.55;
    b.groundShadow(x, g, w * 0.7);
    cairo_move_to(cr, x - w / 2, g);
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0;
        cairo_line_to(cr, x - w / 2 + w * t, g - h * std::sin(t * M_PI) * rnd.uniform(0.8, 1.05));
    }
    cairo_close_path(cr);
    fillEdged(b, x - w / 2, x + w / 2, mix(L.colours.near, rgb255(120, 110, 105), 0.4), s * 0.01);
    // Pipes, plates and wheels poking out.
    for (int i = 0; i < 4; ++i) {
        const double px = x + rnd.uniform(-0.3, 0.3) * w, py = g - h * rnd.uniform(0.3, 0.7);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, rnd.uniform(-0.8, 0.8));
        cairo_rectangle(cr, -s * 0.18, -s * 0.025, s * 0.36, s * 0.05);
        fillEdged(b, -s * 0.18, s * 0.18, L.colours.accent2, s * 0.006);
        cairo_restore(cr);
    }
    for (int i = 0; i < 3; ++i) {
        const double px = x + rnd.uniform(-0.3, 0.3) * w, py = g - h * rnd.uniform(0.2, 0.6);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, rnd.uniform(-0.5, 0.5));
        polygon(cr, {{-s * 0.12, -s * 0.08}, {s * 0.12, -s * 0.1}, {s * 0.1, s * 0.07}, {-s * 0.1, s * 0.08}});
        fillEdged(b, -s * 0.12, s * 0.12, mix(L.colours.accent, rgb255(90, 140, 180), rnd.uniform(0, 1)), s * 0.008);
        cairo_restore(cr);
    }
    tyre(b, x - w * 0.22, g - s * 0.1, s * 0.1);
    tyre(b, x + w * 0.05, g - h * 0.75, s * 0.08);
    barrel(b, x + w * 0.32, g, s * 0.14, s * 0.2, rgb255(60, 130, 170));
}

void crane(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    b.groundShadow(x, g, s * 0.3);
    const double top = g - s * 0.85, dir = -1;  // the jib reaches into the picture
    const Rgb paint = mix(L.colours.accent, rgb255(250, 190, 40), 0.6);
    // Mast.
    const double mw = s * 0.07;
    setColour(cr, b.tone(paint));
    cairo_set_line_width(cr, s * 0.012);
    cairo_rectangle(cr, x - mw / 2, top, mw, g - top);
    for (int i = 0; i < 12; ++i) {
        const double y0 = g - (g - top) * i / 12.0, y1 = g - (g - top) * (i + 1) / 12.0;
        cairo_move_to(cr, x - mw / 2, y0);
        cairo_line_to(cr, x + mw / 2, y1);
    }
    cairo_stroke(cr);
    // Jib and counter-jib.
    const double jy = top + s * 0.03, reach = s * 0.7;
    cairo_move_to(cr, x - dir * s * 0.2, jy);
    cairo_line_to(cr, x + dir * reach, jy);
    cairo_move_to(cr, x - dir * s * 0.2, jy + s * 0.05);
    cairo_line_to(cr, x + dir * reach, jy + s * 0.05);
    for (int i = 0; i < 14; ++i) {
        const double x0 = x - dir * s * 0.2 + dir * (reach + s * 0.2) * i / 14.0;
        const double x1 = x - dir * s * 0.2 + dir * (reach + s * 0.2) * (i + 1) / 14.0;
        cairo_move_to(cr, x0, jy + s * 0.05);
        cairo_line_to(cr, x1, jy);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, x, top - s * 0.12);
    cairo_line_to(cr, x + dir * reach * 0.9, jy);
    cairo_move_to(cr, x, top - s * 0.12);
    cairo_line_to(cr, x - dir * s * 0.2, jy);
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
    cairo_rectangle(cr, x - dir * s * 0.22 - s * 0.05, jy + s * 0.05, s * 0.1, s * 0.08);
    setColour(cr, b.tone(rgb255(110, 110, 120)));
    cairo_fill(cr);
    // Cabin.
    cairo_rectangle(cr, x - s * 0.06, jy + s * 0.05, s * 0.12, s * 0.09);
    fillEdged(b, x - s * 0.06, x + s * 0.06, paint, s * 0.006);
    window(b, x + dir * s * 0.02, jy + s * 0.09, s * 0.05, s * 0.04, rgb255(160, 210, 230));
    // Cable and magnet.
    const double hx = x + dir * reach * 0.8, hy = g - s * 0.35;
    cairo_move_to(cr, hx, jy + s * 0.05);
    cairo_line_to(cr, hx, hy);
    setColour(cr, b.tone(rgb255(60, 60, 70)));
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
    ellipsePath(cr, hx, hy + s * 0.03, s * 0.09, s * 0.035);
    cairo_rectangle(cr, hx - s * 0.09, hy + s * 0.005, s * 0.18, s * 0.03);
    fillEdged(b, hx - s * 0.09, hx + s * 0.09, rgb255(90, 95, 110), s * 0.006);
    // A car hanging from the magnet.
    cairo_save(cr);
    cairo_translate(cr, hx, hy + s * 0.1);
    cairo_rotate(cr, 0.08 * dir);
    roundedRectPath(cr, -s * 0.14, 0, s * 0.28, s * 0.07, s * 0.02);
    polygon(cr, {{-s * 0.08, 0.001}, {-s * 0.05, -s * 0.05}, {s * 0.06, -s * 0.05}, {s * 0.1, 0.001}});
    fillEdged(b, -s * 0.14, s * 0.14, mix(rgb255(80, 150, 200), L.colours.accent, rnd.uniform(0, 0.3)), s * 0.006);
    tyre(b, -s * 0.08, s * 0.075, s * 0.03);
    tyre(b, s * 0.08, s * 0.075, s * 0.03);
    cairo_restore(cr);
}

void bolts(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 5; ++i) {
        const double cx = x + rnd.uniform(-s, s), cy = g + rnd.uniform(-s * 0.2, s * 0.2),
                     r = s * rnd.uniform(0.06, 0.12);
        if (i % 2 == 0) {
            starPath(cr, cx, cy, 8, r, r * 0.75, rnd.uniform(0, 45));
            setColour(cr, b.tone(rgb255(140, 145, 155)));
            cairo_fill(cr);
            circlePath(cr, cx, cy, r * 0.35);
            setColour(cr, b.tone(b.land->colours.groundShade));
            cairo_fill(cr);
        } else {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, rnd.uniform(0, 3));
            cairo_rectangle(cr, -r, -r * 0.2, r * 2, r * 0.4);
            setColour(cr, b.tone(mix(b.land->colours.accent, rgb255(120, 110, 100), 0.5)));
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
}

void farCrane(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const double dir = rnd.range(0, 1) ? 1 : -1;
    cairo_move_to(cr, x, g);
    cairo_line_to(cr, x, g - s);
    cairo_move_to(cr, x - dir * s * 0.2, g - s * 0.95);
    cairo_line_to(cr, x + dir * s * 0.6, g - s * 0.95);
    cairo_move_to(cr, x + dir * s * 0.45, g - s * 0.95);
    cairo_line_to(cr, x + dir * s * 0.45, g - s * 0.55);
    setColour(cr, b.tone(b.land->colours.far));
    cairo_set_line_width(cr, std::max(0.8, s * 0.03));
    cairo_stroke(cr);
}

// ---------------------------------------------------------------- 9 coast

void lighthouse(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    // Rocks it stands on.
    for (int i = 0; i < 4; ++i) {
        const double rx = x + (i - 1.5) * s * 0.14, r = s * rnd.uniform(0.09, 0.14);
        ball(b, rx, g - r * 0.5, r, rgb255(130, 125, 135));
    }
    const double base = g - s * 0.1, top = g - s * 0.78, wb = s * 0.11, wt = s * 0.075;
    auto tower = [&](cairo_t* c) { polygon(c, {{x - wb, base}, {x + wb, base}, {x + wt, top}, {x - wt, top}}); };
    tower(cr);
    fillSide(b, x - wb, x + wb, rgb255(250, 248, 240));
    cairo_save(cr);
    cairo_clip(cr);
    for (int i = 0; i < 3; ++i) {
        const double y0 = base - (base - top) * (0.18 + 0.3 * i);
        cairo_rectangle(cr, x - wb, y0 - (base - top) * 0.13, wb * 2, (base - top) * 0.13);
    }
    cairo_pattern_t* stripes = b.sideLight(x - wb, x + wb, L.colours.accent);
    cairo_set_source(cr, stripes);
    cairo_fill(cr);
    cairo_pattern_destroy(stripes);
    cairo_restore(cr);
    tower(cr);
    edge(b, rgb255(200, 190, 180), s * 0.008);
    window(b, x, base - s * 0.3, s * 0.03, s * 0.05, rgb255(90, 120, 160));
    // Gallery, lantern and roof.
    cairo_rectangle(cr, x - wt * 1.5, top - s * 0.02, wt * 3, s * 0.025);
    fillEdged(b, x - wt * 1.5, x + wt * 1.5, rgb255(60, 60, 75), s * 0.004);
    scene::glow(cr, x, top - s * 0.07, s * 0.3, rgb255(255, 240, 170), 0.6 * (1 - b.depth * 0.5));
    cairo_rectangle(cr, x - wt * 0.8, top - s * 0.11, wt * 1.6, s * 0.09);
    setColour(cr, b.tone(rgb255(255, 240, 170)));
    cairo_fill_preserve(cr);
    edge(b, rgb255(120, 100, 60), s * 0.008);
    polygon(cr, {{x - wt * 1.1, top - s * 0.11}, {x, top - s * 0.19}, {x + wt * 1.1, top - s * 0.11}});
    fillEdged(b, x - wt * 1.1, x + wt * 1.1, L.colours.accent, s * 0.006);
    // Surf around the rocks.
    for (int i = 0; i < 5; ++i) {
        ellipsePath(cr, x + (i - 2) * s * 0.12, g + s * 0.01, s * 0.09, s * 0.025);
        setColour(cr, b.tone(rgb255(255, 255, 255)), 0.85);
        cairo_fill(cr);
    }
}

void surfRock(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const double w = s * rnd.uniform(0.6, 0.9);
    cairo_move_to(cr, x - w / 2, g);
    cairo_curve_to(cr, x - w * 0.45, g - s * 0.45, x + w * 0.05, g - s * 0.6, x + w * 0.2, g - s * 0.45);
    cairo_curve_to(cr, x + w * 0.4, g - s * 0.3, x + w * 0.5, g - s * 0.15, x + w / 2, g);
    cairo_close_path(cr);
    fillEdged(b, x - w / 2, x + w / 2, rgb255(140, 130, 140), s * 0.012);
    for (int i = 0; i < 4; ++i) {
        ellipsePath(cr, x - w * 0.45 + w * 0.3 * i, g + s * 0.02, w * 0.16, s * 0.04);
        setColour(cr, b.tone(rgb255(255, 255, 255)), 0.9);
        cairo_fill(cr);
    }
}

void shells(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 4; ++i) {
        const double cx = x + rnd.uniform(-s, s), cy = g + rnd.uniform(-s * 0.2, s * 0.2),
                     r = s * rnd.uniform(0.08, 0.13);
        if (i % 2) {
            starPath(cr, cx, cy, 5, r, r * 0.45, rnd.uniform(0, 72));
            setColour(cr, b.tone(rgb255(245, 130, 90)));
            cairo_fill(cr);
        } else {
            cairo_move_to(cr, cx, cy + r * 0.5);
            cairo_arc(cr, cx, cy + r * 0.5, r, M_PI * 1.15, M_PI * 1.85);
            cairo_close_path(cr);
            setColour(cr, b.tone(rgb255(255, 225, 215)));
            cairo_fill_preserve(cr);
            edge(b, rgb255(230, 170, 150), s * 0.015, 0.8);
        }
    }
}

void sailboat(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    cairo_move_to(cr, x - s * 0.3, g - s * 0.12);
    cairo_line_to(cr, x + s * 0.3, g - s * 0.12);
    cairo_line_to(cr, x + s * 0.2, g);
    cairo_line_to(cr, x - s * 0.22, g);
    cairo_close_path(cr);
    setColour(cr, b.tone(rgb255(120, 70, 60)));
    cairo_fill(cr);
    polygon(cr, {{x, g - s * 0.15}, {x, g - s}, {x + s * 0.38, g - s * 0.15}});
    setColour(cr, b.tone(rgb255(255, 252, 245)));
    cairo_fill(cr);
    polygon(cr, {{x - s * 0.03, g - s * 0.2}, {x - s * 0.03, g - s * 0.8}, {x - s * 0.3, g - s * 0.2}});
    setColour(cr, b.tone(rnd.range(0, 1) ? b.land->colours.accent : rgb255(250, 200, 80)));
    cairo_fill(cr);
}

// ---------------------------------------------------------------- 10 dunes

void palm(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const double lean = rnd.uniform(-0.25, 0.25) * s;
    const double tx = x + lean, ty = g - s * 0.85;
    b.groundShadow(x, g, s * 0.4);
    cairo_move_to(cr, x - s * 0.035, g);
    cairo_curve_to(cr, x, g - s * 0.4, tx - s * 0.02, ty + s * 0.2, tx - s * 0.015, ty);
    cairo_line_to(cr, tx + s * 0.015, ty);
    cairo_curve_to(cr, tx + s * 0.02, ty + s * 0.2, x + s * 0.03, g - s * 0.4, x + s * 0.035, g);
    cairo_close_path(cr);
    fillSide(b, x - s * 0.04, x + s * 0.04, rgb255(160, 115, 70));
    cairo_new_path(cr);
    for (int i = 1; i < 8; ++i) {
        const double t = i / 8.0;
        const double px = x + lean * t * t, py = g - s * 0.85 * t;
        cairo_move_to(cr, px - s * 0.03, py);
        cairo_line_to(cr, px + s * 0.03, py - s * 0.01);
    }
    setColour(cr, b.shade(rgb255(140, 95, 60)), 0.7);
    cairo_set_line_width(cr, s * 0.008);
    cairo_stroke(cr);
    const Rgb leaf = b.land->colours.accent;
    for (int i = 0; i < 7; ++i) {
        const double a = -M_PI / 2 + (i - 3) * 0.5 + rnd.uniform(-0.1, 0.1);
        const double len = s * rnd.uniform(0.32, 0.42);
        const double ex = tx + std::cos(a) * len, ey = ty + std::sin(a) * len * 0.6 + len * 0.35;
        const double mx = tx + std::cos(a) * len * 0.5, my = ty + std::sin(a) * len * 0.5 - s * 0.06;
        cairo_move_to(cr, tx, ty);
        cairo_curve_to(cr, mx, my - s * 0.05, ex, ey - s * 0.05, ex, ey);
        cairo_curve_to(cr, ex, ey, mx, my + s * 0.04, tx, ty + s * 0.02);
        cairo_close_path(cr);
        fillSide(b, tx - len, tx + len, mix(leaf, rgb255(40, 120, 60), i % 2 * 0.3));
        edge(b, leaf, s * 0.006, 0.4);
    }
    for (int i = 0; i < 3; ++i) ball(b, tx + (i - 1) * s * 0.025, ty + s * 0.025, s * 0.022, rgb255(150, 90, 50));
}

void oasis(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    const Land& L = *b.land;
    // The pool.
    ellipsePath(cr, x, g + s * 0.02, s * 0.5, s * 0.08);
    cairo_pattern_t* w = cairo_pattern_create_linear(0, g - s * 0.06, 0, g + s * 0.1);
    addStop(w, 0.0, b.tone(rgb255(120, 210, 220)));
    addStop(w, 1.0, b.tone(rgb255(40, 140, 170)));
    cairo_set_source(cr, w);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(w);
    edge(b, L.colours.ground, s * 0.012, 0.5);
    ellipsePath(cr, x - s * 0.12, g, s * 0.18, s * 0.015);
    setColour(cr, b.tone(rgb255(230, 250, 255)), 0.7);
    cairo_fill(cr);
    // Bushes and palms around it.
    for (int i = 0; i < 5; ++i)
        ball(b, x + (i - 2) * s * 0.2, g - s * 0.05, s * rnd.uniform(0.05, 0.08), rgb255(90, 160, 70));
    palm(b, x - s * 0.32, g - s * 0.02, s * 0.8, rnd);
    palm(b, x + s * 0.3, g - s * 0.03, s * 1.0, rnd);
    palm(b, x + s * 0.05, g - s * 0.06, s * 0.65, rnd);
}

void desertTufts(const Brush& b, double x, double g, double s, Random& rnd) {
    cairo_t* cr = b.cr;
    for (int i = 0; i < 3; ++i) {
        const double tx = x + rnd.uniform(-s, s), ty = g + rnd.uniform(-s * 0.2, s * 0.2);
        for (int k = -3; k <= 3; ++k) {
            cairo_move_to(cr, tx, ty);
            cairo_curve_to(cr, tx + k * s * 0.02, ty - s * 0.1, tx + k * s * 0.06, ty - s * 0.16, tx + k * s * 0.08,
                           ty - s * 0.18);
        }
        setColour(cr, b.tone(rgb255(150, 150, 80)));
        cairo_set_line_width(cr, s * 0.02);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 4; ++i) {
        ellipsePath(cr, x + rnd.uniform(-s, s), g + rnd.uniform(-s * 0.2, s * 0.2), s * 0.05, s * 0.03);
        setColour(cr, b.tone(rgb255(190, 140, 100)));
        cairo_fill(cr);
    }
}

void camel(const Brush& b, double x, double g, double s, Random& rnd) {
    // A camel on a far crest, one flat tone.
    cairo_t* cr = b.cr;
    const double cx = x, dir = rnd.range(0, 1) ? 1 : -1;
    cairo_save(cr);
    cairo_translate(cr, cx, 0);
    cairo_scale(cr, dir, 1);
    cairo_move_to(cr, -s * 0.35, g - s * 0.45);
    cairo_curve_to(cr, -s * 0.25, g - s * 0.8, -s * 0.05, g - s * 0.8, 0, g - s * 0.6);
    cairo_curve_to(cr, s * 0.1, g - s * 0.8, s * 0.25, g - s * 0.7, s * 0.3, g - s * 0.5);
    cairo_line_to(cr, s * 0.45, g - s * 0.85);
    cairo_line_to(cr, s * 0.58, g - s * 0.85);
    cairo_line_to(cr, s * 0.55, g - s * 0.75);
    cairo_line_to(cr, s * 0.38, g - s * 0.42);
    cairo_line_to(cr, -s * 0.35, g - s * 0.38);
    cairo_close_path(cr);
    for (double lx : {-0.28, -0.18, 0.15, 0.25}) cairo_rectangle(cr, lx * s, g - s * 0.42, s * 0.04, s * 0.42);
    setColour(cr, b.tone(rgb255(120, 70, 60)));
    cairo_fill(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- the table

// clang-format off
const Land kLandTable[kLands] = {
    {.number = 1, .name = "Meadows",
     .colours = {
         .skyTop = rgb255(62, 140, 232),
         .skyHorizon = rgb255(206, 234, 252),
         .light = rgb255(255, 246, 205),
         .haze = rgb255(196, 222, 246),
         .far = rgb255(112, 176, 120),
         .near = rgb255(92, 172, 64),
         .ground = rgb255(126, 198, 72),
         .groundShade = rgb255(62, 132, 52),
         .accent = rgb255(246, 86, 110),
         .accent2 = rgb255(255, 226, 80),
         .water = rgb255(70, 160, 220),
     },
     .sunX = 0.16, .sunY = 0.14, .clouds = 5, .relief = scene::Ridge::Rolling, .reliefHeight = 0.16, .water = false,
     .landmark = windmill, .feature = leafyTree, .speck = flowers, .farShape = nullptr, .farCount = 0},
    {.number = 2, .name = "Old Town",
     .colours = {
         .skyTop = rgb255(84, 136, 214),
         .skyHorizon = rgb255(255, 218, 176),
         .light = rgb255(255, 214, 150),
         .haze = rgb255(236, 206, 196),
         .far = rgb255(150, 128, 150),
         .near = rgb255(176, 124, 96),
         .ground = rgb255(198, 164, 124),
         .groundShade = rgb255(126, 92, 78),
         .accent = rgb255(204, 84, 62),
         .accent2 = rgb255(255, 214, 120),
         .water = rgb255(90, 150, 200),
     },
     .sunX = 0.82, .sunY = 0.18, .clouds = 3, .relief = scene::Ridge::Rolling, .reliefHeight = 0.08, .water = false,
     .landmark = clockTower, .feature = house, .speck = cobbles, .farShape = townSkyline, .farCount = 4},
    {.number = 3, .name = "Wasteland",
     .colours = {
         .skyTop = rgb255(116, 120, 196),
         .skyHorizon = rgb255(252, 196, 146),
         .light = rgb255(255, 204, 136),
         .haze = rgb255(224, 184, 176),
         .far = rgb255(184, 118, 98),
         .near = rgb255(168, 104, 72),
         .ground = rgb255(206, 146, 94),
         .groundShade = rgb255(136, 84, 62),
         .accent = rgb255(150, 120, 100),
         .accent2 = rgb255(150, 166, 92),
         .water = rgb255(90, 150, 170),
     },
     .sunX = 0.8, .sunY = 0.22, .clouds = 1, .relief = scene::Ridge::Mesas, .reliefHeight = 0.22, .water = false,
     .landmark = deadTree, .feature = boulder, .speck = cracks, .farShape = nullptr, .farCount = 0},
    {.number = 4, .name = "Base",
     .colours = {
         .skyTop = rgb255(36, 92, 164),
         .skyHorizon = rgb255(160, 216, 234),
         .light = rgb255(214, 244, 255),
         .haze = rgb255(174, 206, 226),
         .far = rgb255(100, 140, 172),
         .near = rgb255(104, 158, 118),
         .ground = rgb255(150, 184, 120),
         .groundShade = rgb255(82, 120, 92),
         .accent = rgb255(255, 150, 44),
         .accent2 = rgb255(110, 232, 255),
         .water = rgb255(70, 150, 200),
     },
     .sunX = 0.2, .sunY = 0.16, .clouds = 2, .relief = scene::Ridge::Rolling, .reliefHeight = 0.1, .water = false,
     .landmark = radarTower, .feature = dome, .speck = runwayLights, .farShape = mast, .farCount = 5},
    {.number = 5, .name = "Mountains",
     .colours = {
         .skyTop = rgb255(44, 114, 222),
         .skyHorizon = rgb255(204, 228, 252),
         .light = rgb255(255, 252, 236),
         .haze = rgb255(204, 222, 246),
         .far = rgb255(120, 140, 196),
         .near = rgb255(80, 150, 100),
         .ground = rgb255(130, 180, 110),
         .groundShade = rgb255(60, 110, 80),
         .accent = rgb255(255, 255, 255),
         .accent2 = rgb255(46, 110, 76),
         .water = rgb255(80, 170, 220),
     },
     .sunX = 0.18, .sunY = 0.12, .clouds = 4, .relief = scene::Ridge::Peaks, .reliefHeight = 0.42, .water = false,
     .landmark = snowPeak, .feature = pine, .speck = alpineSpeck, .farShape = nullptr, .farCount = 0},
    {.number = 6, .name = "Rubble Field",
     .colours = {
         .skyTop = rgb255(108, 118, 184),
         .skyHorizon = rgb255(238, 208, 204),
         .light = rgb255(255, 222, 184),
         .haze = rgb255(218, 204, 216),
         .far = rgb255(146, 134, 156),
         .near = rgb255(156, 140, 132),
         .ground = rgb255(176, 160, 142),
         .groundShade = rgb255(104, 92, 98),
         .accent = rgb255(202, 112, 82),
         .accent2 = rgb255(124, 168, 88),
         .water = rgb255(100, 150, 190),
     },
     .sunX = 0.78, .sunY = 0.2, .clouds = 3, .relief = scene::Ridge::Rolling, .reliefHeight = 0.1, .water = false,
     .landmark = ruinedWall, .feature = rubbleHeap, .speck = bricksAndWeeds, .farShape = brokenWall, .farCount = 3},
    {.number = 7, .name = "Lakes",
     .colours = {
         .skyTop = rgb255(58, 150, 230),
         .skyHorizon = rgb255(214, 242, 252),
         .light = rgb255(255, 250, 226),
         .haze = rgb255(200, 230, 240),
         .far = rgb255(84, 150, 140),
         .near = rgb255(70, 150, 90),
         .ground = rgb255(112, 182, 92),
         .groundShade = rgb255(50, 112, 72),
         .accent = rgb255(80, 182, 212),
         .accent2 = rgb255(250, 176, 210),
         .water = rgb255(60, 170, 214),
     },
     .sunX = 0.22, .sunY = 0.16, .clouds = 4, .relief = scene::Ridge::Rolling, .reliefHeight = 0.14, .water = true,
     .landmark = pier, .feature = reeds, .speck = lilyPads, .farShape = nullptr, .farCount = 0},
    {.number = 8, .name = "Scrapyard",
     .colours = {
         .skyTop = rgb255(92, 130, 190),
         .skyHorizon = rgb255(242, 212, 150),
         .light = rgb255(255, 214, 140),
         .haze = rgb255(216, 202, 182),
         .far = rgb255(126, 112, 112),
         .near = rgb255(134, 102, 82),
         .ground = rgb255(154, 124, 92),
         .groundShade = rgb255(92, 72, 62),
         .accent = rgb255(212, 110, 50),
         .accent2 = rgb255(132, 152, 172),
         .water = rgb255(90, 140, 160),
     },
     .sunX = 0.76, .sunY = 0.2, .clouds = 2, .relief = scene::Ridge::Rolling, .reliefHeight = 0.12, .water = false,
     .landmark = crane, .feature = junkHeap, .speck = bolts, .farShape = farCrane, .farCount = 3},
    {.number = 9, .name = "Coast",
     .colours = {
         .skyTop = rgb255(36, 140, 232),
         .skyHorizon = rgb255(192, 236, 252),
         .light = rgb255(255, 250, 220),
         .haze = rgb255(190, 226, 246),
         .far = rgb255(92, 150, 172),
         .near = rgb255(222, 200, 150),
         .ground = rgb255(238, 218, 162),
         .groundShade = rgb255(182, 150, 110),
         .accent = rgb255(230, 62, 62),
         .accent2 = rgb255(40, 180, 204),
         .water = rgb255(36, 170, 210),
     },
     .sunX = 0.24, .sunY = 0.14, .clouds = 4, .relief = scene::Ridge::Rolling, .reliefHeight = 0.1, .water = true,
     .landmark = lighthouse, .feature = surfRock, .speck = shells, .farShape = sailboat, .farCount = 4},
    {.number = 10, .name = "Dunes",
     .colours = {
         .skyTop = rgb255(40, 110, 212),
         .skyHorizon = rgb255(255, 222, 172),
         .light = rgb255(255, 232, 160),
         .haze = rgb255(246, 216, 190),
         .far = rgb255(222, 160, 112),
         .near = rgb255(236, 172, 92),
         .ground = rgb255(242, 192, 112),
         .groundShade = rgb255(202, 122, 72),
         .accent = rgb255(76, 156, 76),
         .accent2 = rgb255(202, 92, 62),
         .water = rgb255(50, 170, 190),
     },
     .sunX = 0.8, .sunY = 0.16, .clouds = 1, .relief = scene::Ridge::Dunes, .reliefHeight = 0.16, .water = false,
     .landmark = oasis, .feature = palm, .speck = desertTufts, .farShape = camel, .farCount = 4},
};
// clang-format on


}  // namespace

const Land& land(int number) { return kLandTable[std::clamp(number, 1, kLands) - 1]; }

int landOfLevel(int level) { return std::clamp((level + 9) / 10, 1, kLands); }

}  // namespace lands
