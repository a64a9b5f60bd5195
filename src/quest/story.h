#pragma once
// The illustrated story pages of the quest.
#include "shell/ekran.h"

class TStory : public TEkran {
public:
};
