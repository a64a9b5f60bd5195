#include "marbles.h"

#include <cmath>

namespace marbles {

using namespace art;

// The first six are the most distinct, because small levels use colours
// 1 to 4 or 1 to 6.
const Colour kPalette[kColours] = {
    {"red", {0.86, 0.11, 0.14}, 235, 40, 45},
    {"blue", {0.11, 0.38, 0.92}, 40, 110, 240},
    {"green", {0.10, 0.66, 0.22}, 40, 200, 70},
    {"yellow", {0.99, 0.80, 0.06}, 255, 215, 30},
    {"purple", {0.55, 0.22, 0.80}, 160, 80, 230},
    {"orange", {0.98, 0.50, 0.06}, 255, 140, 25},
    {"cyan", {0.08, 0.76, 0.86}, 40, 215, 235},
    {"pink", {0.96, 0.38, 0.70}, 250, 110, 190},
    {"lime", {0.60, 0.86, 0.14}, 165, 230, 50},
    {"brown", {0.55, 0.31, 0.15}, 170, 100, 50},
    {"navy", {0.12, 0.15, 0.52}, 60, 70, 190},
    {"silver", {0.67, 0.69, 0.74}, 210, 215, 225},
    {"black", {0.16, 0.16, 0.20}, 120, 120, 140},
    {"pearl", {0.95, 0.93, 0.86}, 255, 250, 235},
};

namespace {

const char* kSizeNames[3] = {"20", "30", "45"};

const char* specialName(int id) {
    switch (id) {
        case 115: return "shuffle";
        case 116: return "bomb";
        case 117: return "eraser";
        case 118: return "switch";
        default: return "unknown";
    }
}

enum Symbol { Heart, Drop, Clover, Star, Moon, Triangle, Rhombus, Flower, Plus, Square, Ring, Hexagon, Bolt, Cross };
const Symbol kSymbols[kColours] = {Heart, Drop, Clover, Star, Moon, Triangle, Rhombus,
                                   Flower, Plus, Square, Ring, Hexagon, Bolt, Cross};

// Symbol outlines in a unit box (-1..1), y down.
void symbolPath(cairo_t* cr, Symbol s) {
    cairo_new_path(cr);
    switch (s) {
        case Heart:
            cairo_move_to(cr, 0, 0.95);
            cairo_curve_to(cr, -0.35, 0.62, -1.0, 0.25, -1.0, -0.3);
            cairo_curve_to(cr, -1.0, -0.85, -0.25, -1.05, 0, -0.5);
            cairo_curve_to(cr, 0.25, -1.05, 1.0, -0.85, 1.0, -0.3);
            cairo_curve_to(cr, 1.0, 0.25, 0.35, 0.62, 0, 0.95);
            cairo_close_path(cr);
            break;
        case Drop:
            cairo_move_to(cr, 0, -1.05);
            cairo_curve_to(cr, 0.25, -0.55, 0.78, -0.1, 0.78, 0.33);
            cairo_curve_to(cr, 0.78, 0.78, 0.42, 1.0, 0, 1.0);
            cairo_curve_to(cr, -0.42, 1.0, -0.78, 0.78, -0.78, 0.33);
            cairo_curve_to(cr, -0.78, -0.1, -0.25, -0.55, 0, -1.05);
            cairo_close_path(cr);
            break;
        case Clover:
            circlePath(cr, 0, -0.45, 0.46);
            circlePath(cr, -0.45, 0.13, 0.46);
            circlePath(cr, 0.45, 0.13, 0.46);
            cairo_new_sub_path(cr);
            cairo_move_to(cr, -0.12, 0.1);
            cairo_line_to(cr, 0.12, 0.1);
            cairo_line_to(cr, 0.22, 1.0);
            cairo_line_to(cr, -0.02, 1.0);
            cairo_close_path(cr);
            break;
        case Star: starPath(cr, 0, 0.08, 5, 1.05, 0.45); break;
        case Moon: {
            // A crescent: the big disc less a shifted one, traced as one outline.
            const double r1 = 0.98, cx2 = 0.42, cy2 = -0.32, r2 = 0.78;
            const double d = std::hypot(cx2, cy2), phi = std::atan2(cy2, cx2);
            const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
            const double alpha = std::acos(a / r1);
            const double t0 = phi + alpha, t1 = phi - alpha + 2 * M_PI;
            const double p0x = r1 * std::cos(t0), p0y = r1 * std::sin(t0);
            const double p1x = r1 * std::cos(t1), p1y = r1 * std::sin(t1);
            double s1 = std::atan2(p1y - cy2, p1x - cx2), s0 = std::atan2(p0y - cy2, p0x - cx2);
            while (s0 > s1) s0 -= 2 * M_PI;
            cairo_new_sub_path(cr);
            cairo_arc(cr, 0, 0, r1, t0, t1);
            cairo_arc_negative(cr, cx2, cy2, r2, s1, s0);
            cairo_close_path(cr);
            break;
        }
        case Triangle:
            cairo_move_to(cr, 0, -0.95);
            cairo_line_to(cr, 0.98, 0.78);
            cairo_line_to(cr, -0.98, 0.78);
            cairo_close_path(cr);
            break;
        case Rhombus:
            cairo_move_to(cr, 0, -1.0);
            cairo_line_to(cr, 0.72, 0);
            cairo_line_to(cr, 0, 1.0);
            cairo_line_to(cr, -0.72, 0);
            cairo_close_path(cr);
            break;
        case Flower:
            for (int i = 0; i < 5; ++i) {
                const double a = (-90 + i * 72) * M_PI / 180;
                circlePath(cr, 0.52 * std::cos(a), 0.52 * std::sin(a), 0.42);
            }
            circlePath(cr, 0, 0, 0.45);
            break;
        case Plus:
            cairo_move_to(cr, -0.3, -0.95);
            cairo_line_to(cr, 0.3, -0.95);
            cairo_line_to(cr, 0.3, -0.3);
            cairo_line_to(cr, 0.95, -0.3);
            cairo_line_to(cr, 0.95, 0.3);
            cairo_line_to(cr, 0.3, 0.3);
            cairo_line_to(cr, 0.3, 0.95);
            cairo_line_to(cr, -0.3, 0.95);
            cairo_line_to(cr, -0.3, 0.3);
            cairo_line_to(cr, -0.95, 0.3);
            cairo_line_to(cr, -0.95, -0.3);
            cairo_line_to(cr, -0.3, -0.3);
            cairo_close_path(cr);
            break;
        case Square: roundedRectPath(cr, -0.72, -0.72, 1.44, 1.44, 0.22); break;
        case Ring:
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            circlePath(cr, 0, 0, 0.9);
            circlePath(cr, 0, 0, 0.46);
            break;
        case Hexagon:
            for (int i = 0; i < 6; ++i) {
                const double a = (i * 60) * M_PI / 180;
                if (i == 0) cairo_move_to(cr, 0.95 * std::cos(a), 0.95 * std::sin(a));
                else cairo_line_to(cr, 0.95 * std::cos(a), 0.95 * std::sin(a));
            }
            cairo_close_path(cr);
            break;
        case Bolt:
            cairo_move_to(cr, 0.25, -1.05);
            cairo_line_to(cr, -0.62, 0.15);
            cairo_line_to(cr, -0.05, 0.15);
            cairo_line_to(cr, -0.3, 1.05);
            cairo_line_to(cr, 0.65, -0.2);
            cairo_line_to(cr, 0.08, -0.2);
            cairo_close_path(cr);
            break;
        case Cross: {
            const double t = 0.26;
            cairo_save(cr);
            cairo_rotate(cr, M_PI / 4);
            cairo_move_to(cr, -t, -1.05);
            cairo_line_to(cr, t, -1.05);
            cairo_line_to(cr, t, -t);
            cairo_line_to(cr, 1.05, -t);
            cairo_line_to(cr, 1.05, t);
            cairo_line_to(cr, t, t);
            cairo_line_to(cr, t, 1.05);
            cairo_line_to(cr, -t, 1.05);
            cairo_line_to(cr, -t, t);
            cairo_line_to(cr, -1.05, t);
            cairo_line_to(cr, -1.05, -t);
            cairo_line_to(cr, -t, -t);
            cairo_close_path(cr);
            cairo_restore(cr);
            break;
        }
    }
}

// Light marbles carry a dark symbol, dark ones a white symbol.
bool wantsDarkSymbol(const Colour& c) { return luminance(c.base) > 0.6; }

// The symbol of colour k at (cx, cy) with half-size s, pressed into the glass:
// an offset edge in the opposite tone, then the face.
void drawSymbol(cairo_t* cr, int k, double cx, double cy, double s, bool onBurst = false) {
    const Colour& c = kPalette[k - 1];
    const Symbol sym = kSymbols[k - 1];
    const bool dark = wantsDarkSymbol(c) && !onBurst;
    const Rgb face = dark ? darken(c.base, 0.62) : Rgb{1, 1, 1};
    const Rgb edge = dark ? lighten(c.base, 0.7) : darken(c.base, 0.55);
    const double off = std::max(0.05, 0.09);

    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, s, s);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    if (onBurst) {
        // On the bright burst the white symbol needs a firm dark edge.
        symbolPath(cr, sym);
        setColour(cr, darken(c.base, 0.6), 0.9);
        double lw = 1.6, d = 0;
        cairo_device_to_user_distance(cr, &lw, &d);
        cairo_set_line_width(cr, std::fabs(lw));
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, off, off * 1.2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    symbolPath(cr, sym);
    setColour(cr, edge, dark ? 0.55 : 0.6);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    symbolPath(cr, sym);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, -1, 0, 1);
    addStop(g, 0, lighten(face, dark ? 0.15 : 0.0), dark ? 0.9 : 0.97);
    addStop(g, 1, dark ? face : mix(face, lighten(c.base, 0.5), 0.35), dark ? 0.9 : 0.92);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void burstRays(cairo_t* cr, double cx, double cy, double r, int rays, double alpha) {
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 1, 0.85, alpha);
    cairo_pattern_add_color_stop_rgba(g, 0.7, 1, 0.95, 0.6, alpha * 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 0.9, 0.5, 0.0);
    for (int i = 0; i < rays; ++i) {
        const double a0 = (i * 360.0 / rays - 90 - 360.0 / rays / 4) * M_PI / 180;
        const double a1 = a0 + (360.0 / rays / 2) * M_PI / 180;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_close_path(cr);
    }
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void goldRim(cairo_t* cr, double cx, double cy, double r) {
    double lw = std::max(1.2, r * 0.13);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    addStop(g, 0.0, rgb255(255, 246, 190));
    addStop(g, 0.45, rgb255(250, 200, 60));
    addStop(g, 1.0, rgb255(170, 100, 10));
    circlePath(cr, cx, cy, r - lw / 2);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    circlePath(cr, cx, cy, r - 0.2);
    setColour(cr, rgb255(120, 60, 0), 0.7);
    cairo_set_line_width(cr, std::max(0.6, r * 0.04));
    cairo_stroke(cr);
}

// A polished metal body: a bright sky above a sharp horizon, for the
// special bonuses, so they never pass for a glass colour.
void chromeBody(cairo_t* cr, double cx, double cy, double r, Rgb tint) {
    cairo_pattern_t* g = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
    addStop(g, 0.0, lighten(tint, 0.85));
    addStop(g, 0.42, lighten(tint, 0.35));
    addStop(g, 0.5, darken(tint, 0.35));
    addStop(g, 0.7, tint);
    addStop(g, 1.0, lighten(tint, 0.45));
    circlePath(cr, cx, cy, r);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Round it off toward the edge.
    cairo_pattern_t* v = cairo_pattern_create_radial(cx - 0.3 * r, cy - 0.3 * r, 0.2 * r, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(v, 0.0, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(v, 0.75, 0, 0, 0, 0.08);
    cairo_pattern_add_color_stop_rgba(v, 1.0, 0, 0, 0, 0.45);
    circlePath(cr, cx, cy, r);
    cairo_set_source(cr, v);
    cairo_fill(cr);
    cairo_pattern_destroy(v);
}

void arrowHeadPath(cairo_t* cr, double tipX, double tipY, double dx, double dy, double len, double half) {
    // dx, dy: unit direction the arrow points to.
    const double bx = tipX - dx * len, by = tipY - dy * len;
    cairo_move_to(cr, tipX, tipY);
    cairo_line_to(cr, bx - dy * half, by + dx * half);
    cairo_line_to(cr, bx + dy * half, by - dx * half);
    cairo_close_path(cr);
}

// White shape with a dark outline; `path` adds the outline in user space.
void strokedFill(cairo_t* cr, const Shape& path, Rgb fill, Rgb edge, double edgeWidth) {
    path(cr);
    setColour(cr, edge, 0.95);
    cairo_set_line_width(cr, edgeWidth * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, fill);
    cairo_fill(cr);
}

void doubleArrowPath(cairo_t* cr, double cx, double cy, double halfLen, double shaft, double head, bool vertical) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (vertical) cairo_rotate(cr, M_PI / 2);
    cairo_move_to(cr, -halfLen, 0);
    cairo_line_to(cr, -halfLen + head * 1.1, -head);
    cairo_line_to(cr, -halfLen + head * 1.1, -shaft);
    cairo_line_to(cr, halfLen - head * 1.1, -shaft);
    cairo_line_to(cr, halfLen - head * 1.1, -head);
    cairo_line_to(cr, halfLen, 0);
    cairo_line_to(cr, halfLen - head * 1.1, head);
    cairo_line_to(cr, halfLen - head * 1.1, shaft);
    cairo_line_to(cr, -halfLen + head * 1.1, shaft);
    cairo_line_to(cr, -halfLen + head * 1.1, head);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void rimAndGloss(cairo_t* cr, double cx, double cy, double r, Rgb rim, double gloss = 1.0) {
    double lw = std::max(1.0, r * 0.07);
    circlePath(cr, cx, cy, r - lw / 2);
    setColour(cr, rim, 0.8);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    drawGloss(cr, cx, cy, r, gloss);
}

void marbleShadow(cairo_t* cr, double cx, double cy, double r) {
    cairo_surface_t* target = cairo_get_target(cr);
    const int w = cairo_image_surface_get_width(target);
    const int h = cairo_image_surface_get_height(target);
    double ux = cx, uy = cy;
    cairo_user_to_device(cr, &ux, &uy);
    double ur = r, d = 0;
    cairo_user_to_device_distance(cr, &ur, &d);
    const double off = std::max(0.7, ur * 0.10);
    softSilhouette(cr, w, h, off, off * 1.2, std::max(0.6, ur * 0.08), {0, 0, 0}, 0.35, [&](cairo_t* m) {
        circlePath(m, ux, uy, ur * 0.96);
        cairo_fill(m);
    });
}

void drawShuffle(cairo_t* cr, double cx, double cy, double r) {
    // A rainbow swirl of glass.
    const int wedges = 72;
    for (int i = 0; i < wedges; ++i) {
        const double a0 = (i * 360.0 / wedges) * M_PI / 180, a1 = ((i + 1.3) * 360.0 / wedges) * M_PI / 180;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_close_path(cr);
        setColour(cr, hsv(i * 360.0 / wedges + 200, 0.75, 0.95));
        cairo_fill(cr);
    }
    cairo_pattern_t* shade = cairo_pattern_create_radial(cx - 0.38 * r, cy - 0.42 * r, 0.05 * r, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(shade, 0.0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(shade, 0.4, 1, 1, 1, 0.1);
    cairo_pattern_add_color_stop_rgba(shade, 0.8, 0, 0, 0, 0.1);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, 0, 0, 0, 0.5);
    circlePath(cr, cx, cy, r);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    // Two chasing arrows round the middle.
    const double ar = r * 0.5, w = std::max(1.1, r * 0.15), edge = std::max(0.6, r * 0.06);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 2; ++i) {
            const double start = (i * 180 + 200) * M_PI / 180, end = start + 115 * M_PI / 180;
            cairo_new_path(cr);
            cairo_arc(cr, cx, cy, ar, start, end);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            cairo_set_line_width(cr, pass == 0 ? w + edge * 2 : w);
            setColour(cr, pass == 0 ? rgb255(40, 20, 70) : Rgb{1, 1, 1}, pass == 0 ? 0.85 : 1.0);
            cairo_stroke(cr);
            const double tx = cx + ar * std::cos(end + 0.45), ty = cy + ar * std::sin(end + 0.45);
            const double dx = -std::sin(end), dy = std::cos(end);
            cairo_new_path(cr);
            arrowHeadPath(cr, tx, ty, dx, dy, r * 0.36, r * 0.26);
            if (pass == 0) {
                setColour(cr, rgb255(40, 20, 70), 0.85);
                cairo_set_line_width(cr, edge * 2);
                cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
                cairo_stroke(cr);
            } else {
                setColour(cr, {1, 1, 1});
                cairo_fill(cr);
            }
        }
    }
    rimAndGloss(cr, cx, cy, r, rgb255(60, 30, 90));
}

void drawEraser(cairo_t* cr, double cx, double cy, double r) {
    chromeBody(cr, cx, cy, r, rgb255(120, 150, 190));
    // A hot line across, the row it wipes.
    cairo_save(cr);
    circlePath(cr, cx, cy, r);
    cairo_clip(cr);
    cairo_pattern_t* line = cairo_pattern_create_linear(cx, cy - r * 0.3, cx, cy + r * 0.3);
    cairo_pattern_add_color_stop_rgba(line, 0.0, 1, 0.4, 0.1, 0.0);
    cairo_pattern_add_color_stop_rgba(line, 0.5, 1, 0.55, 0.15, 0.8);
    cairo_pattern_add_color_stop_rgba(line, 1.0, 1, 0.4, 0.1, 0.0);
    cairo_rectangle(cr, cx - r, cy - r * 0.3, 2 * r, r * 0.6);
    cairo_set_source(cr, line);
    cairo_fill(cr);
    cairo_pattern_destroy(line);
    cairo_restore(cr);
    const double edge = std::max(0.6, r * 0.06);
    strokedFill(cr, [&](cairo_t* c) { doubleArrowPath(c, cx, cy, r * 0.82, r * 0.12, r * 0.34, false); },
                {1, 1, 1}, rgb255(130, 30, 10), edge);
    rimAndGloss(cr, cx, cy, r, rgb255(40, 55, 80), 0.8);
}

void drawSwitch(cairo_t* cr, double cx, double cy, double r) {
    chromeBody(cr, cx, cy, r, rgb255(215, 160, 30));
    const double edge = std::max(0.6, r * 0.06);
    const Rgb fill = rgb255(60, 150, 255), dark = rgb255(20, 30, 90);
    auto arrow = [&](double x, bool up) {
        return [=](cairo_t* c) {
            const double sgn = up ? -1 : 1;
            const double tip = cy + sgn * r * 0.72, base = cy - sgn * r * 0.62;
            const double head = r * 0.3, shaft = r * 0.1;
            cairo_move_to(c, x, tip);
            cairo_line_to(c, x + head, tip - sgn * head * 1.1);
            cairo_line_to(c, x + shaft, tip - sgn * head * 1.1);
            cairo_line_to(c, x + shaft, base);
            cairo_line_to(c, x - shaft, base);
            cairo_line_to(c, x - shaft, tip - sgn * head * 1.1);
            cairo_line_to(c, x - head, tip - sgn * head * 1.1);
            cairo_close_path(c);
        };
    };
    strokedFill(cr, arrow(cx - r * 0.3, true), lighten(fill, 0.2), dark, edge);
    strokedFill(cr, arrow(cx + r * 0.3, false), lighten(fill, 0.2), dark, edge);
    rimAndGloss(cr, cx, cy, r, rgb255(110, 70, 0), 0.8);
}

void sparkPath(cairo_t* cr, double x, double y, double s) { starPath(cr, x, y, 8, s, s * 0.35, -90); }

}  // namespace

void drawBombIcon(cairo_t* cr, double cx, double cy, double r, bool shadow) {
    // The iron ball sits low-left so the fuse and spark fit in the same box.
    const double br = r * 0.72, bx = cx - r * 0.16, by = cy + r * 0.2;
    if (shadow) marbleShadow(cr, bx, by, br);
    cairo_pattern_t* body = cairo_pattern_create_radial(bx - 0.4 * br, by - 0.45 * br, 0.05 * br, bx, by, br);
    addStop(body, 0.0, rgb255(125, 130, 150));
    addStop(body, 0.35, rgb255(55, 58, 72));
    addStop(body, 1.0, rgb255(12, 12, 18));
    circlePath(cr, bx, by, br);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
    // Cap and fuse toward the upper right.
    const double capA = -50 * M_PI / 180;
    const double capX = bx + std::cos(capA) * br * 0.92, capY = by + std::sin(capA) * br * 0.92;
    cairo_save(cr);
    cairo_translate(cr, capX, capY);
    cairo_rotate(cr, capA + M_PI / 2);
    roundedRectPath(cr, -br * 0.28, -br * 0.2, br * 0.56, br * 0.34, br * 0.06);
    cairo_pattern_t* cap = cairo_pattern_create_linear(-br * 0.28, 0, br * 0.28, 0);
    addStop(cap, 0.0, rgb255(200, 200, 210));
    addStop(cap, 0.5, rgb255(120, 120, 135));
    addStop(cap, 1.0, rgb255(60, 60, 70));
    cairo_set_source(cr, cap);
    cairo_fill(cr);
    cairo_pattern_destroy(cap);
    cairo_restore(cr);
    const double fx = capX + r * 0.08, fy = capY - r * 0.12;
    const double ex = cx + r * 0.64, ey = cy - r * 0.64;
    cairo_move_to(cr, fx, fy);
    cairo_curve_to(cr, fx + r * 0.1, fy - r * 0.25, ex - r * 0.25, ey + r * 0.05, ex, ey);
    setColour(cr, rgb255(150, 110, 60));
    cairo_set_line_width(cr, std::max(0.9, r * 0.09));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    // Spark.
    cairo_pattern_t* glow = cairo_pattern_create_radial(ex, ey, 0, ex, ey, r * 0.36);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, 1, 0.95, 0.5, 0.95);
    cairo_pattern_add_color_stop_rgba(glow, 0.5, 1, 0.55, 0.1, 0.45);
    cairo_pattern_add_color_stop_rgba(glow, 1.0, 1, 0.4, 0.0, 0.0);
    circlePath(cr, ex, ey, r * 0.36);
    cairo_set_source(cr, glow);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    sparkPath(cr, ex, ey, r * 0.27);
    setColour(cr, rgb255(255, 250, 200));
    cairo_fill(cr);
    // Rim and shine of the iron.
    circlePath(cr, bx, by, br - 0.4);
    setColour(cr, {0, 0, 0}, 0.6);
    cairo_set_line_width(cr, std::max(0.8, r * 0.05));
    cairo_stroke(cr);
    drawGloss(cr, bx, by, br, 0.7);
}

void drawEraserIcon(cairo_t* cr, double cx, double cy, double r, bool shadow) {
    // The double arrow on its own, over a glowing line: the row it clears.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, 0.3);
    cairo_pattern_t* line = cairo_pattern_create_radial(0, 0, 0, 0, 0, r * 1.05);
    cairo_pattern_add_color_stop_rgba(line, 0.0, 1, 0.65, 0.25, 0.85);
    cairo_pattern_add_color_stop_rgba(line, 0.6, 1, 0.5, 0.1, 0.45);
    cairo_pattern_add_color_stop_rgba(line, 1.0, 1, 0.4, 0.05, 0.0);
    circlePath(cr, 0, 0, r * 1.05);
    cairo_set_source(cr, line);
    cairo_fill(cr);
    cairo_pattern_destroy(line);
    cairo_restore(cr);
    const double edge = std::max(0.7, r * 0.07);
    if (shadow) {
        cairo_surface_t* t = cairo_get_target(cr);
        softSilhouette(cr, cairo_image_surface_get_width(t), cairo_image_surface_get_height(t), 1, 1.2,
                       std::max(0.7, r * 0.08), {0, 0, 0}, 0.45, [&](cairo_t* m) {
                           doubleArrowPath(m, cx, cy, r * 0.95, r * 0.13, r * 0.4, false);
                           cairo_fill(m);
                       });
    }
    doubleArrowPath(cr, cx, cy, r * 0.95, r * 0.13, r * 0.4, false);
    setColour(cr, rgb255(120, 25, 5));
    cairo_set_line_width(cr, edge * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx, cy - r * 0.4, cx, cy + r * 0.4);
    addStop(g, 0.0, rgb255(255, 255, 240));
    addStop(g, 1.0, rgb255(255, 200, 120));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Aim point in the middle.
    circlePath(cr, cx, cy, std::max(1.2, r * 0.12));
    setColour(cr, rgb255(200, 40, 10));
    cairo_fill(cr);
}

std::string colourPath(int k, int sizeSet) {
    return std::string("gfx/tiles/marbles/") + kPalette[k - 1].name + "_" + kSizeNames[sizeSet] + ".png";
}

std::string bonusPath(int id, int sizeSet) {
    if (id >= 101 && id <= 114)
        return std::string("gfx/tiles/bonus/blast_") + kPalette[id - 101].name + "_" + kSizeNames[sizeSet] + ".png";
    return std::string("gfx/tiles/bonus/") + specialName(id) + "_" + kSizeNames[sizeSet] + ".png";
}

void drawColour(cairo_t* cr, double cx, double cy, double r, int k, bool shadow) {
    MarbleStyle style;
    if (!shadow) style.shadow = 0;
    const Colour& c = kPalette[k - 1];
    drawMarble(cr, cx, cy, r, c.base, [&](cairo_t* ctx) { drawSymbol(ctx, k, cx, cy, r * 0.56); }, style);
}

void drawBonus(cairo_t* cr, double cx, double cy, double r, int id, bool shadow) {
    if (id >= 101 && id <= 114) {
        const int k = id - 100;
        const Colour& c = kPalette[k - 1];
        MarbleStyle style;
        style.outline = 0;
        style.specular = false;
        if (!shadow) style.shadow = 0;
        drawMarble(cr, cx, cy, r, lighten(c.base, 0.08), [&](cairo_t* ctx) {
            burstRays(ctx, cx, cy, r, 12, 0.75);
            drawSymbol(ctx, k, cx, cy, r * 0.58, true);
        }, style);
        goldRim(cr, cx, cy, r);
        drawGloss(cr, cx, cy, r * 0.92, 0.9);
        return;
    }
    if (id == 116) {
        drawBombIcon(cr, cx, cy, r, shadow);
        return;
    }
    if (shadow) marbleShadow(cr, cx, cy, r);
    if (id == 115) drawShuffle(cr, cx, cy, r);
    else if (id == 117) drawEraser(cr, cx, cy, r);
    else drawSwitch(cr, cx, cy, r);
}

namespace {

// A gate marble: a cat's-eye swirl in clear glass, bigger than the board's
// marbles and drawn scaled up while the curtain closes.
void drawGateMarble(cairo_t* cr, double cx, double cy, double r, Rgb base, double swirlAngle) {
    drawMarble(cr, cx, cy, r, base, [&](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_rotate(c, swirlAngle * M_PI / 180);
        cairo_move_to(c, -r * 0.9, r * 0.1);
        cairo_curve_to(c, -r * 0.3, -r * 0.55, r * 0.3, r * 0.55, r * 0.9, -r * 0.1);
        cairo_curve_to(c, r * 0.3, r * 0.35, -r * 0.3, -r * 0.35, -r * 0.9, r * 0.1);
        cairo_close_path(c);
        setColour(c, lighten(base, 0.75), 0.75);
        cairo_fill(c);
        cairo_restore(c);
    });
}

}  // namespace

void generate() {
    for (int set = 0; set < 3; ++set) {
        const int size = kCellSizes[set];
        const double centre = size / 2.0, r = size * 0.46;
        for (int k = 1; k <= kColours; ++k) {
            Canvas c(size, size);
            drawColour(c.cr(), centre - 0.3, centre - 0.3, r, k);
            writePicture(c, colourPath(k, set));
        }
        for (int id = 101; id <= 118; ++id) {
            Canvas c(size, size);
            drawBonus(c.cr(), centre - 0.3, centre - 0.3, r, id);
            writePicture(c, bonusPath(id, set));
        }
    }

    const Rgb gateColours[4] = {rgb255(225, 40, 60), rgb255(40, 110, 235), rgb255(40, 185, 80), rgb255(250, 190, 30)};
    for (int i = 0; i < 4; ++i) {
        // Shown at 1.5 to 2 times this size over a 40-pixel grid, so that
        // neighbours overlap and the closed gate hides the screen.
        Canvas c(40, 40);
        drawGateMarble(c.cr(), 19.6, 19.6, 18.6, gateColours[i], 20 + 40 * i);
        writePicture(c, "gfx/gui/gate/" + std::to_string(i) + ".png");
    }

    // Targeting cursors for the line eraser and the bomb. The small picture
    // serves both the 20- and 30-pixel boards (hot spots 12 and 15), so its
    // aim point sits between them; the large one is centred on its hot spot.
    {
        Canvas c(28, 28);
        drawEraserIcon(c.cr(), 13.75, 13.75, 12.5);
        writePicture(c, "gfx/tiles/bonus/bonusy_poziom.png");
    }
    {
        Canvas c(45, 45);
        drawEraserIcon(c.cr(), 22.5, 22.5, 20.5);
        writePicture(c, "gfx/tiles/bonus/bonusy_poziom_maly.png");
    }
    {
        Canvas c(28, 28);
        drawBombIcon(c.cr(), 13.75, 13.75, 12.5);
        writePicture(c, "gfx/tiles/bonus/b_uniwersalna.png");
    }
    {
        Canvas c(45, 45);
        drawBombIcon(c.cr(), 22.5, 22.5, 20.5);
        writePicture(c, "gfx/tiles/bonus/b_uniwersalna_mala.png");
    }
}

}  // namespace marbles
