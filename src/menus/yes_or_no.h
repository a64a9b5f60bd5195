#pragma once
// The yes/no question pop-up.
#include "shell/ekran.h"

class TYesOrNo : public TEkran {
public:
    TYesOrNo() { _myName = "Yes or No"; }
};
