#pragma once
// The results panel of a won level.
#include "shell/ekran.h"

class TWyniki : public TEkran {
public:
};
