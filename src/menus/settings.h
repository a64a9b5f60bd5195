#pragma once
// The settings screen and the settings file.
#include "shell/ekran.h"

class TSettings : public TEkran {
public:
    TSettings() { _myName = "Settings"; }
};
