#pragma once
// The simulated games of each level gathered into figures: win rate and
// length per level, a markdown report with a table of every level, and a
// plot of the win rate along the quest.
#include <string>
#include <vector>

#include "headless_game.h"

struct LevelResult {
    int nr = 0;
    std::string name;
    std::string kind;  // NORMAL for a marble board, SHOOTING or PUZZLE for a mini-game
    std::string mode;  // the board's mode
    bool board = false;
    int colours = 0, cells = 0, pushMs = 0, lines = 0, depth = 0;
    std::vector<Attempt> attempts;

    void add(const Attempt& a) { attempts.push_back(a); }
    double winRate() const;
    // Median length in seconds of the won attempts (0 when none was won).
    double medianWonSeconds() const;
    // Presses per second of play over all attempts.
    double clicksPerSecond() const;
    // The level as one console line.
    std::string line() const;
    // "normal", "colour change", ..., "shooting gallery", "picture puzzle".
    std::string modeName() const;
};

// A level's description from its file, with no attempts yet.
LevelResult describeLevel(int nr);

bool writeReport(const std::vector<LevelResult>& results, int seeds, const std::string& path);
bool writePlot(const std::vector<LevelResult>& results, const std::string& path);
