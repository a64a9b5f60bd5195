#pragma once
// A simulated person at the game screen. Each frame it looks at the board
// the way a player does (which groups and bonus marbles there are, how high
// the marbles stand), and, at a person's pace, moves the pointer to the
// group it likes best and presses the button. It judges well but not
// perfectly: its liking is noisy, and now and then it clicks a group
// without thinking.
//
// It only reads the screen; its clicks go through the game screen's own
// input like a real player's.
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "board/level.h"

class TGame;

struct PlayerStyle {
    double clicksPerSecond = 1.5;  // the fastest it clicks one click after another
    int thinkMs = 200;             // typical time to take in a board that changed
    int moveMs = 200;              // typical time to bring the pointer to a marble
    int commitMs = 100;            // a press this close to happening can no longer be held back
    double noise = 0.35;           // spread of its judgement of a group (log scale)
    double slipRate = 0.08;        // share of clicks on a group picked without thought
    double dangerWeight = 3.0;     // how much more a marble in a nearly full column counts
};

// What the player does in one frame.
struct PointerAction {
    int x = 0, y = 0;
    bool press = false;
};

class SimPlayer {
public:
    SimPlayer(const PlayerStyle& style, uint32_t seed);

    // One frame at clock time `now`.
    PointerAction frame(TGame& game, int now);

    int presses() const { return presses_; }
    int bonusClicks() const { return bonusClicks_; }

    // One thing the player could click, with how much it likes it.
    struct Choice {
        TTilePtr aim;
        double value = 0;
        bool bonus = false;
    };
    // Everything worth clicking on the board, as the player sees it.
    std::vector<Choice> choices(TLevel& level);

private:
    struct Plan {
        bool active = false;
        int fromX = 0, fromY = 0;  // where the pointer set off
        int x = 0, y = 0;          // where it is going
        int startAt = 0, pressAt = 0;
        bool bonus = false;
    };

    bool plan(TLevel& level, int now, bool calm);
    void nextPace();
    double lognormal(double spread);
    // How full the column of the board is, 0 to 1, for both walls together.
    void measureColumns(const TLevel& level);
    // What removing this marble is worth: more where its column is nearly full.
    double weight(const TTilePtr& t) const;
    double bonusValue(TLevel& level, const TTilePtr& t, int groups) const;
    double quickValue(const TTileList& group) const;
    // Every removable group of the board; the bonus marbles outside any go
    // into loneBonuses when given.
    std::vector<TTileList> groups(TLevel& level, std::vector<TTilePtr>* loneBonuses);
    // The board as it would be after the group is taken and the marbles
    // have settled, by the board's own rules, in imagined_.
    void imagine(const TLevel& level, const TTileList& group);
    // How much a careful player likes taking the group, one move ahead.
    double lookahead(const TLevel& level, const TTileList& group, const std::string& mode);
    static uint64_t signature(const TLevel& level);

    PlayerStyle style_;
    std::mt19937 rng_;
    PointerAction pointer_;
    Plan plan_;
    uint64_t seen_ = 0;
    int seenAt_ = 0;
    int lastPress_ = -100000;
    int think_ = 0, gap_ = 0;  // this decision's pace
    int presses_ = 0;
    int bonusClicks_ = 0;
    std::vector<double> fill_;  // per column
    std::vector<char> seen_cells_;
    std::unique_ptr<TLevel> imagined_;
    std::vector<TTilePtr> pool_;  // the imagined board's marbles, reused
};
