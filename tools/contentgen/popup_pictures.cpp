// The pop-ups drawn over other screens: the yes/no question, the in-game
// menu, the help page and the settings, and every button their layouts use
// (data/gui_yesorno.gui, gui_ingamemenu.gui, gui_help.gui, gui_settings.gui).
// The panels' sizes and the places of their wells follow those layouts and
// the places the game draws the settings' bars and captions.
#include "popup_pictures.h"

#include <cmath>

#include "art.h"
#include "ui_kit.h"

namespace popup_pictures {

using namespace art;
using namespace ui_kit;

namespace {

const Rgb kGreen = rgb255(60, 175, 70);
const Rgb kRed = rgb255(220, 64, 70);
const Rgb kBlue = rgb255(40, 120, 235);
const Rgb kTeal = rgb255(20, 165, 170);
const Rgb kPurple = rgb255(160, 70, 200);
const Rgb kOrange = rgb255(240, 140, 30);

// gfx/gui/pytanie.png, drawn centred at (460, 300): the panel body spans
// x 270-690 on screen and the emblem overhangs its left edge, so the whole
// sits balanced on the screen.
void drawQuestion() {
    Canvas c(480, 250);
    drawPanel(c, 50, 20, 420, 210, 24);
    signMarble(c.cr(), 62, 124, 46, rgb255(250, 190, 40), "?", 1.25, 0.45);  // the question
    writePicture(c, "gfx/gui/pytanie.png");
}

// gfx/gui/game/menu.png, centred at (470, 275).
void drawGameMenu() {
    Canvas c(310, 420);
    drawPanel(c, 15, 30, 280, 375, 26);
    drawTitleRibbon(c, 155, 34, 200, "Paused");
    writePicture(c, "gfx/gui/game/menu.png");
}

// gfx/gui/help/panel.png, centred at (400, 300).
void drawHelpPanel() {
    Canvas c(540, 330);
    drawPanel(c, 10, 22, 520, 298, 26);
    drawTitleRibbon(c, 270, 26, 220, "Good to know");
    signMarble(c.cr(), 58, 72, 26, rgb255(70, 160, 240), "i", 1.2, 0.42);  // the help
    writePicture(c, "gfx/gui/help/panel.png");
}

// gfx/gui/settings/panel.png, centred at (400, 262): it spans x 180-620 and
// y 92-432 on screen. The game draws the music bar at (271, 189) and the
// effects bar at (271, 267), 240 x 14 at full volume, so the wells hold them.
void drawSettingsPanel() {
    const double left = 180, top = 92;
    Canvas c(440, 340);
    drawPanel(c, 0, 0, 440, 340, 26);
    for (double barY : {189.0, 267.0}) drawWell(c, 266 - left, barY - 5 - top, 250, 24, 8);
    writePicture(c, "gfx/gui/settings/panel.png");
}

// The switch of full screen: "on" shows a lit knob at the right, "off" a
// dark knob at the left.
void drawSwitch(Canvas& c, bool on, Look look) {
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    const double x = 4, y = 4, w = W - 8, h = H - 8, r = h / 2;
    roundedRectPath(cr, x, y, w, h, r);
    setColour(cr, kInk);
    cairo_fill(cr);
    Rgb track = on ? rgb255(60, 190, 90) : rgb255(90, 80, 120);
    if (look == Look::Hover) track = lighten(track, 0.2);
    roundedRectPath(cr, x + 2, y + 2, w - 4, h - 4, r - 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    addStop(p, 0.0, darken(track, 0.3));
    addStop(p, 1.0, lighten(track, 0.2));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    setFace(cr, Face::Rounded, h * 0.42);
    setColour(cr, {1, 1, 1}, 0.9);
    textPath(cr, on ? "ON" : "OFF", on ? x + w * 0.36 : x + w * 0.66, y + h * 0.66, 1);
    cairo_fill(cr);
    const double kr = r - 3.5, kx = on ? x + w - r : x + r, ky = y + h / 2 + (look == Look::Pressed ? 1 : 0);
    drawMarble(cr, kx, ky, kr, on ? rgb255(255, 215, 60) : rgb255(200, 200, 215));
    if (look == Look::Disabled) toGrey(c, 0.92);
}

}  // namespace

void generate() {
    drawQuestion();
    drawGameMenu();
    drawHelpPanel();
    drawSettingsPanel();

    const int pillW = 140, pillH = 56;
    writePillButton("gfx/gui/buttons/yes.png", pillW, pillH, {kGreen, "Yes", tickIcon});
    writePillButton("gfx/gui/buttons/no.png", pillW, pillH, {kRed, "No", crossIcon});
    writePillButton("gfx/gui/buttons/ok.png", pillW, pillH, {kGreen, "OK", tickIcon});

    const int menuW = 230, menuH = 58;
    writePillButton("gfx/gui/buttons/resume.png", menuW, menuH, {kGreen, "Resume", arrowIcon});
    writePillButton("gfx/gui/buttons/restart.png", menuW, menuH, {kOrange, "Restart", {}});
    writePillButton("gfx/gui/buttons/settings.png", menuW, menuH, {kTeal, "Settings", {}});
    writePillButton("gfx/gui/buttons/mainmenu.png", menuW, menuH, {kPurple, "Main menu", {}});

    writeStrip(46, 46, 4, [](Canvas& c, int i) { drawRoundButton(c, kBlue, plusIcon, kStepLooks[i]); },
               "gfx/gui/buttons/plus.png");
    writeStrip(46, 46, 4, [](Canvas& c, int i) { drawRoundButton(c, kBlue, minusIcon, kStepLooks[i]); },
               "gfx/gui/buttons/minus.png");
    writeStrip(84, 44, 4, [](Canvas& c, int i) { drawSwitch(c, true, kStepLooks[i]); },
               "gfx/gui/settings/on.png");
    writeStrip(84, 44, 4, [](Canvas& c, int i) { drawSwitch(c, false, kStepLooks[i]); },
               "gfx/gui/settings/off.png");
}

}  // namespace popup_pictures
