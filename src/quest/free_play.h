#pragma once
// The free-play set-up.
#include "shell/ekran.h"

class TFreePlay : public TEkran {
public:
    TFreePlay() { _myName = "Free Play Module"; }

    // Sets up and plays a game of the player's own, over the main menu.
    int mainLoop();
};
