// The shooting gallery: fourteen balloons, the crate on its parachute, the
// four toy guns and the banners their crates show, the dart of the
// ammunition bar and the panel along the bottom of the screen.
//
// The panel is drawn at (0, 502); the game puts the darts in a row from
// x 36 at y 550, the balloon count centred on x 488 and the gun at
// (676, 548) at 70 % with its name under it, so the panel's wells hold them.
#include "shooting_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "art.h"
#include "catalogue.h"
#include "labels.h"
#include "ui_kit.h"

namespace shooting_pictures {

using namespace art;

namespace {

// ------------------------------------------------------------ balloons

struct Balloon {
    const char* name;
    Rgb colour;
    Rgb stripe;  // a second colour in stripes, or the same colour for none
};

// Picture order of the game: balloon n is kBalloons[n].
const Balloon kBalloons[14] = {
    {"brazowy", rgb255(160, 96, 48), rgb255(160, 96, 48)},
    {"cyjan", rgb255(30, 200, 225), rgb255(30, 200, 225)},
    {"czarny", rgb255(52, 50, 64), rgb255(52, 50, 64)},
    {"czerwony", rgb255(232, 36, 48), rgb255(232, 36, 48)},
    {"granat", rgb255(34, 48, 150), rgb255(34, 48, 150)},
    {"jasny_zielony", rgb255(150, 235, 80), rgb255(150, 235, 80)},
    {"filoet_jasny_niebieski", rgb255(150, 70, 215), rgb255(120, 200, 255)},
    {"niebieski", rgb255(40, 115, 240), rgb255(40, 115, 240)},
    {"oliwka", rgb255(135, 145, 40), rgb255(135, 145, 40)},
    {"pomaranczowy", rgb255(252, 140, 28), rgb255(252, 140, 28)},
    {"rozowy", rgb255(250, 120, 185), rgb255(250, 120, 185)},
    {"szary", rgb255(165, 170, 182), rgb255(165, 170, 182)},
    {"zielony", rgb255(36, 168, 64), rgb255(36, 168, 64)},
    {"zolty", rgb255(255, 214, 36), rgb255(255, 214, 36)},
};

void balloonBody(cairo_t* cr, double cx, double cy, double rx, double ry) {
    // Rounder at the top, narrowing toward the knot.
    cairo_move_to(cr, cx, cy - ry);
    cairo_curve_to(cr, cx + rx * 1.1, cy - ry, cx + rx * 1.05, cy + ry * 0.45, cx, cy + ry);
    cairo_curve_to(cr, cx - rx * 1.05, cy + ry * 0.45, cx - rx * 1.1, cy - ry, cx, cy - ry);
    cairo_close_path(cr);
}

void drawBalloon(Canvas& c, const Balloon& b) {
    cairo_t* cr = c.cr();
    const double cx = 30, cy = 36, rx = 25, ry = 31;
    // The string, curling down from the knot.
    cairo_move_to(cr, cx, cy + ry + 5);
    cairo_curve_to(cr, cx + 7, cy + ry + 14, cx - 7, cy + ry + 22, cx + 1, cy + ry + 30);
    cairo_curve_to(cr, cx + 6, cy + ry + 34, cx - 2, cy + ry + 30, cx - 1, cy + ry + 34);
    cairo_set_line_width(cr, 1.6);
    setColour(cr, rgb255(240, 240, 250), 0.9);
    cairo_stroke(cr);
    // The knot.
    cairo_move_to(cr, cx, cy + ry - 2);
    cairo_line_to(cr, cx + 4.5, cy + ry + 6);
    cairo_line_to(cr, cx - 4.5, cy + ry + 6);
    cairo_close_path(cr);
    setColour(cr, darken(b.colour, 0.25));
    cairo_fill_preserve(cr);
    setColour(cr, kInk, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The body: lit from the upper left, deepest at the lower right rim.
    balloonBody(cr, cx, cy, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - rx * 0.35, cy - ry * 0.4, 2, cx, cy, ry * 1.15);
    addStop(g, 0.0, lighten(b.colour, 0.55));
    addStop(g, 0.45, b.colour);
    addStop(g, 1.0, darken(b.colour, 0.45));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    if (b.stripe.r != b.colour.r || b.stripe.g != b.colour.g || b.stripe.b != b.colour.b) {
        // Two-coloured: two bands of the second colour from the top to the knot.
        for (int side = -1; side <= 1; side += 2) {
            const double outer = cx + side * rx * 1.05, inner = cx + side * rx * 0.3;
            cairo_move_to(cr, cx, cy - ry);
            cairo_curve_to(cr, outer, cy - ry, outer, cy + ry * 0.3, cx, cy + ry);
            cairo_curve_to(cr, inner, cy + ry * 0.3, inner, cy - ry, cx, cy - ry);
            cairo_close_path(cr);
        }
        cairo_pattern_t* s = cairo_pattern_create_radial(cx - rx * 0.35, cy - ry * 0.4, 2, cx, cy, ry * 1.15);
        addStop(s, 0.0, lighten(b.stripe, 0.5));
        addStop(s, 0.5, b.stripe);
        addStop(s, 1.0, darken(b.stripe, 0.4));
        cairo_set_source(cr, s);
        cairo_fill(cr);
        cairo_pattern_destroy(s);
    }
    // Light reflected back from below.
    ellipsePath(cr, cx + rx * 0.2, cy + ry * 0.7, rx * 0.6, ry * 0.25, -15);
    setColour(cr, lighten(b.colour, 0.4), 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    setColour(cr, kInk, 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // Shine: a bright oval and a small sparkle.
    ellipsePath(cr, cx - rx * 0.42, cy - ry * 0.45, rx * 0.2, ry * 0.3, 25);
    setColour(cr, {1, 1, 1}, 0.75);
    cairo_fill(cr);
    circlePath(cr, cx - rx * 0.12, cy - ry * 0.78, 2.2);
    setColour(cr, {1, 1, 1}, 0.85);
    cairo_fill(cr);
}

// ------------------------------------------------------------ crate

// Seen from above: a striped canopy around a crate, so it looks right from
// every angle as it turns.
void drawParachute(Canvas& c) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0, R = m - 3;
    const int gores = 8;
    softSilhouette(cr, c.width(), c.height(), 1.5, 2, 2, {0, 0, 0.1}, 0.45, [&](cairo_t* k) {
        circlePath(k, m, m, R);
        cairo_fill(k);
    });
    for (int i = 0; i < gores; ++i) {
        const double a0 = i * 2 * M_PI / gores, a1 = (i + 1) * 2 * M_PI / gores;
        cairo_move_to(cr, m, m);
        cairo_arc(cr, m, m, R, a0, a1);
        cairo_close_path(cr);
        const Rgb colour = i % 2 == 0 ? rgb255(235, 50, 70) : rgb255(255, 246, 230);
        cairo_pattern_t* g = cairo_pattern_create_radial(m - R * 0.3, m - R * 0.3, 2, m, m, R);
        addStop(g, 0.0, lighten(colour, 0.35));
        addStop(g, 0.7, colour);
        addStop(g, 1.0, darken(colour, 0.3));
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    // Seams and rim.
    for (int i = 0; i < gores; ++i) {
        const double a = i * 2 * M_PI / gores;
        cairo_move_to(cr, m, m);
        cairo_line_to(cr, m + std::cos(a) * R, m + std::sin(a) * R);
    }
    setColour(cr, kInk, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    circlePath(cr, m, m, R);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    // The crate in the middle: planks and a brass corner on each side.
    const double s = R * 0.62;
    cairo_rectangle(cr, m - s / 2, m - s / 2, s, s);
    cairo_pattern_t* wood = cairo_pattern_create_linear(m - s / 2, m - s / 2, m + s / 2, m + s / 2);
    addStop(wood, 0.0, rgb255(236, 180, 100));
    addStop(wood, 1.0, rgb255(170, 100, 40));
    cairo_set_source(cr, wood);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wood);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 1; i < 3; ++i) {
        cairo_move_to(cr, m - s / 2 + 2, m - s / 2 + i * s / 3);
        cairo_line_to(cr, m + s / 2 - 2, m - s / 2 + i * s / 3);
    }
    setColour(cr, rgb255(120, 64, 24), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = m + (i % 2 ? 1 : -1) * (s / 2 - 3), y = m + (i / 2 ? 1 : -1) * (s / 2 - 3);
        circlePath(cr, x, y, 2.4);
        setColour(cr, rgb255(255, 220, 110));
        cairo_fill(cr);
    }
    // Gloss over the canopy's upper left.
    drawGloss(cr, m, m, R, 0.5);
}

// ------------------------------------------------------------ guns

// A toy part: candy gradient lit from above, plum outline, a little shine.
void part(cairo_t* cr, const std::function<void(cairo_t*)>& shape, Rgb base, double top, double bottom) {
    shape(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(g, 0.0, lighten(base, 0.5));
    addStop(g, 0.45, base);
    addStop(g, 1.0, darken(base, 0.35));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
}

void roundedPart(cairo_t* cr, double x, double y, double w, double h, double r, Rgb base) {
    part(cr, [&](cairo_t* k) { roundedRectPath(k, x, y, w, h, r); }, base, y, y + h);
    // Shine along the top.
    roundedRectPath(cr, x + r * 0.6 + 1, y + 2.2, w - 2 * r * 0.6 - 2, std::max(2.0, h * 0.22), 1.5);
    setColour(cr, {1, 1, 1}, 0.45);
    cairo_fill(cr);
}

void polygonPart(cairo_t* cr, std::initializer_list<std::pair<double, double>> points, Rgb base) {
    double top = 1e9, bottom = -1e9;
    for (const auto& p : points) {
        top = std::min(top, p.second);
        bottom = std::max(bottom, p.second);
    }
    part(cr,
         [&](cairo_t* k) {
             bool first = true;
             for (const auto& p : points) {
                 if (first) cairo_move_to(k, p.first, p.second);
                 else cairo_line_to(k, p.first, p.second);
                 first = false;
             }
             cairo_close_path(k);
         },
         base, top, bottom);
}

const Rgb kWood = rgb255(200, 130, 60);
const Rgb kOrangeTip = rgb255(255, 140, 30);

// The four guns, facing right, in a 170 x 80 box; the gun keeps to the
// upper 64 pixels, as the game writes its name under it.
void slingshot(cairo_t* cr) {
    const double cx = 85;
    // The fork and handle of one piece of wood.
    cairo_move_to(cr, cx - 8, 62);
    cairo_line_to(cr, cx - 8, 40);
    cairo_curve_to(cr, cx - 20, 34, cx - 30, 22, cx - 30, 10);
    cairo_line_to(cr, cx - 19, 8);
    cairo_curve_to(cr, cx - 18, 20, cx - 8, 30, cx, 31);
    cairo_curve_to(cr, cx + 8, 30, cx + 18, 20, cx + 19, 8);
    cairo_line_to(cr, cx + 30, 10);
    cairo_curve_to(cr, cx + 30, 22, cx + 20, 34, cx + 8, 40);
    cairo_line_to(cr, cx + 8, 62);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - 30, 0, cx + 30, 0);
    addStop(g, 0.0, lighten(kWood, 0.35));
    addStop(g, 0.5, kWood);
    addStop(g, 1.0, darken(kWood, 0.35));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    // Grip wrapping.
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, cx - 8, 45 + i * 4.5);
        cairo_line_to(cr, cx + 8, 43 + i * 4.5);
    }
    setColour(cr, rgb255(60, 120, 220));
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    // The rubber band pulled back with a dart in its pouch.
    cairo_move_to(cr, cx - 25, 10);
    cairo_line_to(cr, cx - 4, 22);
    cairo_move_to(cr, cx + 25, 10);
    cairo_line_to(cr, cx + 4, 22);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 4.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(240, 50, 60));
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    roundedPart(cr, cx - 7, 18, 14, 9, 4, rgb255(130, 80, 40));
    circlePath(cr, cx, 17, 4.5);
    setColour(cr, rgb255(255, 70, 60));
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void blaster(cairo_t* cr) {
    const Rgb body = rgb255(40, 130, 240);
    roundedPart(cr, 6, 20, 32, 16, 5, darken(body, 0.15));            // stock
    polygonPart(cr, {{50, 36}, {64, 36}, {56, 62}, {42, 62}}, rgb255(255, 200, 40));  // grip
    roundedPart(cr, 116, 21, 36, 12, 5, rgb255(250, 250, 255));       // barrel
    roundedPart(cr, 146, 19, 16, 16, 5, kOrangeTip);                  // muzzle
    roundedPart(cr, 30, 12, 92, 28, 9, body);                         // body
    roundedPart(cr, 66, 5, 18, 9, 3, rgb255(255, 200, 40));           // sight
    circlePath(cr, 92, 46, 12);                                        // drum
    cairo_pattern_t* d = cairo_pattern_create_radial(88, 42, 1, 92, 46, 12);
    addStop(d, 0.0, rgb255(255, 240, 160));
    addStop(d, 1.0, rgb255(240, 150, 20));
    cairo_set_source(cr, d);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(d);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        circlePath(cr, 92 + std::cos(a) * 6.5, 46 + std::sin(a) * 6.5, 2);
        setColour(cr, rgb255(60, 120, 230));
        cairo_fill(cr);
    }
    for (int i = 0; i < 3; ++i) {  // vents
        roundedRectPath(cr, 44 + i * 9, 20, 5, 12, 2.5);
        setColour(cr, darken(body, 0.45));
        cairo_fill(cr);
    }
}

void popper(cairo_t* cr) {
    const Rgb barrel = rgb255(60, 190, 90);
    polygonPart(cr, {{4, 30}, {40, 24}, {44, 40}, {10, 52}}, kWood);                      // stock
    polygonPart(cr, {{52, 38}, {64, 38}, {58, 62}, {44, 62}}, rgb255(160, 80, 210));      // grip
    polygonPart(cr, {{90, 24}, {146, 8}, {146, 56}, {90, 40}}, barrel);                   // flaring barrel
    roundedPart(cr, 36, 20, 58, 22, 7, rgb255(160, 80, 210));                             // body
    roundedPart(cr, 96, 40, 30, 10, 4, kOrangeTip);                                       // pump
    // The bell mouth, dark inside.
    ellipsePath(cr, 148, 32, 8, 26);
    setColour(cr, rgb255(255, 215, 60));
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    ellipsePath(cr, 149, 32, 4.5, 19);
    setColour(cr, rgb255(40, 20, 60));
    cairo_fill(cr);
    // Stars on the barrel.
    for (int i = 0; i < 2; ++i) {
        starPath(cr, 108 + i * 20, 32, 5, 5, 2.2);
        setColour(cr, rgb255(255, 250, 200));
        cairo_fill(cr);
    }
}

void longShot(cairo_t* cr) {
    const Rgb body = rgb255(226, 52, 60);
    polygonPart(cr, {{4, 28}, {36, 24}, {40, 40}, {8, 50}}, kWood);                 // stock
    polygonPart(cr, {{46, 38}, {58, 38}, {52, 60}, {40, 60}}, darken(body, 0.1));    // grip
    roundedPart(cr, 90, 27, 70, 8, 4, rgb255(215, 220, 235));                       // barrel
    roundedPart(cr, 156, 25, 10, 12, 4, kOrangeTip);                                // tip
    roundedPart(cr, 32, 22, 64, 18, 7, body);                                       // body
    roundedPart(cr, 50, 6, 46, 11, 5, rgb255(70, 60, 110));                         // scope
    roundedPart(cr, 60, 15, 6, 8, 2, rgb255(70, 60, 110));
    roundedPart(cr, 80, 15, 6, 8, 2, rgb255(70, 60, 110));
    ellipsePath(cr, 96, 11.5, 3, 5);                                                // lens
    setColour(cr, rgb255(120, 220, 255));
    cairo_fill(cr);
}

using GunShape = void (*)(cairo_t*);

struct Gun {
    const char* file;    // gfx/gui/shooting/<file>.png
    const char* banner;  // gfx/gui/shooting/bonus_<banner>.png
    const char* title;   // the banner's words
    GunShape shape;
};

// In the order of data/guns.dat.
const Gun kGuns[4] = {
    // Translators: banner of the shooting gallery's crate that gives back the
    // slingshot, about 230 px at 25 px; the banner widens for longer words.
    {"fuckyou", "slingshot", N_("Slingshot"), slingshot},
    // Translators: banner of the shooting gallery's crate that gives the dart
    // gun, about 230 px at 25 px; the banner widens for longer words.
    {"smg", "smg", N_("Dart Blaster!"), blaster},
    // Translators: banner of the shooting gallery's crate that gives the
    // scatter gun, about 230 px at 25 px; the banner widens for longer words.
    {"shotgun", "shotgun", N_("Scatter Popper!"), popper},
    // Translators: banner of the shooting gallery's crate that gives the long
    // gun, about 230 px at 25 px; the banner widens for longer words.
    {"rifle", "rifle", N_("Long Shot!"), longShot},
};

// The banner's name keeps 24 pixels from the ribbon's notched ends, and the
// ribbon 10 from the picture's sides.
constexpr double kBannerInset = 24 + 10;
const labels::Place kBannerName{labels::Face::Rounded, 25, 300 - 2 * kBannerInset, 4.5};

// A banner is 300 pixels wide, or wider for a longer name.
int bannerWidth(const std::string& title) {
    return std::max(300, int(std::ceil(labels::widthNeeded(title, kBannerName) + 2 * kBannerInset)));
}

void drawGun(Canvas& c, GunShape shape) {
    softSilhouette(c.cr(), c.width(), c.height(), 2, 3, 2.5, {0.05, 0, 0.12}, 0.45, [&](cairo_t* k) {
        shape(k);
        cairo_fill(k);
    });
    shape(c.cr());
}

// What a crate shows when it is hit. The game draws it without blending
// (hard edges), so everything is opaque and outlined, with no soft shadow.
void drawBanner(Canvas& c, const Gun& gun, const std::string& title) {
    cairo_t* cr = c.cr();
    const double cx = c.width() / 2.0, cy = 62;
    starPath(cr, cx, cy, 16, 62, 44, -90);
    cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 8, cx, cy, 62);
    addStop(g, 0.0, rgb255(255, 250, 200));
    addStop(g, 0.6, rgb255(255, 214, 60));
    addStop(g, 1.0, rgb255(250, 150, 30));
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx - 85 * 1.05, cy - 36 * 1.05);
    cairo_scale(cr, 1.05, 1.05);
    gun.shape(cr);
    cairo_restore(cr);
    // The name on a ribbon.
    const double rw = c.width() - 20.0, ry = 104, rh = 38;
    cairo_move_to(cr, 10, ry);
    cairo_line_to(cr, 10 + rw, ry);
    cairo_line_to(cr, rw, ry + rh / 2);
    cairo_line_to(cr, 10 + rw, ry + rh);
    cairo_line_to(cr, 10, ry + rh);
    cairo_line_to(cr, 20, ry + rh / 2);
    cairo_close_path(cr);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, ry, 0, ry + rh);
    addStop(band, 0.0, rgb255(190, 90, 240));
    addStop(band, 1.0, rgb255(110, 40, 170));
    cairo_set_source(cr, band);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(band);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    labels::Place place = kBannerName;
    place.room = c.width() - 2 * kBannerInset;
    labels::addPath(cr, labels::fit(title, place, std::string("the banner of ") + gun.file), cx, ry + rh / 2 + 9, 1);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    setColour(cr, {1, 1, 1});
    cairo_fill(cr);
}

// ------------------------------------------------------------ dart

// One cartridge of the ammunition bar, standing: suction cup up, fins down.
void drawDart(Canvas& c) {
    cairo_t* cr = c.cr();
    const double m = c.width() / 2.0;
    polygonPart(cr, {{m - 5.5, 36}, {m, 27}, {m + 5.5, 36}, {m, 33}}, rgb255(255, 210, 40));  // fins
    roundedPart(cr, m - 3.2, 8, 6.4, 25, 2.5, rgb255(40, 130, 240));                         // foam
    ellipsePath(cr, m, 6.5, 5, 4);                                                             // cup
    setColour(cr, rgb255(240, 60, 60));
    cairo_fill_preserve(cr);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
}

// ------------------------------------------------------------ panel

void drawPanel() {
    using namespace ui_kit;
    Canvas c(800, 98);
    ui_kit::drawPanel(c, 2, 3, 796, 95, 18);
    drawWell(c, 18, 24, 404, 50, 14);   // the darts, centred on y 48
    drawWell(c, 432, 18, 112, 52, 12);  // "Balloons left" and the count
    drawWell(c, 590, 10, 172, 80, 16);  // the gun and its name
    writePicture(c, "gfx/gui/shooting/panel.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words: the banners.
    const bool everyPicture = !catalogue::languageRun();
    if (everyPicture) {
        for (const Balloon& b : kBalloons) {
            Canvas c(60, 104);
            drawBalloon(c, b);
            writePicture(c, std::string("gfx/gui/shooting/balony/balon_") + b.name + ".png");
        }
        Canvas c(92, 92);
        drawParachute(c);
        writePicture(c, "gfx/gui/shooting/parachute.png");
    }
    for (const Gun& gun : kGuns) {
        if (everyPicture) {
            Canvas c(170, 80);
            drawGun(c, gun.shape);
            writePicture(c, std::string("gfx/gui/shooting/") + gun.file + ".png");
        }
        const std::string title = catalogue::tr(gun.title);
        const std::string path = std::string("gfx/gui/shooting/bonus_") + gun.banner + ".png";
        Canvas banner(bannerWidth(title), 150);
        if (banner.width() != 300) labels::noteWider(title, path, 300, banner.width());
        drawBanner(banner, gun, title);
        writePicture(banner, path);
    }
    if (!everyPicture) return;
    Canvas c(12, 40);
    drawDart(c);
    writePicture(c, "gfx/gui/shooting/rzutka.png");
    drawPanel();
}

}  // namespace shooting_pictures
