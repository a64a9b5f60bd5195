#pragma once
// The story's own figures, painted into the lands with a land's brush so
// they take its light and haze: the travellers' caravan (a covered wagon
// full of marbles, its pony and the walker who leads it), the Rainbow
// Fountain of the travellers' home village and marbles rolling loose.
#include "art.h"
#include "lands.h"

namespace travellers {

// The caravan standing on the ground at (x, ground), `size` pixels from the
// ground to the top of the wagon's cover; about 1.7 x size long. It travels
// to the right when `facingRight`, else to the left. `lanternLit` lights the
// lantern hanging at the front of the cover.
void caravan(const lands::Brush& b, double x, double ground, double size, bool facingRight, bool lanternLit = false);
// Where the lantern of that caravan hangs, for a glow painted over a dark scene.
void lanternPosition(double x, double ground, double size, bool facingRight, double& lx, double& ly);

// The village fountain standing at (x, ground), `size` pixels tall with its
// jet: a stone basin and a bowl on a pillar. A flowing fountain throws water
// in every colour of the marbles; a dry one holds none.
void fountain(const lands::Brush& b, double x, double ground, double size, bool flowing);

// Glass marbles of every colour rolling away from (x0, y0) toward (x1, y1),
// `count` of them, `r0` in radius at the start and smaller with the distance.
void marbleTrail(cairo_t* cr, double x0, double y0, double x1, double y1, int count, double r0, uint32_t seed);
// One marble of the travellers' colours (index taken in turn).
art::Rgb marbleColour(int index);
// A glass marble painted into a scene. It casts no blurred shadow: that would
// blur the whole picture for every marble.
void sceneMarble(cairo_t* cr, double x, double y, double r, art::Rgb colour);

}  // namespace travellers
