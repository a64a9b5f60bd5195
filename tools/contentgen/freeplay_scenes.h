#pragma once
// Painted scenes that only free play's picture sets show, at 1000 x 750
// (twice the puzzle board's size; the puzzle painter scales them down).
#include <cairo.h>

namespace freeplay_scenes {
// A mountain lake: snowy peaks, pine woods, a cabin on the shore, boats.
void alpineLake(cairo_t* cr);
// A village in the snow at dusk: lit windows, a snowman, a sledge, skaters.
void winterVillage(cairo_t* cr);
// A coral reef: sunbeams through the water, corals, fish, a turtle, a chest.
void coralReef(cairo_t* cr);
// A farm in summer: the red barn, a windmill, sheep, hens and sunflowers.
void farm(cairo_t* cr);
}  // namespace freeplay_scenes
