#pragma once
// The screen on which a board level is played.
#include <string>

#include "board/level.h"
#include "shell/ekran.h"

class TGame : public TEkran {
public:
    // Anchor of the board; its top-left corner is (x + _adX, y + _adY).
    int x = 275;
    int y = 75;
    TLevelPtr level;
    std::string state;
    std::string lastState;  // where "WAIT" returns to
    int active = 0;         // 1 while the board takes clicks
    // Vertical offset of the HUD texts and the diamond counter.
    int levelAdy = 0;
    int zebraneKapsle = 0;  // diamonds collected in this attempt
    int punkty = 0;
    int najwiekszyMatch = 0;  // most marbles removed at once
    int matches = 0;          // number of removals
    int _adX = 0;
    int _adY = 0;
    int goExit = 0;  // 1 leaves the screen's loop

    // What the board has reported so far. The game screen's own win and
    // loss sequences come with the screen; until then the calls are kept.
    int wonCalls = 0;
    int lostCalls = 0;
    std::string lostReason;

    // The level the next attempt plays (the screen keeps it until the next).
    int setLevel(const TLevelPtr& newLevel);
    // A fresh attempt of the current level; with a non-zero argument the
    // gate opens over it.
    int resetStartData(int openGate);
    // Plays the level: 1 when it was won and the results clicked away, 0
    // when the player left it.
    int mainLoop();

    // A lone bonus marble clicked on the board fires; 1 when it did, 0 for a
    // marble of an ordinary colour. The caller then empties its list of the
    // group under the pointer.
    int _controlTileBonus(const TTilePtr& t);

    // The level is won.
    int WYGRANA();
    // The level is lost: "NORMAL" (pushed out), "TWO" (pushed into the other
    // group) or "NO-MATCH".
    int PRZEGRANA(const std::string& reason);
};
