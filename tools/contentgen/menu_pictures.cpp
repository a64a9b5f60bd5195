// The main menu's panel and profile plate, the name entry, the players' list,
// the play-mode choice and every button their layouts use
// (data/gui_mainmenu.gui, gui_entry.gui, gui_profile.gui, gui_play.gui), and
// the quest map's buttons (gui_mapa.gui). Panel sizes and the places of their
// wells follow those layouts and where the game draws into them.
#include "menu_pictures.h"

#include <cmath>

#include "art.h"
#include "marbles.h"
#include "ui_kit.h"

namespace menu_pictures {

using namespace art;
using namespace ui_kit;

namespace {

const Rgb kGreen = rgb255(60, 175, 70);
const Rgb kRed = rgb255(220, 64, 70);
const Rgb kBlue = rgb255(40, 120, 235);
const Rgb kPurple = rgb255(160, 70, 200);
const Rgb kOrange = rgb255(240, 140, 30);
const Rgb kPink = rgb255(225, 80, 160);

// A marble with a white icon set in it: the emblems of the panels.
void emblem(cairo_t* cr, double cx, double cy, double r, Rgb colour, const Icon& icon) {
    drawMarble(cr, cx, cy, r, colour, [&](cairo_t* k) { icon(k, cx, cy, r * 0.55); });
}

// Every panel's canvas leaves room around the panel for its soft shadow.

// gfx/gui/mainmenu/menu.png, centred at (410, 300): the panel that spins in
// carrying the five buttons at x 410, y 195 to 427. The logo's string of
// marbles lies over its top edge.
void drawMenuPanel() {
    Canvas c(320, 370);
    drawPanel(c, 15, 15, 290, 340, 30);
    // A marble of the game in each lower corner of the rim.
    marbles::drawColour(c.cr(), 32, 338, 13, 2);
    marbles::drawColour(c.cr(), 288, 338, 13, 6);
    writePicture(c, "gfx/gui/mainmenu/menu.png");
}

// gfx/gui/mainmenu/changeprofile.png, at (560, 495): the plate under the
// "change" button (at x 705, y 528 on screen), a player emblem at its left.
void drawChangePlate() {
    Canvas c(244, 80);
    drawPanel(c, 2, 2, 228, 64, 20);
    emblem(c.cr(), 36, 34, 22, kPink, personIcon);
    writePicture(c, "gfx/gui/mainmenu/changeprofile.png");
}

// gfx/gui/mainmenu/enter.png, centred on the screen: 460 x 280, so it spans
// x 170-630, y 160-440, the panel itself x 180-620, y 184-430. The prompt is
// drawn at y 235, the entry at (300, 276) in a well, the line about a taken
// name at y 322, the buttons at y 380.
void drawEntryPanel() {
    const double left = 170, top = 160;
    Canvas c(460, 280);
    drawPanel(c, 180 - left, 184 - top, 440, 246, 26);
    drawTitleRibbon(c, 400 - left, 188 - top, 210, "Your name");
    drawWell(c, 290 - left, 268 - top, 270, 44, 12);
    emblem(c.cr(), 234 - left, 288 - top, 24, kPink, personIcon);
    writePicture(c, "gfx/gui/mainmenu/enter.png");
}

// gfx/gui/profile/panel.png, centred at (400, 310): it spans x 160-640 and
// y 50-570, the panel itself x 170-630, y 74-560. The names are listed from
// y 156, 30 pixels a row, up to nine, in the well; the buttons sit in two
// rows under it, at y 466 and 524.
void drawProfilePanel() {
    const double left = 160, top = 50;
    Canvas c(480, 520);
    drawPanel(c, 170 - left, 74 - top, 460, 486, 28);
    drawTitleRibbon(c, 400 - left, 78 - top, 200, "Players");
    drawWell(c, 205 - left, 122 - top, 390, 314, 14);
    writePicture(c, "gfx/gui/profile/panel.png");
}

// gfx/gui/mainmenu/panel.png, centred at (400, 300): it spans x 220-580 and
// y 130-470, the panel itself x 230-570, y 154-460; its question is written
// at y 196, the buttons stand from y 290.
void drawPlayPanel() {
    const double left = 220, top = 130;
    Canvas c(360, 340);
    drawPanel(c, 230 - left, 154 - top, 340, 306, 26);
    drawTitleRibbon(c, 400 - left, 158 - top, 160, "Play");
    writePicture(c, "gfx/gui/mainmenu/panel.png");
}

}  // namespace

void generate() {
    drawMenuPanel();
    drawChangePlate();
    drawEntryPanel();
    drawProfilePanel();
    drawPlayPanel();

    // The main menu.
    const int menuW = 230, menuH = 58;
    writePillButton("gfx/gui/buttons/play.png", menuW, menuH, {kGreen, "Play", arrowIcon});
    writePillButton("gfx/gui/buttons/freeplay.png", menuW, menuH, {kBlue, "Free play", {}});
    writePillButton("gfx/gui/buttons/credits.png", menuW, menuH, {kPurple, "Credits", starIcon});
    writePillButton("gfx/gui/buttons/quit.png", menuW, menuH, {kRed, "Quit", powerIcon});
    writePillButton("gfx/gui/buttons/change.png", 170, 48, {kOrange, "Change player", {}});
    // The play-mode choice ("resume" is the in-game menu's).
    writePillButton("gfx/gui/buttons/newquest.png", menuW, menuH, {kOrange, "New journey", {}});
    writePillButton("gfx/gui/buttons/back.png", menuW, menuH, {kPurple, "Back", {}});
    // The name entry and the players' list.
    const int pillW = 140, pillH = 56;
    writePillButton("gfx/gui/buttons/cancel.png", pillW, pillH, {kRed, "Cancel", crossIcon});
    writePillButton("gfx/gui/buttons/select.png", pillW, pillH, {kGreen, "Select", tickIcon});
    writePillButton("gfx/gui/buttons/rename.png", pillW, pillH, {kBlue, "Rename", {}});
    writePillButton("gfx/gui/buttons/delete.png", pillW, pillH, {kRed, "Delete", crossIcon});
    writePillButton("gfx/gui/buttons/new.png", pillW, pillH, {kOrange, "New", plusIcon});
    // The quest map's bottom panel.
    writePillButton("gfx/gui/map/play.png", 180, 58, {kGreen, "Play", arrowIcon});
    writePillButton("gfx/gui/map/sklep.png", 180, 58, {kOrange, "Shop", diamondIcon});
}

}  // namespace menu_pictures
