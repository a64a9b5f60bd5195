// The pop-ups drawn over other screens: the yes/no question, the in-game
// menu, the help page and the settings, and every button their layouts use
// (data/gui_yesorno.gui, gui_ingamemenu.gui, gui_help.gui, gui_settings.gui).
// The panels' sizes and the places of their wells follow those layouts and
// the places the game draws the settings' bars and captions.
#include "popup_pictures.h"

#include <algorithm>
#include <cmath>

#include "art.h"
#include "catalogue.h"
#include "labels.h"
#include "ui_kit.h"

namespace popup_pictures {

using namespace art;
using namespace ui_kit;
using catalogue::tr;

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
    // Translators: title ribbon of the pause menu, about 160 px at 24 px;
    // the ribbon widens to 260 px, then the words shrink.
    drawTitleRibbon(c, 155, 34, 200, tr("Paused"), 260);
    writePicture(c, "gfx/gui/game/menu.png");
}

// gfx/gui/help/panel.png, centred at (400, 300).
void drawHelpPanel() {
    Canvas c(540, 330);
    drawPanel(c, 10, 22, 520, 298, 26);
    // Translators: title ribbon of the help pop-up, about 180 px at 24 px; the ribbon widens to 500 px.
    drawTitleRibbon(c, 270, 26, 220, tr("Good to know"), 500);
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

// The switch of full screen and of the guns in free play: "on" shows a lit
// knob at the right, "off" a dark knob at the left, each with its word on
// the free side.
std::string switchWord(bool on) {
    if (on) {
        // Translators: the lit side of an on/off switch (settings, free play), about 35 px at 15 px; short, capitals.
        return tr("ON");
    }
    // Translators: the dark side of an on/off switch (settings, free play), about 35 px at 15 px; short, capitals.
    return tr("OFF");
}

// The switch's track is 8 pixels smaller than its cell; the word keeps 7
// pixels from the track's round end and 2 from the knob.
constexpr double kSwitchMargins = 8, kEndGap = 7, kKnobGap = 2;
double switchWordSize(int cellH) { return (cellH - kSwitchMargins) * 0.42; }
// How far the knob reaches in from its end of the track: its centre lies
// half the track's height in, its radius is 3.5 pixels less.
double knobReach(int cellH) {
    const double r = (cellH - kSwitchMargins) / 2;
    return r + (r - 3.5);
}

// The cell width a switch needs for both its words: 84, or wider.
int switchWidth(int cellW, int cellH) {
    double widest = 0;
    for (bool on : {true, false}) {
        const std::string word = switchWord(on);
        widest = std::max(widest, labels::widthNeeded(word, {Face::Rounded, switchWordSize(cellH)}));
    }
    const double needed = widest + knobReach(cellH) + kEndGap + kKnobGap + kSwitchMargins;
    return std::max(cellW, int(std::ceil(needed)));
}

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
    // The word stands a third of the way along the free side, kept clear of
    // the knob and the track's end.
    const std::string word = switchWord(on);
    const double room = w - knobReach(H) - kEndGap - kKnobGap;
    const labels::Label label = labels::fit(word, {Face::Rounded, h * 0.42, room}, "a switch");
    setFace(cr, label.face, label.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, word.c_str(), &e);
    const double lo = on ? x + kEndGap : x + knobReach(H) + kKnobGap;
    const double hi = on ? x + w - knobReach(H) - kKnobGap : x + w - kEndGap;
    const double shift = e.x_advance / 2 - e.x_bearing;  // from the word's centre to its ink's left edge
    const double centre =
        std::clamp(on ? x + w * 0.36 : x + w * 0.66, lo + shift, std::max(lo + shift, hi - e.width + shift));
    setColour(cr, {1, 1, 1}, 0.9);
    labels::addPath(cr, label, centre, y + h * 0.66, 1);
    cairo_fill(cr);
    const double kr = r - 3.5, kx = on ? x + w - r : x + r, ky = y + h / 2 + (look == Look::Pressed ? 1 : 0);
    drawMarble(cr, kx, ky, kr, on ? rgb255(255, 215, 60) : rgb255(200, 200, 215));
    if (look == Look::Disabled) toGrey(c, 0.92);
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    const bool everyPicture = !catalogue::languageRun();
    if (everyPicture) drawQuestion();
    drawGameMenu();
    drawHelpPanel();
    if (everyPicture) drawSettingsPanel();

    // The yes/no question's buttons stand side by side, 140 px apart, and
    // so do the name entry's OK and Cancel.
    const int pillW = 140, pillH = 56;
    // Translators: button of a yes/no question, beside No; about 80 px at 22 px beside a tick. Keep it short.
    writePillButton("gfx/gui/buttons/yes.png", pillW, pillH, {kGreen, tr("Yes"), tickIcon});
    // Translators: button of a yes/no question, beside Yes; about 80 px at 22 px beside a cross. Keep it short.
    writePillButton("gfx/gui/buttons/no.png", pillW, pillH, {kRed, tr("No"), crossIcon});
    // Translators: button closing the help, the settings and the name entry (beside Cancel); about 80 px at 22 px.
    writePillButton("gfx/gui/buttons/ok.png", pillW, pillH, {kGreen, tr("OK"), tickIcon});

    const int menuW = 230, menuH = 58;
    // Translators: button of the pause menu and the play choice, about 165 px at 23 px beside an arrow.
    writePillButton("gfx/gui/buttons/resume.png", menuW, menuH, {kGreen, tr("Resume"), arrowIcon});
    // Translators: button of the pause menu and the lost pop-up (play the level again), about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/restart.png", menuW, menuH, {kOrange, tr("Restart"), {}});
    // Translators: button of the main menu and the pause menu, about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/settings.png", menuW, menuH, {kTeal, tr("Settings"), {}});
    // Translators: button of the pause menu and the lost pop-up, about 200 px at 23 px.
    writePillButton("gfx/gui/buttons/mainmenu.png", menuW, menuH, {kPurple, tr("Main menu"), {}});

    if (everyPicture) {
        writeStrip(46, 46, 4, [](Canvas& c, int i) { drawRoundButton(c, kBlue, plusIcon, kStepLooks[i]); },
                   "gfx/gui/buttons/plus.png");
        writeStrip(46, 46, 4, [](Canvas& c, int i) { drawRoundButton(c, kBlue, minusIcon, kStepLooks[i]); },
                   "gfx/gui/buttons/minus.png");
    }
    // On and off show in turn at one place: they share their width.
    const int switchW = switchWidth(84, 44);
    if (switchW != 84) labels::noteWider(switchWord(true) + " / " + switchWord(false), "the switches", 84, switchW);
    writeStrip(switchW, 44, 4, [](Canvas& c, int i) { drawSwitch(c, true, kStepLooks[i]); },
               "gfx/gui/settings/on.png");
    writeStrip(switchW, 44, 4, [](Canvas& c, int i) { drawSwitch(c, false, kStepLooks[i]); },
               "gfx/gui/settings/off.png");
}

}  // namespace popup_pictures
