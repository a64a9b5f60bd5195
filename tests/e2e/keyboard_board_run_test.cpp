// The first level of the quest won with the keyboard alone, in the real
// program: the cursor swept blind over the board, Enter or Space on every
// cell, until the game says the level is won; then Enter leaves the
// results, and nothing after the win starts play again.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"

namespace {

size_t occurrences(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

TEST(KeyboardBoardRun, TheFirstLevelIsWonByKeysAloneAndTheResultsLeaveWithEnter) {
    GameRun run;
    seedPlayer(run, {"Ada", 0, 0, SeededPlayer::kEveryHint});
    const std::string script = "waitfor SCREEN : open game\nwait 2500\n" + Hands{}.sweepBoardUntilWon(1) +
                               // Keys during the win's effect are not kept
                               // for the results.
                               "key Return\nkey Space\nwait 7000\nshot results.png\n"
                               "key Return\nwaitfor play-level: level 1 won\n";
    // Keys only: no pointer, no developer's G.
    for (const char* mouse : {"move ", "click ", "press ", "release ", "key G\n"})
        ASSERT_EQ(script.find(mouse), std::string::npos) << mouse;
    runGame(run, script, {}, 900, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(occurrences(run.output, "GAME : won level 1"), 1u) << run.output;
    EXPECT_EQ(occurrences(run.output, "SCREEN : open game"), 1u) << run.output;
    EXPECT_EQ(run.output.find("SCREEN : open gamelostinfo"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("play-level: level 1 won, points "), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("matches 0,"), std::string::npos) << "won without removing a group\n" << run.output;

    // The keys pressed during the win's effect did not pass the results:
    // their yellow values stand right of the middle, row by row.
    const TPixmapPtr results = run.shot("results.png");
    ASSERT_TRUE(results) << run.output;
    auto yellow = [](pixels::Rgb p) { return p.r > 220 && p.g > 220 && p.b < 90; };
    for (int row = 0; row < 6; ++row)
        EXPECT_GT(pixels::count(results, 490, 120 + 65 * row, 600, 142 + 65 * row, yellow), 20) << "row " << row;
}

}  // namespace
