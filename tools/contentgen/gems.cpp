#include "gems.h"

#include <cmath>

#include "art.h"

namespace gems {

using namespace art;

namespace {

Rgb baseOf(Gem kind) {
    switch (kind) {
        case Gem::Blue: return rgb255(40, 105, 245);
        case Gem::Green: return rgb255(25, 185, 85);
        case Gem::Red: return rgb255(235, 35, 70);
        case Gem::Gold: return rgb255(250, 190, 30);
        case Gem::Cyan: default: return rgb255(40, 195, 250);
    }
}

struct P { double x, y; };

}  // namespace

void drawGem(cairo_t* cr, double cx, double cy, double r, Gem kind, bool shadow) {
    const Rgb base = baseOf(kind);
    // Unit outline: girdle at y -0.2, table at -0.72, point at 0.95; the
    // shape is shifted so its box is centred.
    const double shiftY = -0.115;
    auto at = [&](double x, double y) { return P{cx + x * r, cy + (y + shiftY) * r}; };
    const P L = at(-1, -0.2), R = at(1, -0.2), TL = at(-0.52, -0.72), TR = at(0.52, -0.72);
    const P Ga = at(-0.45, -0.2), Gm = at(0, -0.2), Gb = at(0.45, -0.2), Pt = at(0, 0.95);

    auto outline = [&](cairo_t* c) {
        cairo_move_to(c, L.x, L.y);
        cairo_line_to(c, TL.x, TL.y);
        cairo_line_to(c, TR.x, TR.y);
        cairo_line_to(c, R.x, R.y);
        cairo_line_to(c, Pt.x, Pt.y);
        cairo_close_path(c);
    };
    if (shadow) {
        cairo_surface_t* t = cairo_get_target(cr);
        double ox = 0, oy = 0;
        cairo_user_to_device(cr, &ox, &oy);
        softSilhouette(cr, cairo_image_surface_get_width(t), cairo_image_surface_get_height(t),
                       std::max(0.7, r * 0.07), std::max(0.8, r * 0.09), std::max(0.6, r * 0.06), {0, 0, 0},
                       0.4, [&](cairo_t* m) {
                           cairo_translate(m, ox, oy);
                           outline(m);
                           cairo_fill(m);
                       });
    }

    struct Facet { P a, b, c; double light; };
    // Brighter on the upper-left faces, darker toward the lower right.
    const Facet facets[] = {
        {L, TL, Ga, 0.55}, {TL, Ga, Gm, 0.85}, {TL, TR, Gm, 0.35}, {TR, Gm, Gb, 0.05}, {TR, R, Gb, -0.3},
        {L, Ga, Pt, 0.2},  {Ga, Gm, Pt, 0.4},  {Gm, Gb, Pt, -0.2}, {Gb, R, Pt, -0.5},
    };
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const Facet& f : facets) {
        cairo_move_to(cr, f.a.x, f.a.y);
        cairo_line_to(cr, f.b.x, f.b.y);
        cairo_line_to(cr, f.c.x, f.c.y);
        cairo_close_path(cr);
        const Rgb shade = f.light >= 0 ? lighten(base, f.light * 0.8) : darken(base, -f.light);
        cairo_pattern_t* g = cairo_pattern_create_linear(f.a.x, f.a.y, f.c.x, f.c.y);
        addStop(g, 0.0, lighten(shade, 0.12));
        addStop(g, 1.0, darken(shade, 0.08));
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        // Same-colour hairline closes the seams between facets.
        setColour(cr, shade, 1.0);
        cairo_set_line_width(cr, 0.35);
        cairo_stroke(cr);
    }
    // Bright facet edges.
    const P edges[][2] = {{L, R}, {TL, Ga}, {Ga, Gm}, {TL, Gm}, {Gm, TR}, {TR, Gb}, {Ga, Pt}, {Gm, Pt}, {Gb, Pt}};
    for (const auto& e : edges) {
        cairo_move_to(cr, e[0].x, e[0].y);
        cairo_line_to(cr, e[1].x, e[1].y);
    }
    setColour(cr, lighten(base, 0.85), 0.55);
    cairo_set_line_width(cr, std::max(0.5, r * 0.045));
    cairo_stroke(cr);
    // Outer edge.
    outline(cr);
    setColour(cr, darken(base, 0.6), 0.9);
    cairo_set_line_width(cr, std::max(0.8, r * 0.07));
    cairo_stroke(cr);
    // A twinkle on the upper-left facet.
    const double sx = TL.x + r * 0.05, sy = TL.y + r * 0.28, s = r * 0.42;
    cairo_pattern_t* glow = cairo_pattern_create_radial(sx, sy, 0, sx, sy, s * 0.6);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, 1, 1, 1, 0.0);
    circlePath(cr, sx, sy, s * 0.6);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    starPath(cr, sx, sy, 4, s, s * 0.16, -90);
    setColour(cr, {1, 1, 1}, 0.95);
    cairo_fill(cr);
}

}  // namespace gems
