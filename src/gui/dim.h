#pragma once
// The rectangle and colour every widget (and most screens) work with.

// A widget's place. x and y are its left-top corner or its anchor, depending
// on the widget kind; x1..y2 are the edges of the area the pointer hits,
// which each kind keeps up to date in its own way (update() is the plain
// rectangle).
struct TDim {
    float x = 0;
    float y = 0;
    int h = 0;
    int w = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    // Corners from the position and size, truncated toward zero.
    void update();
};

// Corners stay 0 until the widget sets them.
TDim createDim(int x, int y, int w, int h);
TDim createDim(int x, int y);

// A colour, 0 to 255 per part; white unless told otherwise.
struct TRGB {
    int r = 255;
    int g = 255;
    int b = 255;
};

TRGB createRGB(int r, int g, int b);
