#pragma once
// Cut gems: the flying diamonds and the diamond counter's icon.
#include <cairo.h>

namespace gems {

enum class Gem { Blue, Green, Red, Gold, Cyan };

// A brilliant seen from the side, lit from the upper left, fitting a box
// of half-width r centred at (cx, cy).
void drawGem(cairo_t* cr, double cx, double cy, double r, Gem kind, bool shadow = true);

}  // namespace gems
