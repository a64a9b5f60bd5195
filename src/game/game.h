#pragma once
// The screen on which a board level is played.
#include "shell/ekran.h"

class TGame : public TEkran {
public:
};
