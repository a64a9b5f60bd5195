#pragma once
// Tuning the quest's difficulty against the curve it should follow: each
// timed or strategy board level is played with its pace eased or tightened
// until the simulated player wins it about as often as its place in the
// quest asks. The result is a factor per level for levelgen's table.
#include <functional>

#include "board/level.h"
#include "headless_game.h"

// The share of games a player should win of board level `nr`: nearly all of
// the first ten while the game is learnt, then falling steadily to about
// one in two at the end, with each land opening on an easier level.
double targetWinRate(int nr);

// How a level's difficulty is turned: an ease above 1 makes it easier. A
// timed board's push interval is multiplied by the ease; a strategy board,
// which has no clock, makes fewer moves (its lines divided by the ease).
// False for a level with no such knob (a puzzle board): it stays as it is.
bool applyEase(TLevel& level, double ease);

struct Calibration {
    double ease = 1;  // relative to the level as its file has it
    double winRate = 0;
    int tries = 0;    // ease values played
    bool tuned = false;
};

// Searches the ease at which `winRate(ease)` comes closest to `target`:
// first stepping out from 1 until the rate crosses the target, then halving
// the step between the two sides. The win rate is taken to rise with the
// ease. A rate within `tolerance` of the target ends the search; so does any
// rate above the target when `atLeast` is set (the first levels need only
// be won nearly always).
Calibration searchEase(const std::function<double(double)>& winRate, double target, double tolerance, bool atLeast);

// The ease for board level `nr` of the catalogue, each value judged by
// `seeds` games (with seeds of their own, apart from the report's).
Calibration calibrateLevel(HeadlessGame& game, int nr, int seeds);
