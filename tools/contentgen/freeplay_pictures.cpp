// The free-play set-up: the panel over the main menu, the three tab pages,
// the speed slider's knob, the frame over the puzzle preview and the small
// buttons of data/gui_match3.gui and gui_puzzle.gui.
//
// The panel is drawn at (100, 50) and every page at (134, 125), so a page
// point is its screen point less (134, 125). Each page carries the three tab
// ears along its top, its own one lit and joined to the sheet; the captions
// on the ears are the tab buttons of data/gui_freeplay.gui. Pages are opaque
// where they have anything, so the page in front hides the others. The
// wells sit where the game draws the marble rows, the slider, the balloon
// count, the guns and the puzzle preview.
#include "freeplay_pictures.h"

#include <cmath>

#include "art.h"
#include "ui_kit.h"

namespace freeplay_pictures {

using namespace art;
using namespace ui_kit;

namespace {

constexpr int kPageW = 532, kPageH = 360;
constexpr double kPageX = 134, kPageY = 125;
// The ears' centres on the page, and their size.
constexpr double kEarX[3] = {111, 266, 421};
constexpr double kEarW = 146, kEarH = 40, kSheetTop = 36;

const Rgb kSheetTopColour = rgb255(112, 72, 196);
const Rgb kSheetBottomColour = rgb255(64, 34, 128);

// A well given in screen coordinates, on a page.
void pageWell(Canvas& c, double sx, double sy, double w, double h, double r) {
    drawWell(c, sx - kPageX, sy - kPageY, w, h, r);
}

void earPath(cairo_t* cr, double cx, double top, double bottom) {
    const double x = cx - kEarW / 2, r = 14;
    cairo_move_to(cr, x, bottom);
    cairo_line_to(cr, x, top + r);
    cairo_arc(cr, x + r, top + r, r, M_PI, 1.5 * M_PI);
    cairo_line_to(cr, x + kEarW - r, top);
    cairo_arc(cr, x + kEarW - r, top + r, r, 1.5 * M_PI, 2 * M_PI);
    cairo_line_to(cr, x + kEarW, bottom);
    cairo_close_path(cr);
}

void fillSheet(cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kPageH);
    addStop(p, 0.0, kSheetTopColour);
    addStop(p, 1.0, kSheetBottomColour);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

// The sheet with the ears; ear `own` is lit and joined to the sheet.
void drawSheet(Canvas& c, int own) {
    cairo_t* cr = c.cr();
    for (int i = 0; i < 3; ++i) {
        if (i == own) continue;
        earPath(cr, kEarX[i], 6, kSheetTop + 4);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, kSheetTop);
        addStop(p, 0.0, rgb255(74, 44, 130));
        addStop(p, 1.0, rgb255(44, 22, 88));
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    // The sheet and its own ear as one outline.
    auto outline = [&](cairo_t* k) {
        roundedRectPath(k, 1.5, kSheetTop, kPageW - 3, kPageH - kSheetTop - 1.5, 18);
        earPath(k, kEarX[own], 0, kSheetTop + 20);
    };
    outline(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    fillSheet(cr);
    cairo_new_path(cr);
    // The rim: plum outside, a fine gold line within.
    roundedRectPath(cr, 1.5, kSheetTop, kPageW - 3, kPageH - kSheetTop - 1.5, 18);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    earPath(cr, kEarX[own], 1.5, kSheetTop + 2);
    cairo_stroke(cr);
    // Cover the rim where the ear joins the sheet.
    cairo_rectangle(cr, kEarX[own] - kEarW / 2 + 1.6, kSheetTop - 2, kEarW - 3.2, 6);
    cairo_set_source_rgb(cr, kSheetTopColour.r, kSheetTopColour.g, kSheetTopColour.b);
    cairo_fill(cr);
    roundedRectPath(cr, 6, kSheetTop + 5, kPageW - 12, kPageH - kSheetTop - 11, 14);
    setColour(cr, rgb255(255, 210, 110), 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // A sheen along the top of the ear and of the sheet.
    earPath(cr, kEarX[own], 4, 16);
    setColour(cr, {1, 1, 1}, 0.14);
    cairo_fill(cr);
    roundedRectPath(cr, 10, kSheetTop + 8, kPageW - 20, 20, 10);
    setColour(cr, {1, 1, 1}, 0.07);
    cairo_fill(cr);
}

// ------------------------------------------------------------ small icons

// A hare in full stride: fast.
void hareIcon(cairo_t* cr, double cx, double cy, double s) {
    ellipsePath(cr, cx, cy + 2 * s, 9 * s, 5 * s, -8);
    circlePath(cr, cx + 8 * s, cy - 2 * s, 4 * s);
    ellipsePath(cr, cx + 6 * s, cy - 9 * s, 1.8 * s, 6 * s, -20);
    ellipsePath(cr, cx + 9.5 * s, cy - 9 * s, 1.8 * s, 6 * s, 10);
    circlePath(cr, cx - 9 * s, cy, 2.4 * s);
    cairo_set_line_width(cr, 2.4);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(250, 236, 214));
    cairo_fill(cr);
}

// A tortoise under its shell: slow.
void tortoiseIcon(cairo_t* cr, double cx, double cy, double s) {
    for (double lx : {-6.0, 5.0}) {
        roundedRectPath(cr, cx + lx * s - 2 * s, cy + 1 * s, 4 * s, 6 * s, 1.5 * s);
    }
    circlePath(cr, cx + 11 * s, cy + 1 * s, 3.4 * s);
    cairo_set_line_width(cr, 2.4);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(140, 200, 90));
    cairo_fill(cr);
    cairo_move_to(cr, cx - 11 * s, cy + 3 * s);
    cairo_curve_to(cr, cx - 10 * s, cy - 10 * s, cx + 10 * s, cy - 10 * s, cx + 11 * s, cy + 3 * s);
    cairo_close_path(cr);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(190, 130, 60));
    cairo_fill(cr);
    for (double hx : {-5.0, 0.0, 5.0}) {
        circlePath(cr, cx + hx * s, cy - 2.5 * s, 1.8 * s);
        setColour(cr, rgb255(120, 70, 30));
        cairo_fill(cr);
    }
}

// A party balloon on its string.
void balloon(cairo_t* cr, double cx, double cy, double r, Rgb colour) {
    cairo_move_to(cr, cx, cy + r * 1.2);
    cairo_curve_to(cr, cx - r * 0.4, cy + r * 1.8, cx + r * 0.4, cy + r * 2.2, cx, cy + r * 2.8);
    setColour(cr, rgb255(240, 230, 250), 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    ellipsePath(cr, cx, cy, r * 0.85, r * 1.1);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.45, r * 0.1, cx, cy, r * 1.2);
    addStop(p, 0.0, lighten(colour, 0.6));
    addStop(p, 0.5, colour);
    addStop(p, 1.0, darken(colour, 0.35));
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, kInk, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - r * 0.18, cy + r * 1.22);
    cairo_line_to(cr, cx + r * 0.18, cy + r * 1.22);
    cairo_line_to(cr, cx, cy + r * 1.08);
    cairo_close_path(cr);
    setColour(cr, darken(colour, 0.3));
    cairo_fill(cr);
    ellipsePath(cr, cx - r * 0.35, cy - r * 0.5, r * 0.18, r * 0.3, 30);
    setColour(cr, {1, 1, 1}, 0.7);
    cairo_fill(cr);
}

// A jigsaw piece's outline: a square with a knob on its right and top.
void jigsawPath(cairo_t* cr, double x, double y, double s) {
    const double k = s * 0.18;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + s * 0.35, y);
    cairo_arc(cr, x + s * 0.5, y - k * 0.4, k, M_PI * 0.8, M_PI * 0.2);
    cairo_line_to(cr, x + s, y);
    cairo_line_to(cr, x + s, y + s * 0.35);
    cairo_arc(cr, x + s + k * 0.4, y + s * 0.5, k, M_PI * 1.3, M_PI * 0.7);
    cairo_line_to(cr, x + s, y + s);
    cairo_line_to(cr, x, y + s);
    cairo_close_path(cr);
}

// ------------------------------------------------------------ pages

void drawMatch3Page() {
    Canvas c(kPageW, kPageH);
    drawSheet(c, 0);
    cairo_t* cr = c.cr();
    // The colour row (marbles at y 249, x 177 to 621) and the bonus row
    // (at y 356, x 174 to 633).
    pageWell(c, 156, 226, 488, 46, 22);
    pageWell(c, 156, 340, 494, 34, 16);
    // The slider's track, the knob's centre running from x 165 to 340.
    pageWell(c, 156, 440, 193, 14, 7);
    for (int i = 0; i <= 6; ++i) {
        const double x = 165 + i * 175.0 / 6 - kPageX;
        cairo_move_to(cr, x, 440 - kPageY - 6);
        cairo_line_to(cr, x, 440 - kPageY - 2);
    }
    setColour(cr, rgb255(220, 200, 255), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Rows come fast at the left end, slowly at the right.
    hareIcon(cr, 160 - kPageX + 8, 420 - kPageY, 1.0);
    tortoiseIcon(cr, 345 - kPageX - 6, 422 - kPageY, 1.0);
    // The four modes' place.
    pageWell(c, 404, 406, 250, 58, 14);
    // A fine divider between speed and mode.
    cairo_move_to(cr, 380 - kPageX, 392 - kPageY);
    cairo_line_to(cr, 380 - kPageX, 470 - kPageY);
    setColour(cr, rgb255(255, 210, 110), 0.3);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    writePicture(c, "gfx/gui/freeplay/match3.png");
}

void drawShootingPage() {
    Canvas c(kPageW, kPageH);
    drawSheet(c, 1);
    cairo_t* cr = c.cr();
    // A bunch of balloons beside the count.
    const Rgb colours[] = {rgb255(240, 70, 90), rgb255(60, 160, 240), rgb255(255, 200, 40), rgb255(90, 200, 90)};
    const double bx[] = {186, 210, 168, 232}, by[] = {204, 196, 222, 222};
    for (int i = 0; i < 4; ++i) balloon(cr, bx[i] - kPageX, by[i] - kPageY, 13, colours[i]);
    // The count between "minus" (448, 240) and "plus" (577, 240).
    pageWell(c, 472, 222, 82, 38, 12);
    // The four guns: each picture with its switch beside it.
    for (double y : {352.0, 422.0})
        for (double x0 : {226.0, 447.0}) pageWell(c, x0, y - 30, 212, 60, 16);
    writePicture(c, "gfx/gui/freeplay/strzelanie.png");
}

void drawPuzzlePage() {
    Canvas c(kPageW, kPageH);
    drawSheet(c, 2);
    cairo_t* cr = c.cr();
    // The preview: 500 x 375 at 6/11 around (317, 302).
    pageWell(c, 174, 193, 286, 218, 10);
    // The size, the set's name and its buttons.
    pageWell(c, 515, 220, 108, 36, 12);
    pageWell(c, 478, 268, 184, 62, 14);
    // Two pieces of a jigsaw under the buttons, for the look.
    jigsawPath(cr, 545 - kPageX, 420 - kPageY, 24);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(255, 190, 60));
    cairo_fill(cr);
    jigsawPath(cr, 573 - kPageX, 420 - kPageY, 24);
    setColour(cr, kInk);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb255(80, 190, 240));
    cairo_fill(cr);
    writePicture(c, "gfx/gui/freeplay/puzzle.png");
}

// The panel: violet glass with the title ribbon (the game writes the title
// on it) and room for "anuluj" and "graj" along the bottom.
void drawFreePlayPanel() {
    Canvas c(600, 500);
    drawPanel(c, 6, 22, 588, 472, 28);
    drawTitleRibbon(c, 300, 29, 250, "");
    writePicture(c, "gfx/gui/freeplay/panel.png");
}

// The gilded frame over the puzzle preview (272 x 204 inside), drawn at
// half opacity.
void drawBorder() {
    const double innerW = 274, innerH = 206, f = 10;
    Canvas c(int(innerW + 2 * f + 4), int(innerH + 2 * f + 4));
    cairo_t* cr = c.cr();
    const double x = 2, y = 2, w = innerW + 2 * f, h = innerH + 2 * f;
    roundedRectPath(cr, x, y, w, h, 8);
    cairo_rectangle(cr, x + f, y + h - f, w - 2 * f, -(h - 2 * f));
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* gold = cairo_pattern_create_linear(x, y, x + w, y + h);
    addStop(gold, 0.0, rgb255(255, 240, 160));
    addStop(gold, 0.35, rgb255(230, 170, 50));
    addStop(gold, 0.65, rgb255(255, 220, 120));
    addStop(gold, 1.0, rgb255(170, 104, 24));
    cairo_set_source(cr, gold);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(gold);
    setColour(cr, kInk);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double bx = x + 14; bx < x + w - 8; bx += 16)
        for (double byy : {y + f / 2, y + h - f / 2}) {
            circlePath(cr, bx, byy, 2);
            setColour(cr, rgb255(255, 250, 220), 0.9);
            cairo_fill(cr);
        }
    writePicture(c, "gfx/gui/freeplay/border.png");
}

// The knob: a golden marble with grip lines.
void drawKnob() {
    Canvas c(30, 30);
    drawMarble(c.cr(), 15, 14, 11, rgb255(255, 200, 50), [](cairo_t* k) {
        for (double dx : {-3.5, 0.0, 3.5}) {
            cairo_move_to(k, 15 + dx, 9);
            cairo_line_to(k, 15 + dx, 19);
        }
        setColour(k, rgb255(150, 90, 10), 0.7);
        cairo_set_line_width(k, 1.6);
        cairo_stroke(k);
    });
    writePicture(c, "gfx/gui/freeplay/suwak.png");
}

// A round choice: an empty socket, or one holding a lit marble.
void drawRadio(Canvas& c, bool on, Look look) {
    cairo_t* cr = c.cr();
    const double cx = c.width() / 2.0, cy = c.height() / 2.0, r = c.width() / 2.0 - 3;
    if (look == Look::Hover) {
        softSilhouette(cr, c.width(), c.height(), 0, 0, 2.5, rgb255(255, 200, 70), 0.9, [&](cairo_t* m) {
            circlePath(m, cx, cy, r);
            cairo_fill(m);
        });
    }
    circlePath(cr, cx, cy, r);
    setColour(cr, kInk);
    cairo_fill(cr);
    circlePath(cr, cx, cy, r - 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
    addStop(p, 0.0, rgb255(20, 10, 40));
    addStop(p, 1.0, rgb255(90, 70, 140));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (on) drawMarble(cr, cx, cy + (look == Look::Pressed ? 0.5 : 0), r - 4, rgb255(255, 200, 50), {}, {0.0, 0.6, true});
    if (look == Look::Disabled) toGrey(c, 0.9);
}

// The round buttons stepping through the picture sets.
void mirrored(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, -1, 1);
    arrowIcon(cr, 0, 0, r);
    cairo_restore(cr);
}

}  // namespace

void generate() {
    drawFreePlayPanel();
    drawMatch3Page();
    drawShootingPage();
    drawPuzzlePage();
    drawBorder();
    drawKnob();
    writeStrip(26, 26, 4, [](Canvas& c, int i) { drawRadio(c, true, kStepLooks[i]); }, "gfx/gui/freeplay/radio_on.png");
    writeStrip(26, 26, 4, [](Canvas& c, int i) { drawRadio(c, false, kStepLooks[i]); },
               "gfx/gui/freeplay/radio_off.png");
    const Rgb purple = rgb255(160, 70, 200);
    writeStrip(46, 46, 4, [&](Canvas& c, int i) { drawRoundButton(c, purple, arrowIcon, kStepLooks[i]); },
               "gfx/gui/freeplay/next.png");
    writeStrip(46, 46, 4, [&](Canvas& c, int i) { drawRoundButton(c, purple, mirrored, kStepLooks[i]); },
               "gfx/gui/freeplay/prev.png");
}

}  // namespace freeplay_pictures
