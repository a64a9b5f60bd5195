#pragma once
// The picture-puzzle mini-game.
#include "board/level.h"
#include "shell/ekran.h"

class TPuzzleGame : public TEkran {
public:
    TPuzzleGame() { _myName = "Puzzle Game"; }

    // Plays the level: 1 when it was played to the end, 0 when left.
    int mainLoop(const TLevelPtr& level);
};
