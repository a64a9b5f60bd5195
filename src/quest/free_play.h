#pragma once
// The free-play set-up.
#include "board/level.h"
#include "shell/ekran.h"

class TFreePlay : public TEkran {
public:
    TFreePlay() { _myName = "Free Play Module"; }

    // A second copy of the last free marble board, from which the game
    // screen restarts that board.
    TLevelPtr levelCopy;
    // Sets up and plays a game of the player's own, over the main menu.
    int mainLoop();
};
