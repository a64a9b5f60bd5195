#pragma once
// A seeded random player for long runs of the real program: it writes an
// input script of clicks (mostly where the layouts put buttons, some on the
// board, some anywhere), drags, keys, typed text and focus changes.
//
// The same seed always gives the same play. A run that the player ends early
// (Escape in the main menu quits) goes on from a mark: every kMarkMs of
// play the script takes a screenshot "mark-<ms>.png", so the newest mark
// tells how far the script got, and scriptFrom() continues from there.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

struct ClickTarget {
    int x = 0, y = 0;
};

// The centres of the active buttons of every ".gui" layout in `dataDir`.
std::vector<ClickTarget> buttonTargets(const std::string& dataDir);

class RandomPlayer {
public:
    static constexpr int kMarkMs = 20000;

    // What a stretch of the script does.
    struct Counts {
        int clicks = 0, drags = 0, keys = 0, texts = 0, focusChanges = 0;
        Counts& operator+=(const Counts& o);
    };

    // `leadIn` is a fixed script of `leadInMs` that opens the run (it takes
    // the player to where the run should start); random play follows it
    // until `lengthMs`.
    RandomPlayer(uint32_t seed, const std::vector<ClickTarget>& targets, int lengthMs, std::string leadIn = "",
                 int leadInMs = 0);

    // The script from `startMs` of play (0, the beginning with the lead-in,
    // or a mark's time) to the end, where it closes the window. Actions that
    // began before `startMs` are left out; the rest keep their times.
    std::string scriptFrom(int startMs) const;
    // What the random play does from `fromMs` up to `toMs`.
    Counts countsBetween(int fromMs, int toMs) const;

    // The mark time of a screenshot name "mark-<ms>.png", or -1.
    static int markTime(const std::string& fileName);

private:
    struct Action {
        int at = 0;        // ms of play it starts at
        int lengthMs = 0;  // the game clock it takes
        std::string lines;
        enum Kind { Click, Drag, Key, Text, Focus, Move } kind = Move;
    };

    std::vector<Action> actions_;
    int lengthMs_ = 0;
    std::string leadIn_;
    int leadInMs_ = 0;

    static Action randomAction(std::mt19937& rng, const std::vector<ClickTarget>& targets);
};
