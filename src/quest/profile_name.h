#pragma once
// The pop-up in which a player types a profile name.
#include "shell/ekran.h"

class TProfileName : public TEkran {
public:
};
