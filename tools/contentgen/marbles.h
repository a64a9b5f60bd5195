#pragma once
// The marbles: fourteen colours, each with its own symbol, and the bonus
// marbles. Shared with the bonus buttons and the cursors, which show the
// same icons.
#include <string>

#include "art.h"

namespace marbles {

constexpr int kColours = 14;
// Cell sizes of the three marble size sets.
constexpr int kCellSizes[3] = {20, 30, 45};

struct Colour {
    const char* name;   // used in file names
    art::Rgb base;      // body colour
    int r, g, b;        // the colour sparkles are tinted with
};
// Colour k (1 to 14) is kPalette[k - 1].
extern const Colour kPalette[kColours];

// Picture paths (relative to the working folder) of colour k or bonus id
// (101 to 118) for size set 0, 1 or 2.
std::string colourPath(int k, int sizeSet);
std::string bonusPath(int id, int sizeSet);

// Draws colour k (1 to 14) as a marble of radius r centred at (cx, cy).
void drawColour(cairo_t* cr, double cx, double cy, double r, int k, bool shadow = true);
// Draws the bonus marble of id 101 to 118.
void drawBonus(cairo_t* cr, double cx, double cy, double r, int id, bool shadow = true);

// Icons shared with the cursors: the line eraser's double arrow and the bomb.
void drawEraserIcon(cairo_t* cr, double cx, double cy, double r, bool shadow = true);
void drawBombIcon(cairo_t* cr, double cx, double cy, double r, bool shadow = true);

// Writes the marble pictures, the gate's marbles and the eraser and bomb cursors.
void generate();

}  // namespace marbles
