// The main menu's panel and profile plate, the name entry, the players' list,
// the play-mode choice and every button their layouts use
// (data/gui_mainmenu.gui, gui_entry.gui, gui_profile.gui, gui_play.gui), and
// the quest map's buttons (gui_mapa.gui). Panel sizes and the places of their
// wells follow those layouts and where the game draws into them.
#include "menu_pictures.h"

#include <cmath>

#include "art.h"
#include "catalogue.h"
#include "marbles.h"
#include "ui_kit.h"

namespace menu_pictures {

using namespace art;
using namespace ui_kit;
using catalogue::tr;

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
    // Translators: title ribbon of the name entry, about 170 px at 24 px; the ribbon widens to 420 px.
    drawTitleRibbon(c, 400 - left, 188 - top, 210, tr("Your name"), 420);
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
    // Translators: title ribbon of the list of players, about 160 px at 24 px; the ribbon widens to 440 px.
    drawTitleRibbon(c, 400 - left, 78 - top, 200, tr("Players"), 440);
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
    // Translators: title ribbon of the choice between resuming and a new
    // journey, about 120 px at 24 px; the ribbon widens to 320 px.
    drawTitleRibbon(c, 400 - left, 158 - top, 160, tr("Play"), 320);
    writePicture(c, "gfx/gui/mainmenu/panel.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    if (!catalogue::languageRun()) {
        drawMenuPanel();
        drawChangePlate();
    }
    drawEntryPanel();
    drawProfilePanel();
    drawPlayPanel();

    // The main menu.
    const int menuW = 230, menuH = 58;
    // Translators: main menu button (the journey), about 165 px at 23 px beside an arrow.
    writePillButton("gfx/gui/buttons/play.png", menuW, menuH, {kGreen, tr("Play"), arrowIcon});
    // Translators: main menu button (free play: any board, the shooting
    // gallery, the picture puzzle), about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/freeplay.png", menuW, menuH, {kBlue, tr("Free play"), {}});
    // Translators: main menu button, about 165 px at 23 px beside a star.
    writePillButton("gfx/gui/buttons/credits.png", menuW, menuH, {kPurple, tr("Credits"), starIcon});
    // Translators: main menu button (leave the game), about 165 px at 23 px beside the power sign.
    writePillButton("gfx/gui/buttons/quit.png", menuW, menuH, {kRed, tr("Quit"), powerIcon});
    // The player's plate stands at the screen's right edge: the button may
    // widen to 190 px, then its words shrink.
    // Translators: main menu button on the player's plate, about 140 px at 17 px, at most about 160 px.
    writePillButton("gfx/gui/buttons/change.png", 170, 48, {kOrange, tr("Change player"), {}}, 190);
    // The play-mode choice ("resume" is the in-game menu's).
    // Translators: button of the play choice (start the journey from its beginning), about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/newquest.png", menuW, menuH, {kOrange, tr("New journey"), {}});
    // Translators: button of the play choice (back to the main menu), about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/back.png", menuW, menuH, {kPurple, tr("Back"), {}});
    // The name entry and the players' list: buttons side by side, 140 to
    // 150 px apart.
    const int pillW = 140, pillH = 56;
    // Translators: button of the name entry and the list of players, beside
    // others; about 80 px at 22 px beside a cross. Keep it short.
    writePillButton("gfx/gui/buttons/cancel.png", pillW, pillH, {kRed, tr("Cancel"), crossIcon});
    // Translators: button of the list of players (play as this player),
    // beside others; about 80 px at 22 px beside a tick. Keep it short.
    writePillButton("gfx/gui/buttons/select.png", pillW, pillH, {kGreen, tr("Select"), tickIcon});
    // Translators: button of the list of players, beside others; about 110 px at 22 px. Keep it short.
    writePillButton("gfx/gui/buttons/rename.png", pillW, pillH, {kBlue, tr("Rename"), {}});
    // Translators: button of the list of players, beside others; about 80 px at 22 px beside a cross. Keep it short.
    writePillButton("gfx/gui/buttons/delete.png", pillW, pillH, {kRed, tr("Delete"), crossIcon});
    // Translators: button of the list of players (a new player), beside
    // others; about 80 px at 22 px beside a plus. Keep it short.
    writePillButton("gfx/gui/buttons/new.png", pillW, pillH, {kOrange, tr("New"), plusIcon});
    // The quest map's bottom panel; its play button stands 100 px from the
    // screen's right edge.
    // Translators: quest map button (play the chosen level), about 115 px
    // at 23 px beside an arrow, at most about 135 px.
    writePillButton("gfx/gui/map/play.png", 180, 58, {kGreen, tr("Play"), arrowIcon}, 200);
    // Translators: quest map button (the bonus shop), about 115 px at 23 px beside a diamond.
    writePillButton("gfx/gui/map/sklep.png", 180, 58, {kOrange, tr("Shop"), diamondIcon});
}

}  // namespace menu_pictures
