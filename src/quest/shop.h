#pragma once
// The bonus shop reached from the map.
#include <vector>

#include "board/tile_data.h"
#include "shell/ekran.h"

class TSklep : public TEkran {
public:
    TSklep() { _myName = "Bonus Shop"; }

    // The bonus kinds of the level about to be played; the map hands them
    // over each time it opens.
    std::vector<TTileDataPtr> bonusList;

    void giveBonusList(std::vector<TTileDataPtr> kinds) { bonusList = std::move(kinds); }
    // Runs the shop over the map until the player leaves it.
    int mainLoop();
};
