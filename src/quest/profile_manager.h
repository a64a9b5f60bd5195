#pragma once
// The players' profiles and the current one.
#include "shell/ekran.h"

class TProfileManager : public TEkran {
public:
    TProfileManager() { _myName = "Profile manager"; }
};
