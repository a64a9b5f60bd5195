#include "story_frame.h"

#include "art.h"
#include "catalogue.h"
#include "ui_kit.h"

namespace story_frame {

using namespace art;
using namespace ui_kit;
using catalogue::tr;

namespace {

const Rgb kGreen = rgb255(60, 175, 70);
const Rgb kPurple = rgb255(160, 70, 200);
const Rgb kBlue = rgb255(40, 120, 235);

// The window the picture shows through, and the text panel below it. The
// game writes a page's text from (30, 475), 730 pixels wide, and puts the
// buttons in the panel's lower right corner.
constexpr double kWinX = 12, kWinY = 12, kWinW = 776, kWinH = 432, kWinR = 18;
constexpr double kPanelY = 450;

void windowPath(cairo_t* cr) { roundedRectPath(cr, kWinX, kWinY, kWinW, kWinH, kWinR); }

// gfx/gui/story/strona.png: a plum band with a gold rim around the picture,
// a soft shadow falling from it onto the picture, glass marbles at the
// window's corners and the violet glass panel for the text.
void drawPageFrame() {
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    const int W = c.width(), H = c.height();
    // The frame's shadow on the picture, darker at the top.
    cairo_save(cr);
    windowPath(cr);
    cairo_clip(cr);
    insetShadow(cr, W, H, 4, 0.6, windowPath);
    cairo_restore(cr);
    // The plum band around the window.
    cairo_rectangle(cr, 0, 0, W, H);
    windowPath(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, H);
    addStop(band, 0.0, lighten(kInk, 0.12));
    addStop(band, 1.0, darken(kInk, 0.2));
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // A gold line hugging the window, and a fainter one near the screen's edge.
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, 0, kWinY + kWinH);
    addStop(gold, 0.0, rgb255(255, 232, 140));
    addStop(gold, 0.5, rgb255(220, 158, 46));
    addStop(gold, 1.0, rgb255(255, 214, 110));
    roundedRectPath(cr, kWinX - 1.5, kWinY - 1.5, kWinW + 3, kWinH + 3, kWinR + 1.5);
    cairo_set_source(cr, gold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    roundedRectPath(cr, 3.5, 3.5, W - 7, H - 7, 10);
    setColour(cr, rgb255(214, 150, 60), 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    // The text panel, wider than the screen at the bottom so only its top
    // corners round off.
    drawPanel(c, 4, kPanelY, W - 8, H - kPanelY + 30, 20);
    // Marbles set into the frame at the window's corners.
    const Rgb colours[4] = {rgb255(230, 60, 70), rgb255(50, 130, 240), rgb255(60, 180, 80), rgb255(250, 200, 40)};
    const double inset = 10;
    const double corners[4][2] = {{kWinX + inset, kWinY + inset},
                                  {kWinX + kWinW - inset, kWinY + inset},
                                  {kWinX + inset, kWinY + kWinH - inset},
                                  {kWinX + kWinW - inset, kWinY + kWinH - inset}};
    for (int i = 0; i < 4; ++i) {
        circlePath(cr, corners[i][0], corners[i][1], 11);
        setColour(cr, kInk);
        cairo_fill(cr);
        drawMarble(cr, corners[i][0], corners[i][1], 9, colours[i]);
    }
    writePicture(c, "gfx/gui/story/strona.png");
}

// gfx/gui/story/ekran.png: the story screen's backdrop, a violet glass
// screen under a ribbon.
void drawScreen() {
    Canvas c(800, 600);
    setColour(c.cr(), kInk);
    cairo_paint(c.cr());
    drawPanel(c, 6, 6, 788, 588, 26);
    // Translators: title ribbon at the top of the story screen, about 220 px at 24 px; the ribbon widens to 760 px.
    drawTitleRibbon(c, 400, 14, 260, tr("Our Journey"), 760);
    writePicture(c, "gfx/gui/story/ekran.png");
}

// gfx/gui/story/panel_small.png: a small story panel for the map, its
// "go" button in data/gui_story2.gui.
void drawSmallPanel() {
    Canvas c(340, 230);
    drawPanel(c, 10, 22, 320, 198, 24);
    // Translators: title ribbon of the pop-up on the map that opens a land's
    // story, about 160 px at 24 px; the ribbon widens to 300 px.
    drawTitleRibbon(c, 170, 26, 200, tr("A new land"), 300);
    writePicture(c, "gfx/gui/story/panel_small.png");
}

}  // namespace

void generate() {
    // A language run draws only the pictures with words.
    if (!catalogue::languageRun()) drawPageFrame();
    drawScreen();
    drawSmallPanel();
    // Small pills, so the text above them keeps four lines of room. Next
    // and OK stand 100 px from the screen's right edge.
    const int w = 120, h = 44;
    // Translators: story page button (skip the story), beside Next; about 95 px at 15 px.
    writePillButton("gfx/gui/story/skip.png", w, h, {kPurple, tr("Skip"), {}});
    // Translators: story page button (the next page), about 75 px at 15 px beside an arrow, at most about 150 px.
    writePillButton("gfx/gui/story/next.png", w, h, {kGreen, tr("Next"), arrowIcon}, 200);
    // Translators: button closing the story on its last page, about 75 px at 15 px beside a tick, at most about 150 px.
    writePillButton("gfx/gui/story/ok.png", w, h, {kGreen, tr("OK"), tickIcon}, 200);
    // Translators: button of the map's pop-up that opens a land's story, about 75 px at 18 px beside an arrow.
    writePillButton("gfx/gui/story/go.png", 130, 50, {kBlue, tr("Go"), arrowIcon});
}

}  // namespace story_frame
