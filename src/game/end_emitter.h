#pragma once
// The effect that ends a won level: row by row, 200 ms apart, every cell of
// the board sparkles gold for half a second and its marble vanishes, while
// the board's dark backdrop deepens. The results wait for its end.
#include <string>
#include <vector>

#include "board/tile.h"

// One sparkling cell.
class TEmitterSpot {
public:
    int x = 0, y = 0;      // centre of the cell on the screen
    int time = 500;        // how long it sparkles, ms
    int startTime = 0;     // clock time it starts
    TTilePtr tile;         // the marble in the cell, none for an empty cell
    int partTime = 0;      // clock time of its next sparkle

    // 1 once it has finished.
    int update();
};

class TEndEmitter {
public:
    std::vector<TEmitterSpot> spotsList;
    // Waiting to start, sparkling, or over.
    enum class State { Wait, Start, End };
    State state = State::Wait;
    float darkA = 0;             // opacity of the deepening, 0 to 0.5

    int reset();
    // The game screen's dark backdrop once more at the deepening's opacity.
    int draw();
    int update();
    int createSpot(int x, int y, int startTime, const TTilePtr& tile);
    int setState(State s);
    int isEnd() const { return state == State::End ? 1 : 0; }
    // While it runs and after it, it is drawn instead of the results' darkening.
    int canBeDraw() const { return state == State::Start || state == State::End ? 1 : 0; }

private:
    void _updateGo();
    void _updateDark();
};
