#pragma once
// The bonus shop reached from the map.
#include "shell/ekran.h"

class TSklep : public TEkran {
public:
    TSklep() { _myName = "Bonus Shop"; }
};
