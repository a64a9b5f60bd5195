#pragma once
// The picture-puzzle mini-game.
#include "shell/ekran.h"

class TPuzzleGame : public TEkran {
public:
    TPuzzleGame() { _myName = "Puzzle Game"; }
};
