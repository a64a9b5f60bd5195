#pragma once
// The credits.
#include "shell/ekran.h"

class TCredits : public TEkran {
public:
    // Shows the credits over the main menu until the player leaves them.
    int mainLoop();
};
