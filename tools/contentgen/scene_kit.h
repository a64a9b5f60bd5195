#pragma once
// Pieces of the large painted scenes: skies, hills fading into haze, water,
// trees, houses, boats, animals and small props. Everything is lit from the
// upper left, carries a soft shadow or a darker lower edge, and is drawn in
// the scene's own pixels (scenes are painted at twice their size and scaled
// down).
#include <cairo.h>

#include <cstdint>

#include "art.h"

namespace scene_kit {

using art::Rgb;

// Fills the current path with `base` lit from the upper left of the box
// (x0, y0)-(x1, y1), and gives it a thin darker edge (0: none).
void shaded(cairo_t* cr, Rgb base, double x0, double y0, double x1, double y1, double edge = 1.6);

// Sky from `top` through `mid` to `horizon` at horizonY (and below it).
void sky(cairo_t* cr, double W, double horizonY, Rgb top, Rgb mid, Rgb horizon);
// A sun: a bright disc in a wide glow.
void sun(cairo_t* cr, double x, double y, double r, Rgb core, Rgb halo);
// A fluffy cloud centred on (x, y), about 120 x 50 pixels at size 1.
void cloud(cairo_t* cr, double x, double y, double size, double alpha = 1.0);
// A row of hills across the width: the crest wanders around crestY by amp,
// filled down to bottomY; lighter toward the top where haze settles.
void ridge(cairo_t* cr, double W, double crestY, double amp, double bottomY, Rgb colour, uint32_t seed,
           double roughness = 1.0);
// Flat ground between two heights with a gradient.
void ground(cairo_t* cr, double W, double y0, double y1, Rgb top, Rgb bottom);
// Light and dark specks over a rectangle, so no area is a flat fill.
void speckle(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, double density, double alpha);
// A soft ground shadow.
void shadow(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.3);

// Plants.
void roundTree(cairo_t* cr, double x, double baseY, double h, Rgb leaves, uint32_t seed);
void pine(cairo_t* cr, double x, double baseY, double h, Rgb colour);
void palm(cairo_t* cr, double x, double baseY, double h, double lean, uint32_t seed);
void flower(cairo_t* cr, double x, double y, double r, Rgb petals);
void bush(cairo_t* cr, double x, double baseY, double w, Rgb leaves, uint32_t seed);

// Buildings and things.
// A house with its gable roof; `seed` varies windows, door and chimney.
void house(cairo_t* cr, double x, double baseY, double w, double h, Rgb wall, Rgb roof, uint32_t seed);
void window(cairo_t* cr, double x, double y, double w, double h, bool lit);
void rock(cairo_t* cr, double x, double baseY, double w, double h, Rgb colour);
// A striped awning over a stall of goods in small coloured heaps.
void stall(cairo_t* cr, double x, double baseY, double w, Rgb stripe, uint32_t seed);
// Pennants on a sagging string between two points.
void bunting(cairo_t* cr, double x0, double y0, double x1, double y1, int flags, uint32_t seed);
void lantern(cairo_t* cr, double x, double baseY, double h);
void barrel(cairo_t* cr, double x, double baseY, double s);
void crate(cairo_t* cr, double x, double baseY, double s);

// Water between two heights, with ripples and glints.
void water(cairo_t* cr, double W, double y0, double y1, Rgb top, Rgb bottom, uint32_t seed);
void sailboat(cairo_t* cr, double x, double waterY, double s, Rgb hull, Rgb sail);
void rowboat(cairo_t* cr, double x, double waterY, double s, Rgb hull);
void buoy(cairo_t* cr, double x, double waterY, double s);

// Creatures.
void bird(cairo_t* cr, double x, double y, double s, Rgb colour);
void butterfly(cairo_t* cr, double x, double y, double s, Rgb wings);
void fox(cairo_t* cr, double x, double baseY, double s);
void owl(cairo_t* cr, double x, double y, double s);
void camel(cairo_t* cr, double x, double baseY, double s, Rgb coat);
void mushroom(cairo_t* cr, double x, double baseY, double s, Rgb cap);

// A hot-air balloon with its basket.
void airBalloon(cairo_t* cr, double x, double y, double s, Rgb a, Rgb b);

}  // namespace scene_kit
