#pragma once
// The digit pictures of the HUD's diamond counter, also used by the quest
// map and the shop.
#include <array>
#include <string>

#include "shell/media/image.h"

// gfx/gui/cyfry/0.png to 9.png, handles at the top-left corner.
extern std::array<TImagePtr, 10> digitImages;
// Once at start-up.
void loadDigits();
// The value (at most 99999, never negative) with leading zeros up to
// `minLength` digits, left to right from (x, y), 2 pixels between digits,
// in the current colour, alpha, scale and blend.
void drawNumber(int value, int x, int y, int minLength);
// The digits drawNumber shows ("000012" for 12 with at least 6 digits).
std::string numberDigits(int value, int minLength);
