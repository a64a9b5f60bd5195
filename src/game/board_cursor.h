#pragma once
// The keyboard's and the gamepad's cursor on the board: one cell of the
// grid, which the arrow keys (or W A S D, or the d-pad) move. A step passes
// over empty cells to the next marble that way, so on a two-sided board it
// crosses the gap between the groups at once; with no marble that way it
// moves one cell. It stops at the board's edges. Like a pointer that rests,
// it stays on its cell while the board moves under it.
#include "board/level.h"
#include "gui/direction_keys.h"
#include "shell/media/image.h"

class TBoardCursor {
public:
    int row = -1, column = -1;  // -1 until it is placed on a board

    // Places it on the board when it is not on one: on the marble nearest
    // the middle, else on the bottom row's middle cell. A cursor inside the
    // used grid keeps its cell.
    void fit(const TLevel& level);
    // Forgets its cell: the next fit places it anew (a new board).
    void forget() { row = column = -1; }
    // One step of the arrow keys: across first, then up or down.
    void move(const TLevel& level, TStep step);
    // The marble in its cell, none on an empty cell.
    TTilePtr tile(const TLevel& level) const;
    // The ring around its cell: gold, pulsing, over a dark rim that keeps it
    // legible on marbles of every colour. `ring` is a hollow circle,
    // mid-handled.
    void draw(const TLevel& level, const TImagePtr& ring) const;

private:
    // One cell along (dr, dc), or on to the next marble that way.
    void stepAlong(const TLevel& level, int dr, int dc);
};
