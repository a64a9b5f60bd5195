// The widget gallery's pictures: one button per scheme in the game's glossy
// style (plum rims, candy faces, gold lettering when lit), a bouncing marble
// animation and the backdrop with its panels. Strips are cells side by side.
#include "button_pictures.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "art.h"
#include "marbles.h"
#include "ui_kit.h"

namespace button_pictures {

using namespace art;
using namespace ui_kit;

namespace {

// A small marble with a five-pointed star turned by `turn` degrees (the
// highlight stays put, so it reads as rolling).
void rollingMarble(cairo_t* cr, double cx, double cy, double r, Rgb base, double turn) {
    MarbleStyle style;
    style.shadow = 0.3;
    drawMarble(cr, cx, cy, r, base, [&](cairo_t* k) {
        starPath(k, cx, cy, 5, r * 0.55, r * 0.24, -90 + turn);
        setColour(k, lighten(base, 0.8), 0.95);
        cairo_fill_preserve(k);
        setColour(k, darken(base, 0.45), 0.7);
        cairo_set_line_width(k, std::max(0.8, r * 0.06));
        cairo_stroke(k);
    }, style);
}

void sparkIcon(cairo_t* cr, double cx, double cy, double r) {
    starPath(cr, cx, cy, 4, r * 1.05, r * 0.36, -90);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(255, 250, 200));
    cairo_fill(cr);
}

// ------------------------------------------------------------ bouncing marble

// Frame i of 8: the marble falls, squashes on the floor and rises again.
void drawBounce(Canvas& c, int i) {
    cairo_t* cr = c.cr();
    const double W = c.width(), H = c.height();
    const double floorY = H - 9, r = 20, top = floorY - 2 * r - 3;
    const double t = i / 8.0;  // one bounce per cycle
    const double lift = std::fabs(std::cos(M_PI * t)) * top;  // highest at frame 0
    const double squash = i == 4 ? 0.8 : (i == 3 || i == 5 ? 0.93 : 1.0);
    const double cy = floorY - lift - r * squash;
    // Shadow on the floor: sharper and darker as the marble comes down.
    const double near = 1 - lift / top;
    cairo_save(cr);
    cairo_translate(cr, W / 2, floorY);
    cairo_scale(cr, 1, 0.3);
    cairo_pattern_t* shade = cairo_pattern_create_radial(0, 0, 0, 0, 0, r * (1.25 - 0.3 * near));
    cairo_pattern_add_color_stop_rgba(shade, 0.0, 0.05, 0, 0.12, 0.25 + 0.35 * near);
    cairo_pattern_add_color_stop_rgba(shade, 1.0, 0.05, 0, 0.12, 0.0);
    circlePath(cr, 0, 0, r * 1.3);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, W / 2, cy + r * squash);
    cairo_scale(cr, 1 / std::sqrt(squash), squash);
    rollingMarble(cr, 0, -r, r, rgb255(235, 60, 80), i * 9.0);
    cairo_restore(cr);
}

// ------------------------------------------------------------ backdrop

struct Panel {
    double x, y, w, h;
};
// The panels behind the gallery's widget groups (see data/gui_gallery.gui).
const Panel kPanels[] = {{14, 56, 772, 292}, {14, 358, 530, 232}, {554, 358, 232, 232}};
// The well the text entry writes into.
const Panel kEntryWell = {570, 400, 200, 34};

void drawBackdrop(Canvas& c) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, H);
    addStop(sky, 0.0, rgb255(46, 78, 170));
    addStop(sky, 0.55, rgb255(92, 140, 215));
    addStop(sky, 1.0, rgb255(150, 120, 200));
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    cairo_pattern_t* sun = cairo_pattern_create_radial(110, 40, 10, 110, 40, 560);
    cairo_pattern_add_color_stop_rgba(sun, 0.0, 1, 0.96, 0.85, 0.55);
    cairo_pattern_add_color_stop_rgba(sun, 1.0, 1, 0.96, 0.85, 0.0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    Random rnd(77);
    for (int i = 0; i < 34; ++i) {
        const double x = rnd.uniform(0, W), y = rnd.uniform(0, H), r = rnd.uniform(6, 24);
        cairo_pattern_t* b = cairo_pattern_create_radial(x, y, 0, x, y, r);
        cairo_pattern_add_color_stop_rgba(b, 0.0, 1, 1, 1, 0.13);
        cairo_pattern_add_color_stop_rgba(b, 1.0, 1, 1, 1, 0.0);
        circlePath(cr, x, y, r);
        cairo_set_source(cr, b);
        cairo_fill(cr);
        cairo_pattern_destroy(b);
    }
    for (const Panel& p : kPanels) {
        softSilhouette(cr, W, H, 2, 3, 5, {0, 0, 0.1}, 0.4, [&](cairo_t* m) {
            roundedRectPath(m, p.x, p.y, p.w, p.h, 16);
            cairo_fill(m);
        });
        roundedRectPath(cr, p.x, p.y, p.w, p.h, 16);
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, p.y, 0, p.y + p.h);
        addStop(fill, 0.0, rgb255(44, 26, 92), 0.86);
        addStop(fill, 1.0, rgb255(28, 16, 64), 0.9);
        cairo_set_source(cr, fill);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(fill);
        setColour(cr, {1, 1, 1}, 0.45);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        // A faint sheen along the top.
        roundedRectPath(cr, p.x + 6, p.y + 4, p.w - 12, 22, 11);
        cairo_pattern_t* sheen = cairo_pattern_create_linear(0, p.y + 4, 0, p.y + 26);
        cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.12);
        cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.0);
        cairo_set_source(cr, sheen);
        cairo_fill(cr);
        cairo_pattern_destroy(sheen);
    }
    // The entry's well: sunk into the panel, a light rim below.
    const Panel& e = kEntryWell;
    roundedRectPath(cr, e.x, e.y, e.w, e.h, 8);
    setColour(cr, rgb255(12, 6, 30), 0.92);
    cairo_fill(cr);
    cairo_save(cr);
    roundedRectPath(cr, e.x, e.y, e.w, e.h, 8);
    cairo_clip(cr);
    insetShadow(cr, W, H, 2, 0.8, [&](cairo_t* m) { roundedRectPath(m, e.x, e.y, e.w, e.h, 8); });
    cairo_restore(cr);
    roundedRectPath(cr, e.x - 0.5, e.y - 0.5, e.w + 1, e.h + 1, 8.5);
    setColour(cr, rgb255(190, 170, 255), 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The floor the marble bounces on: the bottom of its cells (y 496 + 83).
    cairo_pattern_t* floor = cairo_pattern_create_linear(578, 0, 762, 0);
    cairo_pattern_add_color_stop_rgba(floor, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(floor, 0.5, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(floor, 1.0, 1, 1, 1, 0.0);
    cairo_rectangle(cr, 578, 579, 184, 1.5);
    cairo_set_source(cr, floor);
    cairo_fill(cr);
    cairo_pattern_destroy(floor);
}

}  // namespace

void generate() {
    // SIMPLE_BUTTON: one picture.
    {
        Canvas c(170, 62);
        drawPill(c, {rgb255(60, 175, 70), "Play", {}}, Look::Normal);
        writePicture(c, "gfx/gui/gallery/play.png");
    }
    // ANIM_BUTTON: 8 frames. 1-4 the marble rolls slowly (a fifth of a turn,
    // so the loop joins up), 5-7 lit and rolling faster, 8 pressed.
    writeStrip(170, 62, 8, [](Canvas& c, int i) {
        const Look look = i < 4 ? Look::Normal : i < 7 ? Look::Hover : Look::Pressed;
        const double turn = i < 4 ? i * 18.0 : i < 7 ? (i - 4) * 24.0 : 0;
        Icon marble = [turn](cairo_t* cr, double cx, double cy, double r) {
            rollingMarble(cr, cx, cy, r * 1.15, rgb255(255, 200, 40), turn);
        };
        drawPill(c, {rgb255(40, 120, 235), "Spin", marble}, look);
    }, "gfx/gui/gallery/spin.png");
    // BLEND_BUTTON: the plain button and its lit twin.
    writeStrip(170, 62, 2, [](Canvas& c, int i) {
        drawPill(c, {rgb255(20, 165, 170), "Glow", sparkIcon}, i == 0 ? Look::Normal : Look::Hover);
    }, "gfx/gui/gallery/glow.png");
    // FSTEP_BUTTON: normal, hovered, pressed, inactive.
    writeStrip(130, 56, 4, [](Canvas& c, int i) {
        drawPill(c, {rgb255(160, 70, 200), "Next", arrowIcon}, kStepLooks[i]);
    }, "gfx/gui/gallery/next.png");
    // A sprite animation: a marble bouncing on the spot, 8 frames.
    writeStrip(80, 92, 8, drawBounce, "gfx/gui/gallery/bounce.png");
    {
        Canvas c(800, 600);
        drawBackdrop(c);
        writePicture(c, "gfx/gui/gallery/tlo.png");
    }
}

}  // namespace button_pictures
