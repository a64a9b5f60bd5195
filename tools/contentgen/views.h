#pragma once
// Wide painted views of a land: sky, far skyline, middle ground (or water),
// near ground with a focal landmark and scattered features, and specks.
// The level backdrops are views; story pages can be views with another
// framing (a close-up is a view with a large, central landmark).
#include <cstdint>
#include <functional>

#include "lands.h"
#include "scene.h"

namespace views {

struct View {
    double horizon = 0.52;     // where the sky meets the land, fraction of the height
    double foreground = 0.84;  // top of the near ground, fraction of the height
    double landmarkX = 0.9;    // the focal landmark's foot, fractions of the picture
    double landmarkGround = 0.96;
    double landmarkSize = 0.5;        // its height, fraction of the picture's height
    int features = 7;                 // medium shapes on the near and middle ground
    double clearX0 = 0, clearX1 = 0;  // near features stay out of this band (fractions)
    uint32_t seed = 1;
    // Painted over the sky, before the land (a rainbow, a moon ...).
    std::function<void(cairo_t*, double width, double height)> overSky;
    // Painted over the bare ground, under every feature and the landmark
    // (a road, a path).
    std::function<void(cairo_t*, double width, double height)> overGround;
};

// Layers a scene can be built from, in the land's look.
// Snow on the upper slopes of a peaked skyline, each crest's far flank in shade.
void paintSnowCaps(cairo_t* cr, const scene::Ridge& ridge, double width, const lands::Brush& b);
// Open water from `top` (the horizon) down to `bottom`, mirroring the sky,
// the far shore and the sun at x = sunX.
void paintWater(cairo_t* cr, const lands::Land& land, double width, double top, double bottom, double sunX,
                const scene::Ridge& farShore, uint32_t seed);

// Paints `land` seen as `view` over the whole painting.
void paintView(scene::Painting& p, const lands::Land& land, const View& view);

// The framing of the level backdrops: the landmark and the land's character
// where the game screen leaves the picture visible (the right-hand column,
// the sky band and the bottom strip), the middle kept quiet.
View backdropView(int landNumber);

}  // namespace views
