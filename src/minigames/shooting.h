#pragma once
// The shooting-gallery mini-game.
#include "board/level.h"
#include "shell/ekran.h"

class TShooting : public TEkran {
public:
    TShooting() { _myName = "Shooting mini-game"; }

    // Plays the level: 1 when it was played to the end, 0 when left.
    int mainLoop(const TLevelPtr& level);
};
