#include "gui/dim.h"

void TDim::update() {
    x1 = int(x);
    y1 = int(y);
    x2 = int(x + float(w));
    y2 = int(y + float(h));
}

TDim createDim(int x, int y, int w, int h) {
    TDim d;
    d.x = float(x);
    d.y = float(y);
    d.w = w;
    d.h = h;
    return d;
}

TDim createDim(int x, int y) { return createDim(x, y, 0, 0); }

TRGB createRGB(int r, int g, int b) { return TRGB{r, g, b}; }
