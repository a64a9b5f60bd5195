#pragma once
// The credits.
#include "shell/ekran.h"

class TCredits : public TEkran {
public:
};
