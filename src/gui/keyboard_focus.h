#pragma once
// The keyboard focus of a screen's widgets: which one the arrow keys, Tab and
// Shift+Tab move to, in the order the screen shows them. Pure geometry over
// the widgets' hit areas, so every screen's layout can be checked headless.
#include <vector>

#include "gui/dim.h"

// A widget the focus may rest on: its index in the container and its hit area.
struct TFocusTarget {
    int index = 0;
    TDim dim;
};

// The targets in reading order: row by row from the top (widgets whose
// middles lie closer together vertically than half the shorter one's height
// share a row), left to right within a row.
std::vector<TFocusTarget> readingOrder(std::vector<TFocusTarget> targets);

// The target the focus goes to from `from` (an index into `targets`) in
// direction (dx, dy), one of the four arrows, among those whose middle lies
// that way: the nearest in the same row (or column), else the nearest with a
// step aside counting twice a step along. -1 when none lies that way.
int nextInDirection(const std::vector<TFocusTarget>& targets, int from, int dx, int dy);

// Whether the keyboard focus is shown: from a navigation key until the mouse
// moves. One switch for every screen, so the focus stays shown from one
// screen to the next.
bool keyboardFocusShown();
void showKeyboardFocus(bool shown);
