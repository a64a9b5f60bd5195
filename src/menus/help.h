#pragma once
// The help-page pop-up.
#include "shell/ekran.h"

class THelp : public TEkran {
public:
    THelp() { _myName = "Help pop-up."; }
};
