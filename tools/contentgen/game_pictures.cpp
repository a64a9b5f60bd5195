// The game screen's pictures: the board's dark glass, the wells of the
// waiting rows and the time bar, the bonus buttons' sockets, the side panel of the HUD (one-sided and
// two-sided levels), its menu button, and the lost pop-up. Their sizes and
// the places of their wells follow where the game draws the board, the
// waiting rows, the HUD's captions and the pop-up's texts
// (data/gui_game.gui, gui_game2.gui, gui_lost.gui).
#include "game_pictures.h"

#include <cmath>

#include "art.h"
#include "catalogue.h"
#include "ui_kit.h"

namespace game_pictures {

using namespace art;
using namespace ui_kit;
using catalogue::tr;

namespace {

// gfx/gui/game/dark.png at (240, 41) or (240, 75): the board's 450 x 450
// pixels behind deep violet glass. The game lays it over the backdrop at
// 70 % and deepens it for the results, so it stays translucent itself.
void drawDark() {
    const int S = 450;
    Canvas c(S, S);
    cairo_t* cr = c.cr();
    const double r = 14;
    roundedRectPath(cr, 0.5, 0.5, S - 1, S - 1, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, S);
    addStop(g, 0.0, rgb255(34, 16, 74), 0.95);
    addStop(g, 1.0, rgb255(12, 5, 34), 1.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Light from the upper left, and a few faint sparkles in the glass.
    cairo_save(cr);
    roundedRectPath(cr, 0.5, 0.5, S - 1, S - 1, r);
    cairo_clip(cr);
    cairo_pattern_t* light = cairo_pattern_create_radial(S * 0.2, 0, 0, S * 0.2, 0, S * 0.9);
    cairo_pattern_add_color_stop_rgba(light, 0.0, 0.8, 0.7, 1, 0.16);
    cairo_pattern_add_color_stop_rgba(light, 1.0, 0.8, 0.7, 1, 0.0);
    cairo_set_source(cr, light);
    cairo_paint(cr);
    cairo_pattern_destroy(light);
    Random rnd(4501);
    for (int i = 0; i < 70; ++i) {
        circlePath(cr, rnd.uniform(4, S - 4), rnd.uniform(4, S - 4), rnd.uniform(0.6, 1.5));
        setColour(cr, {1, 1, 1}, rnd.uniform(0.04, 0.14));
        cairo_fill(cr);
    }
    insetShadow(cr, S, S, 3, 0.6, [&](cairo_t* m) { roundedRectPath(m, 0.5, 0.5, S - 1, S - 1, r); });
    cairo_restore(cr);
    // A fine lilac edge, so the board's bounds read over any backdrop.
    roundedRectPath(cr, 1, 1, S - 2, S - 2, r);
    setColour(cr, rgb255(200, 180, 255), 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    writePicture(c, "gfx/gui/game/dark.png");
}

// gfx/gui/game/strip.png, 6 pixels left of and 5 above a waiting row's
// 450 x 47 strip: the sunken well the waiting marbles and the time bar lie in.
void drawStrip() {
    Canvas c(462, 57);
    drawWell(c, 2, 2, 458, 53, 14);
    writePicture(c, "gfx/gui/game/strip.png");
}

// gfx/gui/game/slot.png, centred on each bonus button: a round socket of
// dark glass, so the column reads as one over any backdrop, and a button
// that cannot be used still shows its place.
void drawSlot() {
    const int S = 56;
    Canvas c(S, S);
    cairo_t* cr = c.cr();
    const double m = S / 2.0, r = 25;
    softSilhouette(cr, S, S, 1.5, 2.5, 2.5, {0.02, 0, 0.08}, 0.5, [&](cairo_t* k) {
        circlePath(k, m, m, r);
        cairo_fill(k);
    });
    circlePath(cr, m, m, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, m - r, 0, m + r);
    addStop(g, 0.0, rgb255(30, 14, 66), 0.92);
    addStop(g, 1.0, rgb255(58, 30, 112), 0.92);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    circlePath(cr, m, m, r - 0.5);
    setColour(cr, rgb255(200, 180, 255), 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    writePicture(c, "gfx/gui/game/slot.png");
}

// gfx/gui/game/timebar.png: the time bar at full length, white so that the
// game can tint it, a glossy tube that shrinks sideways without distortion.
void drawTimeBar() {
    const int W = 450, H = 47;
    Canvas c(W, H);
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, 0, 0, W, H);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, H);
    addStop(g, 0.0, rgb255(255, 255, 255));
    addStop(g, 0.18, rgb255(250, 250, 250));
    addStop(g, 0.5, rgb255(200, 200, 200));
    addStop(g, 0.85, rgb255(150, 150, 150));
    addStop(g, 1.0, rgb255(190, 190, 190));
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A bright gloss line across the upper third.
    cairo_rectangle(cr, 0, 5, W, 7);
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 5, 0, 12);
    addStop(gloss, 0.0, {1, 1, 1}, 0.0);
    addStop(gloss, 0.5, {1, 1, 1}, 0.9);
    addStop(gloss, 1.0, {1, 1, 1}, 0.0);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
    writePicture(c, "gfx/gui/game/timebar.png");
}

// The side panel with its wells, its top edge `top` pixels down the canvas.
// On the screen the panel spans x 24 to 228; the game writes the level on
// the ribbon (text top 80 below the panel's top), the points and their
// caption in the first well, the lines left in the second, and the diamond
// counter into the third; the menu button sits below.
void drawSidePanel(Canvas& c, double top) {
    const double left = 4, width = 204, height = 466;
    drawPanel(c, left, top, width, height, 24);
    cairo_t* cr = c.cr();
    // The emblem: a golden star marble resting on the top edge.
    drawMarble(cr, 106, top + 40, 24, rgb255(250, 190, 40), [&](cairo_t* k) {
        starPath(k, 106, top + 41, 5, 13, 5.5);
        setColour(k, rgb255(255, 250, 220));
        cairo_fill_preserve(k);
        setColour(k, kInk, 0.6);
        cairo_set_line_width(k, 1.2);
        cairo_stroke(k);
    });
    drawTitleRibbon(c, 106, top + 92, 186, "");
    drawWell(c, 20, top + 132, 172, 64, 12);  // points
    drawWell(c, 20, top + 212, 172, 38, 12);  // lines left or steps
    drawWell(c, 12, top + 300, 188, 46, 14);  // diamonds
}

// gfx/gui/game/panel.png at (20, 20) and panel1.png at (20, 0), whose HUD
// is 25 pixels lower (two-sided levels).
void drawSidePanels() {
    {
        Canvas c(216, 478);
        drawSidePanel(c, 0);
        writePicture(c, "gfx/gui/game/panel.png");
    }
    {
        Canvas c(216, 523);
        drawSidePanel(c, 45);
        writePicture(c, "gfx/gui/game/panel1.png");
    }
}

// gfx/gui/game/lost-pop-up.png, centred at (400, 300): the panel spans x
// 190-610 and y 122-472 on the screen, its emblem overhanging the left edge.
// The game writes its title on the ribbon (y 125), the reason below it
// (data/gui_lost.gui, x 250-550 from y 185) and puts the two buttons at
// y 330 and 405.
void drawLostPopUp() {
    Canvas c(480, 380);
    drawPanel(c, 30, 12, 420, 350, 26);
    drawTitleRibbon(c, 240, 28, 230, "");
    signMarble(c.cr(), 36, 112, 30, rgb255(230, 60, 60), "!", 1.25, 0.45);  // the alarm
    writePicture(c, "gfx/gui/game/lost-pop-up.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    if (!catalogue::languageRun()) {
        drawDark();
        drawStrip();
        drawSlot();
        drawTimeBar();
        drawSidePanels();
        drawLostPopUp();
    }
    // Translators: button under the side panel of the board (opens the pause menu), about 140 px at 19 px.
    writePillButton("gfx/gui/game/menu-button.png", 170, 52, {rgb255(40, 120, 235), tr("Menu"), {}});
}

}  // namespace game_pictures
