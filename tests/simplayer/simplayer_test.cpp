// The simulated player on the real game screen: it wins what a person wins,
// loses what nobody could win, keeps a person's pace, and judges groups the
// way it is meant to. A broken click path, win or loss report or pace shows
// up here before it skews the difficulty report.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "app/game_objects.h"
#include "board/level_manager.h"
#include "board/tile_data.h"
#include "calibration.h"
#include "headless_game.h"
#include "sim_player.h"
#include "test_support.h"

namespace {

class SimulatedPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!inContent.ok()) GTEST_FAIL() << testing_support::kNoContent;
        ASSERT_TRUE(game.open());
        game.limitMs = 10 * 60 * 1000;
    }

    // Catalogue level `nr` with the push interval and the lines changed.
    static std::function<TLevelPtr()> paced(int nr, int time, int lines) {
        return [=] {
            TLevelPtr level = objects().levelManager.loadLevel(nr);
            level->time = time;
            level->lines = lines;
            return level;
        };
    }

    testing_support::InContentDir inContent;
    HeadlessGame game;
};

TEST_F(SimulatedPlayer, WinsAnEasyBoardAtAPersonsPace) {
    // Level 1 with slow rows: won every time, by clicks, at no more than a
    // person's rate.
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        const Attempt a = game.play(paced(1, 800, 6), seed);
        EXPECT_TRUE(a.won) << "seed " << seed;
        EXPECT_FALSE(a.timedOut);
        EXPECT_GT(a.removals, 3);
        ASSERT_GT(a.playMs, 0);
        const double rate = a.presses * 1000.0 / a.playMs;
        EXPECT_GT(rate, 0.5) << "seed " << seed;
        EXPECT_LE(rate, 1.6) << "seed " << seed;
    }
}

TEST_F(SimulatedPlayer, LosesABoardFedFasterThanAnyoneClicks) {
    // A row every 100 ms for 300 rows: the board overflows within seconds.
    for (uint32_t seed = 1; seed <= 2; ++seed) {
        const Attempt a = game.play(paced(1, 10, 300), seed);
        EXPECT_FALSE(a.won) << "seed " << seed;
        EXPECT_FALSE(a.timedOut);
        EXPECT_GT(a.linesLeft, 200);
        EXPECT_LT(a.playMs, 30000);
    }
}

TEST_F(SimulatedPlayer, ClearsAForgivingPuzzleBoardAndLosesAHopelessOne) {
    auto puzzle = [](const std::vector<std::vector<int>>& rows) {
        return [rows] {
            TLevelPtr level = objects().levelManager.loadLevel(4);
            level->clear();
            for (size_t r = 0; r < rows.size(); ++r)
                for (size_t c = 0; c < rows[r].size(); ++c)
                    if (rows[r][c]) level->setTileOnPos(level->rows - int(rows.size()) + int(r), int(c) + 2, tileKindForCode(rows[r][c]), 0);
            return level;
        };
    };
    // Two colours in solid blocks: any order clears it.
    const Attempt cleared = game.play(puzzle({{1, 1, 1, 2, 2, 2}, {1, 1, 1, 2, 2, 2}}), 1);
    EXPECT_TRUE(cleared.won);
    EXPECT_EQ(cleared.removals, 2);
    // No group of three anywhere: lost at once, with no click.
    const Attempt hopeless = game.play(puzzle({{1, 2, 3, 1, 2, 3}, {2, 3, 1, 2, 3, 1}}), 1);
    EXPECT_FALSE(hopeless.won);
    EXPECT_FALSE(hopeless.timedOut);
    EXPECT_EQ(hopeless.presses, 0);
}

TEST_F(SimulatedPlayer, LikesLargeGroupsAndBombsInFullColumns) {
    TLevelPtr level = objects().levelManager.loadLevel(1);
    level->clear();
    const int bottom = level->rows - 1;
    // A group of three and a group of six on the bottom row.
    for (int c = 0; c < 3; ++c) level->setTileOnPos(bottom, c, tileKindForCode(1), 0);
    for (int c = 3; c < 9; ++c) level->setTileOnPos(bottom, c, tileKindForCode(2), 0);
    SimPlayer player(PlayerStyle{}, 7);
    std::vector<SimPlayer::Choice> options = player.choices(*level);
    ASSERT_EQ(options.size(), 2u);
    const auto& large = options[0].aim->TD->id == 2 ? options[0] : options[1];
    const auto& small = options[0].aim->TD->id == 2 ? options[1] : options[0];
    EXPECT_GT(large.value, small.value);
    EXPECT_FALSE(large.bonus);

    // A bomb alone among the marbles is a choice of its own, worth the
    // marbles it would take.
    level->setTileOnPos(bottom, 9, tileKindById(KIND_BOMB), 0);
    options = player.choices(*level);
    ASSERT_EQ(options.size(), 3u);
    const auto bomb = std::find_if(options.begin(), options.end(), [](const auto& o) { return o.bonus; });
    ASSERT_NE(bomb, options.end());
    EXPECT_GT(bomb->value, 0);
}

}  // namespace

// The tuning of a level's ease against the curve.
namespace {

// A level whose win rate rises smoothly with its ease, 50% at `middle`.
std::function<double(double)> smoothLevel(double middle) {
    return [middle](double ease) { return 1 / (1 + std::pow(middle / ease, 3)); };
}

TEST(Calibration, FindsTheEaseThatMeetsTheTargetFromEitherSide) {
    for (double middle : {0.4, 0.8, 1.0, 1.7, 3.0}) {
        const Calibration c = searchEase(smoothLevel(middle), 0.6, 0.04, false);
        EXPECT_NEAR(c.winRate, 0.6, 0.04) << middle;
        EXPECT_LE(c.tries, 10) << middle;
    }
}

TEST(Calibration, KeepsALevelAlreadyOnTargetAndTheFirstLevelsWonNearlyAlways) {
    const Calibration onTarget = searchEase(smoothLevel(1.0), 0.5, 0.05, false);
    EXPECT_FALSE(onTarget.tuned);
    EXPECT_EQ(onTarget.ease, 1);
    EXPECT_EQ(onTarget.tries, 1);
    // Won every time: fine for a first level, too easy for a later one.
    auto always = [](double) { return 1.0; };
    EXPECT_FALSE(searchEase(always, 0.97, 0.05, true).tuned);
    const Calibration tooEasy = searchEase(always, 0.7, 0.05, false);
    EXPECT_TRUE(tooEasy.tuned);
    EXPECT_EQ(tooEasy.ease, 1) << "nothing came closer: the level stays as it is";
}

TEST(Calibration, TheTargetFallsGentlyWithABreatherAtEachLand) {
    for (int nr = 1; nr <= 10; ++nr) EXPECT_GE(targetWinRate(nr), 0.9) << nr;
    for (int nr = 12; nr <= 97; ++nr) {
        EXPECT_GE(targetWinRate(nr), 0.45) << nr;
        if (nr % 10 != 1) {
            EXPECT_LT(targetWinRate(nr), targetWinRate(nr - 1) + 1e-9) << nr;
        }
    }
    for (int nr = 21; nr <= 91; nr += 10) EXPECT_GT(targetWinRate(nr), targetWinRate(nr - 1)) << nr;
    EXPECT_NEAR(targetWinRate(97), 0.52, 0.03);
}

TEST(Calibration, EaseSpreadsATimedBoardsRowsAndCutsAStrategyBoardsMoves) {
    TLevel timed;
    timed.typ = "NORMAL-NORMAL";
    timed.time = 400;
    timed.lines = 30;
    ASSERT_TRUE(applyEase(timed, 0.5));
    EXPECT_EQ(timed.time, 200);
    EXPECT_EQ(timed.lines, 60) << "the level keeps its length";
    TLevel strategy;
    strategy.typ = "NORMAL-STRATEGY";
    strategy.lines = 20;
    ASSERT_TRUE(applyEase(strategy, 2));
    EXPECT_EQ(strategy.lines, 10);
    TLevel puzzle;
    puzzle.typ = "NORMAL-PUZZLE";
    puzzle.lines = 1;
    EXPECT_FALSE(applyEase(puzzle, 2));
    EXPECT_EQ(puzzle.lines, 1);
}

}  // namespace
