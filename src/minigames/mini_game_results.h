#pragma once
// What both mini-games show when they end: a black veil over the screen and
// result lines whose numbers are counted up.
#include <string>

#include "game/result_text.h"

// A black veil over the whole screen at this alpha (nothing at 0).
void drawVeil(float alpha);
// A counted line: its number plus `amount`.
void countUp(TResultText& line, int amount);
// The number a counted line shows.
int countedValue(const TResultText& line);
// "New best!" beside a value line, fading in with it.
void tagNewBest(const TResultText& value);
// The words under the results that say how to go on: the mouse's, or while
// the keys are in use, the key's (or the gamepad's button's).
const std::string& continuePrompt(const std::string& mouseWords);
