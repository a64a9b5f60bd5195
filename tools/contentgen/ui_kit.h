#pragma once
// The game's interface kit for the picture generator: glossy pill buttons in
// their four looks, round buttons, frame strips, dialog panels with a title
// ribbon, and sunken wells. Every screen's pictures are built from these so
// the whole game shares one look: plum rims, candy faces lit from above,
// deep violet glass panels.
#include <functional>
#include <string>

#include "art.h"

namespace ui_kit {

using art::Canvas;
using art::Rgb;
using art::Shape;

enum class Look { Normal, Hover, Pressed, Disabled };
// The four looks of a four-step button strip, in strip order.
inline constexpr Look kStepLooks[4] = {Look::Normal, Look::Hover, Look::Pressed, Look::Disabled};

// Draws an icon centred on (cx, cy) fitting a circle of radius r.
using Icon = std::function<void(cairo_t*, double cx, double cy, double r)>;

struct PillStyle {
    Rgb base;
    std::string label;
    Icon icon;  // drawn left of the label when set
};

void pillPath(cairo_t* cr, double x, double y, double w, double h);
// The shadow a sunken surface's rim casts onto it, falling `dy` downward:
// everything outside `outline`, blurred. Painted clipped to the outline.
void insetShadow(cairo_t* cr, int W, int H, double dy, double alpha, const Shape& outline);
// A pill button filling canvas c (a margin is left for glow and shadow);
// `where` names it when its label has to change to fit.
void drawPill(Canvas& c, const PillStyle& style, Look look, const std::string& where = "a pill");
// A round candy button with an icon, filling canvas c.
void drawRoundButton(Canvas& c, Rgb base, const Icon& icon, Look look);

// Writes cells side by side into one strip.
void writeStrip(int cellW, int cellH, int count, const std::function<void(Canvas&, int)>& drawCell,
                const std::string& path);
// A four-step button strip (normal, hovered, pressed, inactive) of pills.
// The cells widen when the label and icon need more room than `cellW`
// gives, up to `widestCell` (0: no limit) where the button would leave the
// screen; a label wider still is set smaller or on two lines.
void writePillButton(const std::string& path, int cellW, int cellH, const PillStyle& style, int widestCell = 0);
// The width of a pill's cell: `cellW`, or wider for a longer label.
int pillWidth(const PillStyle& style, int cellW, int cellH, int widestCell = 0);

// A dialog panel: soft shadow, plum rim, violet glass with a sheen along the
// top, inside the rectangle (x, y, w, h) of the canvas.
void drawPanel(Canvas& c, double x, double y, double w, double h, double radius = 22);
// A golden ribbon with a title across the top edge of a panel, centred on
// cx, `width` wide, or wider for a longer title up to `widest` (0: the
// ribbon keeps its width; the game's own titles are written onto it).
void drawTitleRibbon(Canvas& c, double cx, double cy, double width, const std::string& title, double widest = 0);
// A sunken well (a slot for a bar or an entry) in the rectangle.
void drawWell(Canvas& c, double x, double y, double w, double h, double radius);

// A glass marble of `base` colour with a white, ink-edged sign on it (a
// pop-up's emblem): `size` and `drop` scale the letter and its baseline by r.
void signMarble(cairo_t* cr, double cx, double cy, double r, Rgb base, const char* sign, double size, double drop);

// Icons.
void plusIcon(cairo_t* cr, double cx, double cy, double r);
void minusIcon(cairo_t* cr, double cx, double cy, double r);
void arrowIcon(cairo_t* cr, double cx, double cy, double r);
void tickIcon(cairo_t* cr, double cx, double cy, double r);
void crossIcon(cairo_t* cr, double cx, double cy, double r);
// A player: head and shoulders.
void personIcon(cairo_t* cr, double cx, double cy, double r);
// A cut diamond, like the ones the player collects.
void diamondIcon(cairo_t* cr, double cx, double cy, double r);
// The power sign: quitting.
void powerIcon(cairo_t* cr, double cx, double cy, double r);
void starIcon(cairo_t* cr, double cx, double cy, double r);

}  // namespace ui_kit
