#pragma once
// The choice between resuming the quest and starting anew.
#include "shell/ekran.h"

class TPlay : public TEkran {
public:
    TPlay() { _myName = "Play mode selection"; }
};
