#pragma once
// The quest map: the lands, the reached levels and the current one.
#include "shell/ekran.h"

class TMap : public TEkran {
public:
    TMap() { _myName = "Quest Map Object"; }
};
