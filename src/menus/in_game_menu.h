#pragma once
// The pop-up menu of a game in progress.
#include "shell/ekran.h"

class TInGameMenu : public TEkran {
public:
};
