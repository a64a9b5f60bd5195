// The bonus shop: one panel, drawn centred at (398, 300) where it spins open
// over the map, and the button that closes it. The game draws the captions,
// the items, the prices and the player's items over the panel; its wells sit
// under those places: the items on sale (y 150-285), the player's row of
// items (y 322-384, 32 pixels a slot from x 175) and the diamonds owned (the
// diamond at 330, 420 and six digits from 377, 408).
#include "shop_pictures.h"

#include "art.h"
#include "catalogue.h"
#include "ui_kit.h"

namespace shop_pictures {

using namespace art;
using namespace ui_kit;
using catalogue::tr;

namespace {

// The panel's canvas spans screen x 118-678 and y 80-520.
constexpr double kLeft = 118, kTop = 80;

void drawShopPanel() {
    Canvas c(560, 440);
    drawPanel(c, 130 - kLeft, 100 - kTop, 536, 376, 26);
    drawWell(c, 150 - kLeft, 150 - kTop, 496, 136, 14);
    drawWell(c, 150 - kLeft, 322 - kTop, 496, 62, 12);
    drawWell(c, 298 - kLeft, 396 - kTop, 222, 50, 14);
    drawTitleRibbon(c, 400 - kLeft, 119 - kTop, 250, "");
    // The shop's emblem: a diamond on a golden marble at the top left corner.
    const double cx = 154 - kLeft, cy = 118 - kTop;
    drawMarble(c.cr(), cx, cy, 30, rgb255(250, 190, 40), [&](cairo_t* k) { diamondIcon(k, cx, cy - 2, 20); });
    writePicture(c, "gfx/gui/sklep/panel.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    if (!catalogue::languageRun()) drawShopPanel();
    // Translators: button closing the bonus shop, about 70 px at 17 px beside a tick.
    writePillButton("gfx/gui/sklep/exit.png", 124, 48, {rgb255(60, 175, 70), tr("Done"), tickIcon});
}

}  // namespace shop_pictures
