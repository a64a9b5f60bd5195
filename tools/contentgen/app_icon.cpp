#include "app_icon.h"

#include <string>

#include "art.h"

namespace app_icon {

using namespace art;

namespace {

// Drawn in a 256-unit square and scaled, so every size is sharp.
void drawIcon(cairo_t* cr, int size) {
    const double s = size / 256.0;
    cairo_save(cr);
    cairo_scale(cr, s, s);

    // The tile: violet glass with a gold rim, as the game's panels.
    roundedRectPath(cr, 10, 10, 236, 236, 52);
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, 10, 0, 246);
    addStop(glass, 0, rgb255(136, 84, 206));
    addStop(glass, 1, rgb255(64, 24, 112));
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    cairo_set_line_width(cr, size < 32 ? 16 : 10);
    setColour(cr, rgb255(246, 196, 72));
    cairo_stroke(cr);

    // Three marbles of the board's colours, touching as a group does.
    const MarbleStyle style{0.25, size < 32 ? 1.0 : 0.75, size >= 32};
    drawMarble(cr, 128, 92, 56, rgb255(40, 120, 235), {}, style);
    drawMarble(cr, 80, 172, 56, rgb255(220, 64, 70), {}, style);
    drawMarble(cr, 176, 172, 56, rgb255(60, 175, 70), {}, style);
    cairo_restore(cr);
}

}  // namespace

void generate() {
    for (const int size : kSizes) {
        Canvas canvas(size, size);
        drawIcon(canvas.cr(), size);
        writePicture(canvas, "gfx/icons/vornell-" + std::to_string(size) + ".png");
    }
}

}  // namespace app_icon
