#pragma once
// The pop-up of a lost level.
#include "shell/ekran.h"

class TLostGame : public TEkran {
public:
};
