#pragma once
// One player's profile: name, quest progress, score, diamonds, bought bonus
// items and the help pages already seen.
#include <array>
#include <string>

#include "board/level.h"

class TProfile {
public:
    // The quest level the player is on (1-based); 0 before any quest.
    int aktLevel = 0;
    std::string name;
    // The loaded board of that level; none when no quest runs.
    TLevelPtr level;
    int score = 0;
    int kapsle = 0;
    std::array<int, 17> bonus{};
    // Entry i is 1 once help page i has been shown.
    std::array<int, 100> hint{};
};
