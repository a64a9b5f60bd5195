#pragma once
// The ten lands of the quest, each in one place: its colours, its light, the
// shape of its skyline and the painters of its motifs. The level backdrops,
// the quest map and the story pictures all paint a land from this table, so
// a player knows the land wherever it appears.
//
// To paint another picture of a land (a story page, a close-up), take
// `land(n)` and either call `paintView` (views.h) with a View of your own, or
// compose with the land's motif painters directly: each draws one thing
// standing on the ground at (x, ground), `size` pixels tall, through the haze
// of the brush's depth, lit from the land's sun.
#include <cairo.h>

#include "art.h"
#include "scene.h"

namespace lands {

using art::Rgb;

constexpr int kLands = 10;

struct Palette {
    Rgb skyTop, skyHorizon;   // the sky from its top down to the horizon
    Rgb light;                // sunlight: the sun's glow and rim light on near shapes
    Rgb haze;                 // what distance fades into
    Rgb far, near;            // the land's body on the skyline and close by
    Rgb ground, groundShade;  // the floor in front, lit and in shade
    Rgb accent, accent2;      // the land's signature colours (roofs, flowers, lamps ...)
    Rgb water;                // lakes, pools and the sea
};

struct Land;

// How a motif is seen: `depth` 0 stands close by, 1 on the horizon (each step
// farther is lighter and bluer); light comes from the side of the land's sun.
struct Brush {
    cairo_t* cr;
    const Land* land;
    double depth = 0;
    // `c` seen through this depth's haze.
    Rgb tone(Rgb c) const;
    // -1 when the sun stands to the left (lit faces point left), +1 right.
    double lightSide() const;
    // A shape's lit and shaded colours for a base colour.
    Rgb lit(Rgb c) const { return tone(art::mix(art::lighten(c, 0.22), sunlight(), 0.15)); }
    Rgb shade(Rgb c) const { return tone(art::darken(c, 0.28)); }
    Rgb sunlight() const;
    // A horizontal gradient across [x0, x1] from the lit side to the shaded one.
    cairo_pattern_t* sideLight(double x0, double x1, Rgb c) const;
    // A soft contact shadow on the ground under something `w` wide.
    void groundShadow(double x, double ground, double w) const;
};

// One thing standing on the ground at (x, ground), `size` pixels tall. The
// random source varies the details (a tree's crown, a house's windows).
using Motif = void (*)(const Brush& b, double x, double ground, double size, art::Random& rnd);

struct Land {
    int number;
    const char* name;
    Palette colours;
    double sunX, sunY;          // where the sun stands, fractions of a wide view
    int clouds;                 // clouds in a wide sky
    scene::Ridge::Kind relief;  // the shape of the land's hills
    double reliefHeight;        // how high the far hills rise, fraction of a view's height
    bool water;                 // water reaches the horizon (lakes, coast)
    Motif landmark;             // the focal object: windmill, clock tower, lighthouse ...
    Motif feature;              // medium shapes scattered about: trees, houses, rocks ...
    Motif speck;                // the smallest detail: flowers, pebbles, bolts ...
    Motif farShape;             // what stands on the far skyline (towers, cranes), or null
    int farCount;               // how many of them a wide view shows
};

// Land 1 (meadows) to 10 (dunes).
const Land& land(int number);
// The land a quest level belongs to: levels 1-10 land 1, ... 91-97 land 10.
int landOfLevel(int level);

}  // namespace lands
