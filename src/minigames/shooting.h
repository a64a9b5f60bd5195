#pragma once
// The shooting-gallery mini-game.
#include "shell/ekran.h"

class TShooting : public TEkran {
public:
    TShooting() { _myName = "Shooting mini-game"; }
};
