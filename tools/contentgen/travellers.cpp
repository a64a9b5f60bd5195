#include "travellers.h"

#include <cmath>

#include "scene.h"

namespace travellers {

using namespace art;
using lands::Brush;

namespace {

const Rgb kWood = rgb255(150, 98, 58);
const Rgb kCanvas = rgb255(248, 238, 214);
const Rgb kPony = rgb255(188, 112, 56);
const Rgb kMane = rgb255(96, 54, 34);
const Rgb kCloak = rgb255(214, 64, 58);
const Rgb kHat = rgb255(70, 110, 64);
const Rgb kSkin = rgb255(246, 200, 160);
const Rgb kStone = rgb255(214, 206, 196);

// Fills the current path with `c` lit from above on the sun's side, then
// outlines it thinly in its own shade.
void paint(const Brush& b, Rgb c, double x0, double x1, double line) {
    cairo_pattern_t* g = b.sideLight(x0, x1, c);
    cairo_set_source(b.cr, g);
    cairo_fill_preserve(b.cr);
    cairo_pattern_destroy(g);
    setColour(b.cr, b.tone(darken(c, 0.55)), 0.6 * (1 - b.depth * 0.7));
    cairo_set_line_width(b.cr, line);
    cairo_set_line_join(b.cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(b.cr);
}

void wheel(const Brush& b, double cx, double cy, double r, double s) {
    cairo_t* cr = b.cr;
    circlePath(cr, cx, cy, r);
    setColour(cr, b.tone(darken(kWood, 0.45)));
    cairo_set_line_width(cr, r * 0.22);
    cairo_stroke(cr);
    for (int k = 0; k < 8; ++k) {
        const double a = k * M_PI / 4 + 0.2;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a) * r * 0.92, cy + std::sin(a) * r * 0.92);
    }
    setColour(cr, b.tone(kWood));
    cairo_set_line_width(cr, r * 0.09);
    cairo_stroke(cr);
    circlePath(cr, cx, cy, r * 0.18);
    setColour(cr, b.tone(darken(kWood, 0.3)));
    cairo_fill(cr);
    // Sunlight on the rim's upper edge.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, M_PI * 1.1, M_PI * 1.9);
    setColour(cr, b.tone(lighten(kWood, 0.5)), 0.6);
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
}

// In the caravan's own frame: x grows in the direction of travel from the
// middle of the wagon, y grows downward from the ground, one unit = size.
struct Frame {
    double x, g, s, dir;
    double X(double u) const { return x + dir * u * s; }
    double Y(double v) const { return g + v * s; }
};

void pony(const Brush& b, const Frame& f) {
    cairo_t* cr = b.cr;
    const double s = f.s;
    // Far legs first, a shade darker.
    for (double u : {0.44, 0.66}) {
        cairo_rectangle(cr, std::min(f.X(u), f.X(u + 0.035)), f.Y(-0.36), s * 0.035, s * 0.36);
        setColour(cr, b.tone(darken(kPony, 0.35)));
        cairo_fill(cr);
    }
    // Tail.
    cairo_move_to(cr, f.X(0.42), f.Y(-0.48));
    cairo_curve_to(cr, f.X(0.34), f.Y(-0.46), f.X(0.33), f.Y(-0.3), f.X(0.36), f.Y(-0.22));
    setColour(cr, b.tone(kMane));
    cairo_set_line_width(cr, s * 0.045);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Body, neck and head.
    ellipsePath(cr, f.X(0.58), f.Y(-0.44), s * 0.18, s * 0.1);
    paint(b, kPony, f.X(0.4), f.X(0.76), s * 0.008);
    cairo_move_to(cr, f.X(0.66), f.Y(-0.5));
    cairo_line_to(cr, f.X(0.74), f.Y(-0.7));
    cairo_line_to(cr, f.X(0.82), f.Y(-0.66));
    cairo_line_to(cr, f.X(0.78), f.Y(-0.42));
    cairo_close_path(cr);
    paint(b, kPony, f.X(0.66), f.X(0.82), s * 0.008);
    ellipsePath(cr, f.X(0.83), f.Y(-0.64), s * 0.08, s * 0.045, f.dir * 28);
    paint(b, kPony, f.X(0.75), f.X(0.9), s * 0.008);
    // Ear, mane, eye.
    cairo_move_to(cr, f.X(0.76), f.Y(-0.7));
    cairo_line_to(cr, f.X(0.78), f.Y(-0.78));
    cairo_line_to(cr, f.X(0.8), f.Y(-0.69));
    cairo_close_path(cr);
    setColour(cr, b.tone(darken(kPony, 0.2)));
    cairo_fill(cr);
    cairo_move_to(cr, f.X(0.75), f.Y(-0.7));
    cairo_curve_to(cr, f.X(0.71), f.Y(-0.62), f.X(0.68), f.Y(-0.56), f.X(0.65), f.Y(-0.5));
    setColour(cr, b.tone(kMane));
    cairo_set_line_width(cr, s * 0.035);
    cairo_stroke(cr);
    circlePath(cr, f.X(0.82), f.Y(-0.66), s * 0.011);
    setColour(cr, b.tone(rgb255(30, 20, 20)));
    cairo_fill(cr);
    // Near legs.
    for (double u : {0.52, 0.74}) {
        cairo_rectangle(cr, std::min(f.X(u), f.X(u + 0.04)), f.Y(-0.38), s * 0.04, s * 0.38);
        setColour(cr, b.tone(kPony));
        cairo_fill(cr);
        cairo_rectangle(cr, std::min(f.X(u - 0.005), f.X(u + 0.045)), f.Y(-0.04), s * 0.05, s * 0.04);
        setColour(cr, b.tone(rgb255(60, 40, 30)));
        cairo_fill(cr);
    }
    // Harness strap.
    cairo_move_to(cr, f.X(0.5), f.Y(-0.52));
    cairo_line_to(cr, f.X(0.52), f.Y(-0.36));
    setColour(cr, b.tone(rgb255(120, 40, 40)));
    cairo_set_line_width(cr, s * 0.025);
    cairo_stroke(cr);
}

void walker(const Brush& b, const Frame& f) {
    cairo_t* cr = b.cr;
    const double s = f.s;
    const double u = 1.02;
    // Legs mid-stride, the staff planted ahead.
    cairo_move_to(cr, f.X(u - 0.02), f.Y(-0.14));
    cairo_line_to(cr, f.X(u - 0.06), f.Y(0));
    cairo_move_to(cr, f.X(u + 0.02), f.Y(-0.14));
    cairo_line_to(cr, f.X(u + 0.06), f.Y(0));
    setColour(cr, b.tone(rgb255(70, 50, 60)));
    cairo_set_line_width(cr, s * 0.03);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, f.X(u + 0.1), f.Y(-0.62));
    cairo_line_to(cr, f.X(u + 0.14), f.Y(0));
    setColour(cr, b.tone(kWood));
    cairo_set_line_width(cr, s * 0.018);
    cairo_stroke(cr);
    // Cloak.
    cairo_move_to(cr, f.X(u - 0.01), f.Y(-0.5));
    cairo_curve_to(cr, f.X(u - 0.08), f.Y(-0.4), f.X(u - 0.1), f.Y(-0.2), f.X(u - 0.08), f.Y(-0.12));
    cairo_line_to(cr, f.X(u + 0.07), f.Y(-0.12));
    cairo_curve_to(cr, f.X(u + 0.08), f.Y(-0.25), f.X(u + 0.06), f.Y(-0.42), f.X(u + 0.02), f.Y(-0.5));
    cairo_close_path(cr);
    paint(b, kCloak, f.X(u - 0.1), f.X(u + 0.08), s * 0.008);
    // Arm to the staff.
    cairo_move_to(cr, f.X(u + 0.02), f.Y(-0.42));
    cairo_line_to(cr, f.X(u + 0.1), f.Y(-0.36));
    setColour(cr, b.tone(darken(kCloak, 0.15)));
    cairo_set_line_width(cr, s * 0.028);
    cairo_stroke(cr);
    // Head and wide hat.
    circlePath(cr, f.X(u + 0.005), f.Y(-0.56), s * 0.045);
    paint(b, kSkin, f.X(u - 0.04), f.X(u + 0.05), s * 0.006);
    ellipsePath(cr, f.X(u), f.Y(-0.6), s * 0.085, s * 0.018);
    paint(b, kHat, f.X(u - 0.085), f.X(u + 0.085), s * 0.006);
    cairo_move_to(cr, f.X(u - 0.045), f.Y(-0.6));
    cairo_curve_to(cr, f.X(u - 0.04), f.Y(-0.68), f.X(u + 0.04), f.Y(-0.68), f.X(u + 0.045), f.Y(-0.6));
    cairo_close_path(cr);
    paint(b, kHat, f.X(u - 0.045), f.X(u + 0.045), s * 0.006);
    // A feather in the hat.
    cairo_move_to(cr, f.X(u - 0.03), f.Y(-0.64));
    cairo_curve_to(cr, f.X(u - 0.08), f.Y(-0.7), f.X(u - 0.1), f.Y(-0.72), f.X(u - 0.12), f.Y(-0.7));
    setColour(cr, b.tone(rgb255(255, 214, 70)));
    cairo_set_line_width(cr, s * 0.015);
    cairo_stroke(cr);
}

}  // namespace

Rgb marbleColour(int index) {
    static const Rgb kColours[6] = {rgb255(230, 60, 70),  rgb255(50, 130, 240), rgb255(60, 180, 80),
                                    rgb255(250, 200, 40), rgb255(170, 80, 210), rgb255(250, 140, 40)};
    return kColours[((index % 6) + 6) % 6];
}

void sceneMarble(cairo_t* cr, double x, double y, double r, Rgb colour) {
    drawMarble(cr, x, y, r, colour, {}, MarbleStyle{.shadow = 0, .outline = 0.6, .specular = true});
}

void lanternPosition(double x, double ground, double size, bool facingRight, double& lx, double& ly) {
    lx = x + (facingRight ? 1 : -1) * 0.2 * size;
    ly = ground - 0.72 * size;
}

void caravan(const Brush& b, double x, double ground, double size, bool facingRight, bool lanternLit) {
    cairo_t* cr = b.cr;
    const Frame f{x, ground, size, facingRight ? 1.0 : -1.0};
    const double s = size;
    b.groundShadow(f.X(0.15), ground, s * 1.9);
    // The far wheels peek out under the bed.
    wheel(b, f.X(-0.38), f.Y(-0.16), s * 0.16, s);
    wheel(b, f.X(0.08), f.Y(-0.13), s * 0.13, s);
    // Shafts to the pony.
    cairo_move_to(cr, f.X(0.14), f.Y(-0.26));
    cairo_line_to(cr, f.X(0.56), f.Y(-0.44));
    setColour(cr, b.tone(darken(kWood, 0.2)));
    cairo_set_line_width(cr, s * 0.025);
    cairo_stroke(cr);
    pony(b, f);
    // The bed: planks with a darker rail.
    cairo_rectangle(cr, std::min(f.X(-0.62), f.X(0.16)), f.Y(-0.4), s * 0.78, s * 0.18);
    paint(b, kWood, std::min(f.X(-0.62), f.X(0.16)), std::max(f.X(-0.62), f.X(0.16)), s * 0.01);
    for (double v : {-0.34, -0.28}) {
        cairo_move_to(cr, f.X(-0.62), f.Y(v));
        cairo_line_to(cr, f.X(0.16), f.Y(v));
    }
    setColour(cr, b.tone(darken(kWood, 0.35)), 0.6);
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
    // The cover: a canvas arch on hoops, striped in the marbles' colours.
    auto cover = [&](cairo_t* c) {
        cairo_move_to(c, f.X(-0.6), f.Y(-0.4));
        cairo_line_to(c, f.X(-0.62), f.Y(-0.72));
        cairo_curve_to(c, f.X(-0.6), f.Y(-1.02), f.X(0.12), f.Y(-1.02), f.X(0.16), f.Y(-0.72));
        cairo_line_to(c, f.X(0.14), f.Y(-0.4));
        cairo_close_path(c);
    };
    cover(cr);
    paint(b, kCanvas, std::min(f.X(-0.62), f.X(0.16)), std::max(f.X(-0.62), f.X(0.16)), s * 0.01);
    cairo_save(cr);
    cover(cr);
    cairo_clip(cr);
    for (int k = 0; k < 4; ++k) {
        const double u = -0.5 + k * 0.2;
        cairo_rectangle(cr, std::min(f.X(u), f.X(u + 0.06)), f.Y(-1.05), s * 0.06, s * 0.66);
        setColour(cr, b.tone(marbleColour(k)), 0.55);
        cairo_fill(cr);
    }
    // The canvas sags between the hoops: a shade along the bottom.
    cairo_pattern_t* sag = cairo_pattern_create_linear(0, f.Y(-0.6), 0, f.Y(-0.4));
    cairo_pattern_add_color_stop_rgba(sag, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(sag, 1, 0.1, 0.05, 0.1, 0.25);
    cairo_set_source(cr, sag);
    cairo_paint(cr);
    cairo_pattern_destroy(sag);
    cairo_restore(cr);
    // The side flap rolled up: marbles of every colour heaped inside.
    ellipsePath(cr, f.X(-0.24), f.Y(-0.55), s * 0.2, s * 0.11);
    setColour(cr, b.tone(rgb255(70, 44, 40)));
    cairo_fill(cr);
    cairo_save(cr);
    ellipsePath(cr, f.X(-0.24), f.Y(-0.55), s * 0.2, s * 0.11);
    cairo_clip(cr);
    int n = 0;
    for (int row = 0; row < 3; ++row)
        for (int k = 0; k < 6; ++k) {
            const double mx = f.X(-0.4 + k * 0.065 + (row % 2) * 0.03), my = f.Y(-0.47 - row * 0.055);
            sceneMarble(cr, mx, my, s * 0.034, b.tone(marbleColour(n++)));
        }
    cairo_restore(cr);
    cairo_new_path(cr);
    ellipsePath(cr, f.X(-0.24), f.Y(-0.665), s * 0.21, s * 0.03);
    paint(b, darken(kCanvas, 0.08), std::min(f.X(-0.45), f.X(-0.03)), std::max(f.X(-0.45), f.X(-0.03)), s * 0.008);
    // The near wheels.
    wheel(b, f.X(-0.42), f.Y(-0.17), s * 0.17, s);
    wheel(b, f.X(0.04), f.Y(-0.14), s * 0.14, s);
    // The lantern at the front of the cover.
    double lx = 0, ly = 0;
    lanternPosition(x, ground, size, facingRight, lx, ly);
    cairo_move_to(cr, f.X(0.15), f.Y(-0.8));
    cairo_line_to(cr, lx, ly - s * 0.05);
    setColour(cr, b.tone(rgb255(60, 50, 50)));
    cairo_set_line_width(cr, s * 0.008);
    cairo_stroke(cr);
    if (lanternLit) scene::glow(cr, lx, ly, s * 0.25, rgb255(255, 210, 120), 0.8);
    roundedRectPath(cr, lx - s * 0.025, ly - s * 0.05, s * 0.05, s * 0.07, s * 0.01);
    setColour(cr, b.tone(lanternLit ? rgb255(255, 236, 160) : rgb255(220, 190, 120)));
    cairo_fill_preserve(cr);
    setColour(cr, b.tone(rgb255(60, 50, 50)));
    cairo_set_line_width(cr, s * 0.008);
    cairo_stroke(cr);
    walker(b, f);
}

void fountain(const Brush& b, double x, double ground, double size, bool flowing) {
    cairo_t* cr = b.cr;
    const double s = size;
    b.groundShadow(x, ground, s * 1.1);
    // The jet first: arcs of water in the marbles' colours fall into the bowl
    // and on into the basin.
    const double bowlY = ground - s * 0.5;
    if (flowing) {
        for (int k = 0; k < 6; ++k) {
            const double spread = 0.16 + k * 0.035;
            for (const double side : {-1.0, 1.0}) {
                cairo_move_to(cr, x, bowlY - s * 0.08);
                cairo_curve_to(cr, x + side * s * spread * 0.4, ground - s * (1.02 - k * 0.03),
                               x + side * s * spread * 1.4, ground - s * (0.9 - k * 0.03), x + side * s * spread * 1.8,
                               ground - s * 0.22);
                setColour(cr, b.tone(lighten(marbleColour(k), 0.25)), 0.75);
                cairo_set_line_width(cr, s * 0.022);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        }
        scene::glow(cr, x, ground - s * 0.75, s * 0.5, rgb255(255, 255, 255), 0.35);
    }
    // Pillar and bowl.
    cairo_rectangle(cr, x - s * 0.05, bowlY, s * 0.1, s * 0.32);
    paint(b, kStone, x - s * 0.05, x + s * 0.05, s * 0.008);
    cairo_move_to(cr, x - s * 0.22, bowlY - s * 0.03);
    cairo_curve_to(cr, x - s * 0.2, bowlY + s * 0.08, x + s * 0.2, bowlY + s * 0.08, x + s * 0.22, bowlY - s * 0.03);
    cairo_close_path(cr);
    paint(b, kStone, x - s * 0.22, x + s * 0.22, s * 0.008);
    ellipsePath(cr, x, bowlY - s * 0.03, s * 0.22, s * 0.035);
    setColour(cr, b.tone(flowing ? rgb255(140, 210, 240) : darken(kStone, 0.3)));
    cairo_fill(cr);
    // The basin: a round stone wall, water inside it.
    ellipsePath(cr, x, ground - s * 0.2, s * 0.55, s * 0.08);
    setColour(cr, b.tone(flowing ? rgb255(90, 180, 230) : rgb255(150, 140, 130)));
    cairo_fill(cr);
    if (flowing)
        for (int k = 0; k < 9; ++k) {
            const double mx = x + (k - 4) * s * 0.1, my = ground - s * (0.2 + 0.02 * std::sin(k * 1.7));
            sceneMarble(cr, mx, my, s * 0.028, b.tone(marbleColour(k)));
        }
    cairo_move_to(cr, x - s * 0.55, ground - s * 0.2);
    cairo_line_to(cr, x - s * 0.55, ground - s * 0.04);
    cairo_curve_to(cr, x - s * 0.5, ground + s * 0.05, x + s * 0.5, ground + s * 0.05, x + s * 0.55, ground - s * 0.04);
    cairo_line_to(cr, x + s * 0.55, ground - s * 0.2);
    cairo_curve_to(cr, x + s * 0.5, ground - s * 0.12, x - s * 0.5, ground - s * 0.12, x - s * 0.55, ground - s * 0.2);
    cairo_close_path(cr);
    paint(b, kStone, x - s * 0.55, x + s * 0.55, s * 0.01);
    // Stone joints on the wall.
    for (int k = -4; k <= 4; ++k) {
        cairo_move_to(cr, x + k * s * 0.12, ground - s * 0.13 + std::abs(k) * s * 0.003);
        cairo_line_to(cr, x + k * s * 0.12, ground - s * 0.01);
    }
    setColour(cr, b.tone(darken(kStone, 0.3)), 0.5);
    cairo_set_line_width(cr, s * 0.006);
    cairo_stroke(cr);
}

void marbleTrail(cairo_t* cr, double x0, double y0, double x1, double y1, int count, double r0, uint32_t seed) {
    Random rnd(seed);
    // Farthest first, so the nearer ones lie over them.
    for (int i = count - 1; i >= 0; --i) {
        const double t = std::pow(double(i) / std::max(1, count - 1), 0.8);
        const double r = r0 * (1 - 0.75 * t);
        const double x = x0 + (x1 - x0) * t + rnd.uniform(-1, 1) * r * 2;
        const double y = y0 + (y1 - y0) * t + rnd.uniform(-0.5, 0.5) * r;
        // A plain contact shadow on the ground.
        ellipsePath(cr, x + r * 0.3, y - r * 0.05, r * 0.95, r * 0.3);
        setColour(cr, {0.05, 0.03, 0.1}, 0.35);
        cairo_fill(cr);
        sceneMarble(cr, x, y - r, r, marbleColour(int(rnd.range(0, 5))));
    }
}

}  // namespace travellers
