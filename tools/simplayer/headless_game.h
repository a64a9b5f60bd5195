#pragma once
// Board levels played on the real game screen without a window: each frame
// the screen's own update, drawing (which records where every marble is, so
// the pointer finds it) and input run on the virtual clock at 60 frames a
// second, the pointer and the button held by a simulated player. The rules,
// timers, bonus marbles, wins and losses are all the game's.
#include <cstdint>
#include <functional>

#include "board/level.h"
#include "sim_player.h"

// How one attempt went.
struct Attempt {
    bool won = false;
    bool timedOut = false;  // neither won nor lost within the time allowed
    int playMs = 0;         // from the start of play to the win or the loss
    int presses = 0;
    int bonusClicks = 0;    // presses aimed at a bonus marble
    int removals = 0;
    int linesLeft = 0;
};

class HeadlessGame {
public:
    // The tile kinds and the level catalogue of the working folder (the
    // current folder). False, with a message, when they cannot be read.
    bool open();
    // One attempt of catalogue level `nr`; the seed fixes the game's and the
    // player's chance alike.
    Attempt play(int nr, uint32_t seed, const PlayerStyle& style = {});
    // One attempt of the level `make` builds (after the seed is set, so a
    // random board is drawn from it).
    Attempt play(const std::function<TLevelPtr()>& make, uint32_t seed, const PlayerStyle& style = {});

    // Attempts last at most this long in game time.
    int limitMs = 30 * 60 * 1000;
};
