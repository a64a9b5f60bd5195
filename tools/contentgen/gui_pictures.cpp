// The loading screen, cursors, the title logo, HUD digits and the bonus
// buttons with their glow and count badge.
#include "gui_pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <string>

#include "art.h"
#include "catalogue.h"
#include "labels.h"
#include "marbles.h"

namespace gui_pictures {

using namespace art;

namespace {

// ------------------------------------------------------------ title

// The word "Vornell" with a marble for its "o", centred on (cx, baseline);
// `size` is the font size. The game's colours: warm gold face, plum outline.
void drawTitle(cairo_t* cr, int canvasW, int canvasH, double cx, double baseline, double size) {
    setFace(cr, Face::Rounded, size);
    const std::string head = "V", tail = "rnell";
    const double wHead = textWidth(cr, head), wTail = textWidth(cr, tail);
    const double marbleR = size * 0.27;
    const double gap = size * 0.03;
    const double total = wHead + gap + 2 * marbleR + gap + wTail;
    const double x0 = cx - total / 2;
    const double mx = x0 + wHead + gap + marbleR, my = baseline - size * 0.265;
    const double tailX = mx + marbleR + gap;
    auto letters = [&](cairo_t* c) {
        setFace(c, Face::Rounded, size);
        textPath(c, head, x0, baseline, 0);
        textPath(c, tail, tailX, baseline, 0);
    };
    const double outline = size * 0.085;
    // Soft drop shadow of letters and marble together.
    softSilhouette(cr, canvasW, canvasH, size * 0.035, size * 0.05, size * 0.04, {0.05, 0, 0.12}, 0.55,
                   [&](cairo_t* m) {
                       letters(m);
                       cairo_set_line_width(m, outline * 2);
                       cairo_set_line_join(m, CAIRO_LINE_JOIN_ROUND);
                       cairo_stroke_preserve(m);
                       cairo_fill(m);
                       circlePath(m, mx, my, marbleR + outline);
                       cairo_fill(m);
                   });
    // Thick plum outline.
    letters(cr);
    cairo_set_line_width(cr, outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_stroke(cr);
    circlePath(cr, mx, my, marbleR + outline * 0.8);
    cairo_fill(cr);
    // Face: sunny gradient, lit from above.
    letters(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline);
    addStop(g, 0.0, rgb255(255, 252, 215));
    addStop(g, 0.45, rgb255(255, 214, 70));
    addStop(g, 0.75, rgb255(255, 150, 30));
    addStop(g, 1.0, rgb255(235, 90, 40));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    // Inner bevel: light along the upper-left edges.
    cairo_save(cr);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, size * 0.018, size * 0.024);
    letters(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, 0, 0, canvasW, canvasH);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    setColour(cr, {1, 1, 1}, 0.75);
    cairo_fill(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Glassy upper half.
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, baseline - size * 0.75, 0, baseline - size * 0.35);
    cairo_pattern_add_color_stop_rgba(shine, 0.0, 1, 1, 1, 0.55);
    cairo_pattern_add_color_stop_rgba(shine, 1.0, 1, 1, 1, 0.0);
    cairo_rectangle(cr, 0, baseline - size * 0.8, canvasW, size * 0.42);
    cairo_set_source(cr, shine);
    cairo_fill(cr);
    cairo_pattern_destroy(shine);
    cairo_restore(cr);
    // The marble "o".
    MarbleStyle style;
    style.shadow = 0;
    drawMarble(cr, mx, my, marbleR, rgb255(40, 120, 240), {}, style);
}

void drawLogo(Canvas& c) {
    cairo_t* cr = c.cr();
    const double w = c.width();
    drawTitle(cr, c.width(), c.height(), w / 2, 98, 104);
    // A string of marbles smiling under the word.
    const int n = 11;
    const int colours[n] = {1, 6, 4, 9, 3, 7, 2, 11, 5, 8, 1};
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / (n - 1);
        const double x = w / 2 + (t - 0.5) * 270;
        const double y = 114 + 18 * std::sin(t * M_PI);
        marbles::drawColour(cr, x, y, 12.5 - std::fabs(t - 0.5) * 7, colours[i]);
    }
}

// ------------------------------------------------------------ loading screen

void drawSplash(Canvas& c) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    // Sky: deep blue above, warm haze at the horizon.
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, H);
    addStop(sky, 0.0, rgb255(38, 70, 170));
    addStop(sky, 0.5, rgb255(84, 140, 225));
    addStop(sky, 0.82, rgb255(170, 200, 245));
    addStop(sky, 1.0, rgb255(250, 215, 200));
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // Light pouring in from the upper left.
    cairo_pattern_t* sun = cairo_pattern_create_radial(120, 60, 10, 120, 60, 520);
    cairo_pattern_add_color_stop_rgba(sun, 0.0, 1, 0.97, 0.85, 0.75);
    cairo_pattern_add_color_stop_rgba(sun, 0.4, 1, 0.95, 0.8, 0.22);
    cairo_pattern_add_color_stop_rgba(sun, 1.0, 1, 0.95, 0.8, 0.0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    // Rays from the light.
    for (int i = 0; i < 9; ++i) {
        const double a = (12 + i * 9.5) * M_PI / 180;
        cairo_move_to(cr, 120, 60);
        cairo_line_to(cr, 120 + 1200 * std::cos(a - 0.035), 60 + 1200 * std::sin(a - 0.035));
        cairo_line_to(cr, 120 + 1200 * std::cos(a + 0.035), 60 + 1200 * std::sin(a + 0.035));
        cairo_close_path(cr);
    }
    cairo_pattern_t* rays = cairo_pattern_create_radial(120, 60, 0, 120, 60, 800);
    cairo_pattern_add_color_stop_rgba(rays, 0.0, 1, 1, 1, 0.22);
    cairo_pattern_add_color_stop_rgba(rays, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(cr, rays);
    cairo_fill(cr);
    cairo_pattern_destroy(rays);

    // Floating bokeh of light.
    Random rnd(2024);
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.uniform(0, W), y = rnd.uniform(0, H * 0.8), r = rnd.uniform(6, 26);
        cairo_pattern_t* b = cairo_pattern_create_radial(x, y, 0, x, y, r);
        cairo_pattern_add_color_stop_rgba(b, 0.0, 1, 1, 1, 0.16);
        cairo_pattern_add_color_stop_rgba(b, 0.8, 1, 1, 1, 0.10);
        cairo_pattern_add_color_stop_rgba(b, 1.0, 1, 1, 1, 0.0);
        circlePath(cr, x, y, r);
        cairo_set_source(cr, b);
        cairo_fill(cr);
        cairo_pattern_destroy(b);
    }

    // Marbles heaped in the lower corners; a few far ones drift, blurred.
    struct Heap { double x, y, r; int colour; };
    std::vector<Heap> heap;
    Random pick(7);
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < 22; ++i) {
            const double d = pick.uniform(-20, 240);  // distance from the corner
            const double mound = 170 * std::pow(std::max(0.0, 1 - d / 250), 1.6);
            const double y = H + 18 - pick.uniform(0, mound);
            const double x = side == 0 ? d : W - d;
            heap.push_back({x, y, pick.uniform(24, 34), pick.range(1, 9)});
        }
    }
    for (int i = 0; i < 7; ++i) {
        Canvas layer(W, H);
        const double x = pick.uniform(60, W - 60), y = pick.uniform(60, 420);
        if (std::fabs(x - W / 2.0) < 250 && y > 150 && y < 380) continue;  // keep the title clear
        marbles::drawColour(layer.cr(), x, y, pick.uniform(10, 18), pick.range(1, 11));
        blur(layer.surface(), 2.0);
        cairo_set_source_surface(cr, layer.surface(), 0, 0);
        cairo_paint_with_alpha(cr, 0.6);
    }
    // Back to front: the lower a marble lies, the nearer it is.
    std::sort(heap.begin(), heap.end(), [](const Heap& a, const Heap& b) { return a.y < b.y; });
    for (const Heap& h : heap) marbles::drawColour(cr, h.x, h.y, h.r, h.colour);

    // Title; the game's name stays as it is in every language. The words
    // under it and over the tray have 600 pixels: a longer text is set
    // smaller, then on two lines.
    drawTitle(cr, W, H, W / 2.0, 290, 170);
    // Translators: the words under the game's name on the loading screen,
    // about 600 px at 26 px (lower case in English).
    const std::string subtitle = catalogue::tr("a marble adventure");
    const labels::Label under = labels::fit(subtitle, {Face::Rounded, 26, 600, 5, 26}, "gfx/splash/loadscreen.png");
    labels::addPath(cr, under, W / 2.0, 345, 1);
    setColour(cr, kInk, 0.9);
    cairo_set_line_width(cr, 5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);

    // The tray the progress dots sit in (x = 90 + 40 i, y = 530).
    const double tx = 62, ty = 508, tw = 676, th = 44;
    softSilhouette(cr, W, H, 2, 3, 4, {0, 0, 0.1}, 0.45, [&](cairo_t* m) {
        roundedRectPath(m, tx, ty, tw, th, th / 2);
        cairo_fill(m);
    });
    roundedRectPath(cr, tx, ty, tw, th, th / 2);
    cairo_pattern_t* tray = cairo_pattern_create_linear(0, ty, 0, ty + th);
    addStop(tray, 0.0, rgb255(30, 20, 70), 0.92);
    addStop(tray, 1.0, rgb255(60, 40, 110), 0.92);
    cairo_set_source(cr, tray);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(tray);
    setColour(cr, {1, 1, 1}, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Translators: over the row of progress dots on the loading screen, about 600 px at 15 px.
    const std::string loading = catalogue::tr("Loading");
    const labels::Label label = labels::fit(loading, {Face::Rounded, 15, 600, 0, 15}, "gfx/splash/loadscreen.png");
    setColour(cr, {1, 1, 1}, 0.9);
    labels::addPath(cr, label, W / 2.0, ty - 8 - (label.lines.size() - 1) * label.lineStep(), 1);
    cairo_fill(cr);
}

void drawDot(Canvas& c, bool lit) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0;
    if (lit) {
        cairo_pattern_t* halo = cairo_pattern_create_radial(m, m, 0, m, m, m);
        cairo_pattern_add_color_stop_rgba(halo, 0.0, 1, 0.95, 0.6, 1.0);
        cairo_pattern_add_color_stop_rgba(halo, 0.6, 1, 0.8, 0.3, 0.7);
        cairo_pattern_add_color_stop_rgba(halo, 1.0, 1, 0.65, 0.1, 0.0);
        circlePath(cr, m, m, m);
        cairo_set_source(cr, halo);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
        MarbleStyle style;
        style.shadow = 0;
        drawMarble(cr, m, m, m * 0.66, rgb255(255, 220, 80), [&](cairo_t* k) {
            // Lit from within.
            cairo_pattern_t* core = cairo_pattern_create_radial(m, m, 0, m, m, m * 0.6);
            cairo_pattern_add_color_stop_rgba(core, 0.0, 1, 1, 0.9, 0.85);
            cairo_pattern_add_color_stop_rgba(core, 1.0, 1, 1, 0.8, 0.0);
            cairo_set_source(k, core);
            cairo_paint(k);
            cairo_pattern_destroy(core);
        }, style);
    } else {
        // An empty glass socket; drawn with light blending, so it only brightens.
        cairo_pattern_t* g = cairo_pattern_create_radial(m - 2, m - 2, 0, m, m, m * 0.7);
        addStop(g, 0.0, rgb255(120, 130, 170));
        addStop(g, 0.8, rgb255(60, 65, 100));
        addStop(g, 1.0, rgb255(90, 100, 150));
        circlePath(cr, m, m, m * 0.68);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        drawGloss(cr, m, m, m * 0.68, 0.5);
    }
}

// ------------------------------------------------------------ cursors

void drawPointer(Canvas& c) {
    cairo_t* cr = c.cr();
    auto arrow = [](cairo_t* m) {
        cairo_move_to(m, 1.5, 1.5);
        cairo_line_to(m, 1.5, 24.5);
        cairo_line_to(m, 7.2, 19.4);
        cairo_line_to(m, 11.2, 28.2);
        cairo_line_to(m, 15.2, 26.4);
        cairo_line_to(m, 11.2, 17.8);
        cairo_line_to(m, 18.8, 17.6);
        cairo_close_path(m);
    };
    softSilhouette(cr, c.width(), c.height(), 1.6, 2.2, 1.4, {0, 0, 0}, 0.45, [&](cairo_t* m) {
        arrow(m);
        cairo_fill(m);
    });
    arrow(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, rgb255(70, 25, 10));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 2, 12, 26);
    addStop(g, 0.0, rgb255(255, 250, 200));
    addStop(g, 0.45, rgb255(255, 205, 60));
    addStop(g, 1.0, rgb255(235, 120, 20));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Highlight along the left edge.
    cairo_move_to(cr, 3.4, 5.5);
    cairo_line_to(cr, 3.4, 19.5);
    setColour(cr, {1, 1, 1}, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// The gun sight: a ring with four ticks; `firing` tightens it and turns it red.
void drawSight(Canvas& c, bool firing) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0;
    const double r = firing ? 19 : 24;
    const Rgb face = firing ? rgb255(255, 70, 50) : rgb255(255, 255, 255);
    auto shape = [&](cairo_t* k, double widthScale) {
        circlePath(k, m, m, r);
        cairo_set_line_width(k, 2.4 * widthScale);
        cairo_stroke(k);
        for (int i = 0; i < 4; ++i) {
            const double a = i * M_PI / 2;
            const double in = firing ? 6 : 9, out = r + (firing ? 10 : 8);
            cairo_move_to(k, m + std::cos(a) * in, m + std::sin(a) * in);
            cairo_line_to(k, m + std::cos(a) * out, m + std::sin(a) * out);
        }
        cairo_set_line_width(k, 2.4 * widthScale);
        cairo_set_line_cap(k, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(k);
    };
    if (firing) {
        softSilhouette(cr, c.width(), c.height(), 0, 0, 3, rgb255(255, 120, 40), 0.9,
                       [&](cairo_t* k) { shape(k, 2.0); });
    } else {
        softSilhouette(cr, c.width(), c.height(), 1.2, 1.6, 1.2, {0, 0, 0}, 0.5, [&](cairo_t* k) { shape(k, 1.6); });
    }
    setColour(cr, rgb255(30, 10, 10), 0.9);
    shape(cr, 1.9);
    setColour(cr, face);
    shape(cr, 1.0);
    // Centre point.
    circlePath(cr, m, m, 2.2);
    setColour(cr, rgb255(30, 10, 10), 0.9);
    cairo_fill(cr);
    circlePath(cr, m, m, 1.3);
    setColour(cr, firing ? rgb255(255, 230, 120) : rgb255(255, 60, 40));
    cairo_fill(cr);
}

// ------------------------------------------------------------ digits

void drawDigit(Canvas& c, int d) {
    cairo_t* cr = c.cr();
    const std::string s(1, char('0' + d));
    const double w = c.width(), h = c.height();
    auto glyph = [&](cairo_t* k) {
        setFace(k, Face::Rounded, 27);
        cairo_save(k);
        cairo_translate(k, w / 2, 0);
        cairo_scale(k, 0.92, 1.0);
        textPath(k, s, 0, h - 5, 1);
        cairo_restore(k);
    };
    softSilhouette(cr, int(w), int(h), 1, 1.5, 1.0, {0, 0, 0}, 0.5, [&](cairo_t* k) {
        glyph(k);
        cairo_set_line_width(k, 4);
        cairo_stroke_preserve(k);
        cairo_fill(k);
    });
    glyph(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3.6);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 4, 0, h - 4);
    addStop(g, 0.0, rgb255(255, 255, 240));
    addStop(g, 0.5, rgb255(255, 228, 110));
    addStop(g, 1.0, rgb255(250, 160, 40));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

// ------------------------------------------------------------ bonus buttons

const char* buttonName(int entry) {
    if (entry < marbles::kColours) return marbles::kPalette[entry].name;
    return entry == 14 ? "shuffle" : entry == 15 ? "bomb" : "eraser";
}

void drawButton(Canvas& c, int entry) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0 - 0.5;
    const double R = m - 1.5;
    // A round brass socket holding the bonus marble.
    softSilhouette(cr, c.width(), c.height(), 1.2, 1.6, 1.3, {0, 0, 0}, 0.45, [&](cairo_t* k) {
        circlePath(k, m, m, R);
        cairo_fill(k);
    });
    cairo_pattern_t* ring = cairo_pattern_create_linear(m - R, m - R, m + R, m + R);
    addStop(ring, 0.0, rgb255(250, 235, 255));
    addStop(ring, 0.45, rgb255(150, 110, 210));
    addStop(ring, 1.0, rgb255(60, 30, 110));
    circlePath(cr, m, m, R);
    cairo_set_source(cr, ring);
    cairo_fill(cr);
    cairo_pattern_destroy(ring);
    cairo_pattern_t* well = cairo_pattern_create_linear(m - R, m - R, m + R, m + R);
    addStop(well, 0.0, rgb255(30, 15, 60));
    addStop(well, 1.0, rgb255(90, 70, 150));
    circlePath(cr, m, m, R - 3);
    cairo_set_source(cr, well);
    cairo_fill(cr);
    cairo_pattern_destroy(well);
    circlePath(cr, m, m, R - 0.5);
    setColour(cr, kInk, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    const int id = 101 + entry;
    marbles::drawBonus(cr, m, m, R - 4.5, id, false);
}

void drawButtonGlow(Canvas& c) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0;
    cairo_pattern_t* g = cairo_pattern_create_radial(m, m, 0, m, m, m);
    cairo_pattern_add_color_stop_rgba(g, 0.0, 1, 0.95, 0.6, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 0.55, 1, 0.85, 0.3, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 0.8, 1, 0.6, 0.15, 0.3);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 0.5, 0.1, 0.0);
    circlePath(cr, m, m, m);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Soft rays turning the glow into a starburst.
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        cairo_move_to(cr, m, m);
        cairo_arc(cr, m, m, m, a - 0.09, a + 0.09);
        cairo_close_path(cr);
    }
    cairo_pattern_t* rays = cairo_pattern_create_radial(m, m, m * 0.3, m, m, m);
    cairo_pattern_add_color_stop_rgba(rays, 0.0, 1, 1, 0.85, 0.5);
    cairo_pattern_add_color_stop_rgba(rays, 1.0, 1, 1, 0.85, 0.0);
    cairo_set_source(cr, rays);
    cairo_fill(cr);
    cairo_pattern_destroy(rays);
}

void drawBadge(Canvas& c) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0, r = m - 1.5;
    softSilhouette(cr, c.width(), c.height(), 0.8, 1.0, 0.8, {0, 0, 0}, 0.5, [&](cairo_t* k) {
        circlePath(k, m, m, r);
        cairo_fill(k);
    });
    circlePath(cr, m, m, r);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(m - 3, m - 4, 1, m, m, r - 1.6);
    addStop(g, 0.0, rgb255(255, 120, 110));
    addStop(g, 0.6, rgb255(225, 30, 40));
    addStop(g, 1.0, rgb255(150, 10, 25));
    circlePath(cr, m, m, r - 1.6);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    ellipsePath(cr, m - 1, m - r * 0.45, r * 0.55, r * 0.28);
    setColour(cr, {1, 1, 1}, 0.35);
    cairo_fill(cr);
}

}  // namespace

void generate() {
    {
        Canvas c(800, 600);
        drawSplash(c);
        writePicture(c, "gfx/splash/loadscreen.png");
    }
    // A language run draws only the pictures with words: the splash.
    if (catalogue::languageRun()) return;
    for (int lit = 0; lit < 2; ++lit) {
        Canvas c(27, 27);
        drawDot(c, lit == 1);
        writePicture(c, lit ? "gfx/splash/on.png" : "gfx/splash/off.png");
    }
    {
        Canvas c(560, 150);
        drawLogo(c);
        writePicture(c, "gfx/gui/mainMenu/logo.png");
    }
    {
        Canvas c(32, 32);
        drawPointer(c);
        writePicture(c, "gfx/gui/mouse.png");
    }
    {
        // The shooting gallery's hit test reads a single opaque pixel.
        Canvas c(1, 1);
        setColour(c.cr(), {1, 1, 1});
        cairo_paint(c.cr());
        writePicture(c, "gfx/gui/mousePoint.png");
    }
    for (int firing = 0; firing < 2; ++firing) {
        Canvas c(69, 69);  // hot spot 34, 34: the middle pixel
        drawSight(c, firing == 1);
        writePicture(c, firing ? "gfx/gui/shooting/celownik2.png" : "gfx/gui/shooting/celownik.png");
    }
    for (int d = 0; d < 10; ++d) {
        Canvas c(20, 28);
        drawDigit(c, d);
        writePicture(c, "gfx/gui/cyfry/" + std::to_string(d) + ".png");
    }
    for (int entry = 0; entry < 17; ++entry) {
        Canvas on(46, 46);
        drawButton(on, entry);
        writePicture(on, std::string("gfx/tiles/bonus/button_") + buttonName(entry) + ".png");
        Canvas off(46, 46);
        drawButton(off, entry);
        toGrey(off, 0.9);
        writePicture(off, std::string("gfx/tiles/bonus/button_") + buttonName(entry) + "_off.png");
    }
    {
        Canvas c(64, 64);
        drawButtonGlow(c);
        writePicture(c, "gfx/tiles/bonus/back.png");
    }
    {
        Canvas c(22, 22);
        drawBadge(c);
        writePicture(c, "gfx/gui/game/howMany.png");
    }
}

}  // namespace gui_pictures
