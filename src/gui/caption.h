#pragma once
// The game's outlined captions: text with a one-pixel outline and a soft drop
// shadow, as the map, the HUD, the results and the pop-ups draw their titles
// and numbers.
#include <initializer_list>
#include <string>

#include "gui/dim.h"
#include "shell/media/font.h"

// Outlined text with a soft drop shadow, in the current font, scale and
// rotation. align: 0 centred on x, 2 right-aligned at x, anything else x is
// the left edge. Leaves colour `main` and alpha `alpha` in force.
void drawSpecText(const std::string& text, int x, int y, const TRGB& main, const TRGB& outline, int align,
                  float alpha);
// The first of `sizes` (a face from large to small) in which every one of
// `texts` is at most `room` pixels wide, else the last: a caption whose
// words are longer in some language takes a smaller size of its face.
TImageFontPtr fittingFont(std::initializer_list<const std::string*> texts, std::initializer_list<TImageFontPtr> sizes,
                          int room);
// The text a pixel off (x, y) along both diagonals, in the current colour:
// the one-pixel outline of the game's captions.
void drawOutline(const std::string& text, float x, float y);
