#pragma once
// The illustrated story pages of the quest.
#include <string>

#include "shell/ekran.h"

class TStory : public TEkran {
public:
    // Shows the story of that file (in data/story/) page by page.
    int mainLoop(const std::string& file);
};
