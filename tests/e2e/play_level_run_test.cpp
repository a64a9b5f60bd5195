// The game screen as a whole program (vornell --play-level N): each mode
// played from the gate to the results or the lost pop-up on laid-out boards,
// checked by what the run wrote to the console, what it saved, and pixels of
// its screenshots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

// A player who has seen the help pages, holding `items` (profile lines such
// as "\t bonus16 = 2\n").
void writePlayer(GameRun& run, const std::string& items = "") { seedPlayer(run, {"Ada", 1, 0, 10, 0, items}); }

// Level 1 of the run's working folder becomes this board: 10 x 10 cells of
// 45 pixels, colours 1 (red), 2 (blue) and 3 (green), `rows` the laid-out
// rows from the bottom one up. No backdrop: the software renderer of these
// runs is spared a full-screen picture a frame.
void writeLevel(GameRun& run, const std::string& typ, int time, int lines, const std::vector<std::string>& rows) {
    std::string tiles;
    for (size_t i = 0; i < rows.size(); ++i) tiles += "\t\trow" + std::to_string(10 - i) + " = \"" + rows[i] + "\"\n";
    run.writeWorkFile("data/levels/level1.dat",
                      "level {\n\ttyp = \"" + typ + "\"\n\tname = \"Proving Ground\"\n\tnr = 1\n"
                      "\tavailable = \"1 2 3\"\n\tbonus = \"\"\n\trozmiar = 3\n\timg = \"\"\n"
                      "\trows = 10\n\tcols = 10\n\ttime = " + std::to_string(time) + "\n\tchangetime = 300\n"
                      "\tlines = " + std::to_string(lines) + "\n\tpuzzle = \"\"\n\ttiles {\n\t\trandom = 0\n" + tiles +
                      "\t}\n}\n");
}

std::string profileText(const GameRun& run) { return readFile(run.saveDir.file("profile1.dat")); }

bool says(const GameRun& run, const std::string& text) { return run.output.find(text) != std::string::npos; }

using pixels::count;
using pixels::gold;
using pixels::Rgb;
Rgb pixel(const TPixmapPtr& shot, int x, int y) { return pixels::at(shot, x, y); }
bool yellow(Rgb p) { return p.r > 220 && p.g > 220 && p.b < 90; }

// The colour of the 45-pixel marble centred at (x, y): the strongest channel
// of its body, below its symbol and its gloss.
char marble(const TPixmapPtr& shot, int x, int y) {
    int r = 0, g = 0, b = 0;
    for (int dy = 9; dy <= 13; ++dy)
        for (int dx = -12; dx <= -8; ++dx) {
            const Rgb p = pixel(shot, x + dx, y + dy);
            r += p.r;
            g += p.g;
            b += p.b;
        }
    return r > g && r > b ? 'r' : g > b ? 'g' : 'b';
}

// The ten marbles of a row whose first centre is (x, y).
std::string marbleRow(const TPixmapPtr& shot, int x, int y) {
    std::string row;
    for (int c = 0; c < 10; ++c) row += marble(shot, x + 45 * c, y);
    return row;
}

// Five reds in the bottom row, nothing else to remove.
const std::vector<std::string> kFiveReds = {"1 1 1 1 1 2 3 2 3 2", "2 3 2 3 2 3 2 3 2 3"};

TEST(PlayLevelRun, ANormalLevelWonWithGShowsTheEffectThenTheResultsAndPaysOnce) {
    GameRun run;
    writePlayer(run);
    writeLevel(run, "NORMAL-NORMAL", 3000, 12, kFiveReds);
    run.writeWorkFile("cheats.txt", "");
    // G comes while the five removed marbles' diamonds are still flying.
    runGame(run,
            "wait 3000\nmove 262 467\nwait 200\nshot play.png\nclick 262 467\nwait 50\nkey G\n"
            "wait 400\nshot effect.png\nwait 4600\nshot results.png\nclick 400 300\nwait 3000\n",
            {}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(says(run, "play-level: level 1 won, points 25, diamonds 5, matches 1, biggest 5")) << run.output;
    // Paid once: 5 diamonds, and 5 + 2 x 1 + 5 x 5 = 32 score.
    const std::string profile = profileText(run);
    EXPECT_NE(profile.find("kapsle = 5\n"), std::string::npos) << profile;
    EXPECT_NE(profile.find("score = 32\n"), std::string::npos) << profile;

    const TPixmapPtr play = run.shot("play.png"), effect = run.shot("effect.png"), results = run.shot("results.png");
    ASSERT_TRUE(play && effect && results) << run.output;
    // The top rows sparkle gold while the board darkens.
    EXPECT_GT(count(effect, 240, 40, 690, 130, gold), 30);
    EXPECT_EQ(count(play, 240, 40, 690, 130, gold), 0);
    // The results: yellow values right of the middle line, six rows of them.
    for (int row = 0; row < 6; ++row)
        EXPECT_GT(count(results, 490, 120 + 65 * row, 600, 142 + 65 * row, yellow), 20) << "row " << row;
    // ...over a board darker than in play.
    const Rgb lit = pixel(play, 660, 60), dark = pixel(results, 660, 60);
    EXPECT_LT(dark.r + dark.g + dark.b, lit.r + lit.g + lit.b);
}

TEST(PlayLevelRun, ALostLevelShowsThePopUpRestartsWithTheItemsBackAndLeavesForTheMenu) {
    GameRun run;
    writePlayer(run, "\t bonus16 = 2\n");
    // Rows come every 0.6 s onto a board four rows from the top. The column
    // holds six colour fillers, then the eraser at y 368.
    writeLevel(run, "NORMAL-NORMAL", 60, 30,
               {"1 1 1 2 3 2 3 2 3 2", "2 3 2 3 2 3 2 3 2 3", "3 2 3 2 3 2 3 2 3 2", "2 3 2 3 2 3 2 3 2 3",
                "3 2 3 2 3 2 3 2 3 2", "2 3 2 3 2 3 2 3 2 3"});
    runGame(run,
            // First attempt: an eraser on the bottom row, then the rows win.
            "wait 3000\nclick 728 368\nwait 150\nclick 400 467\nmove 790 590\n"
            "waitfor SCREEN : open gamelostinfo\nwait 1000\nshot lost.png\n"
            // Restart: the eraser is usable again and is used again.
            "click 400 330\nwait 2600\nshot restarted.png\nclick 728 368\nwait 150\nclick 400 467\nmove 790 590\n"
            "waitfor SCREEN : open gamelostinfo\nwait 1000\nshot lost-again.png\n"
            // The main menu.
            "click 400 405\nwait 3000\n",
            {}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(says(run, "play-level: level 1 left")) << run.output;
    // Two erasers used, the first given back by the restart.
    EXPECT_NE(profileText(run).find("bonus16 = 1\n"), std::string::npos) << profileText(run);

    const TPixmapPtr lost = run.shot("lost.png"), restarted = run.shot("restarted.png"),
                     again = run.shot("lost-again.png");
    ASSERT_TRUE(lost && restarted && again) << run.output;
    // The pop-up's ribbon over the board, and the reason in white beneath it.
    for (const TPixmapPtr& shot : {lost, again}) {
        EXPECT_GT(count(shot, 290, 120, 340, 155, gold), 400);
        EXPECT_GT(count(shot, 250, 185, 550, 245, [](Rgb p) { return p.r > 235 && p.g > 235 && p.b > 235; }), 200);
    }
    EXPECT_EQ(count(restarted, 290, 120, 340, 155, gold), 0) << "the pop-up is gone after the restart";
}

TEST(PlayLevelRun, AStrategyRemovalPushesTheWaitingRowIn) {
    GameRun run;
    writePlayer(run);
    // Three reds to remove; a blue group of three stands on the right, so a
    // group is always left and no row comes for want of one.
    writeLevel(run, "NORMAL-STRATEGY", 800, 20,
               {"1 1 1 2 3 2 3 2 3 2", "2 3 2 3 2 3 2 3 2 3", "3 2 3 2 3 2 3 2 3 3", ". . . . . . . . . 2",
                ". . . . . . . . . 2", ". . . . . . . . . 2"});
    runGame(run,
            "wait 3000\nmove 790 590\nwait 100\nshot before.png\nclick 262 467\nmove 790 590\nwait 1000\n"
            "shot after.png\nkey Escape\nwait 1200\nclick 470 390\nwait 1000\nkey Return\nwait 3000\n",
            // Every frame a player sees: the pointer leaves in the instant
            // the click ends, timing set at 60 pictures a second.
            {"VORNELL_HZ=60"}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(says(run, "play-level: level 1 left, points 9, diamonds 3, matches 1, biggest 3, lines left 19"))
        << run.output;
    const TPixmapPtr before = run.shot("before.png"), after = run.shot("after.png");
    ASSERT_TRUE(before && after) << run.output;
    // The row that waited below the board is now its bottom row.
    EXPECT_EQ(marbleRow(after, 262, 467), marbleRow(before, 262, 528));
}

TEST(PlayLevelRun, ATwoSidedLevelPushesFromBelowThenFromAbove) {
    GameRun run;
    writePlayer(run);
    // A red group on each side keeps a group on the board; a row every 2 s,
    // the first about 3.5 s into the run.
    writeLevel(run, "NORMAL-TWO", 200, 20,
               {"1 1 1 2 3 2 3 2 3 2", ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .",
                ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .", ". . . . . . . . . .",
                ". . . . . . . . . .", "101 101 101 102 103 102 103 102 103 102"});
    runGame(run,
            "move 790 590\nwait 3000\nshot start.png\nwait 1500\nshot below.png\nwait 2000\nshot above.png\n"
            "key Escape\nwait 1200\nclick 470 390\nwait 1000\nkey Return\nwait 3000\n",
            {}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(says(run, "lines left 18")) << run.output;
    const TPixmapPtr start = run.shot("start.png"), below = run.shot("below.png"), above = run.shot("above.png");
    ASSERT_TRUE(start && below && above) << run.output;
    // The board's corner is (242, 76); the waiting rows' marbles are centred
    // at y 39 above it and 564 below it.
    EXPECT_EQ(marbleRow(below, 264, 503), marbleRow(start, 264, 564)) << "the first row came from below";
    EXPECT_EQ(marbleRow(above, 264, 98), marbleRow(below, 264, 39)) << "the second row came from above";
}

TEST(PlayLevelRun, APicturePuzzleBoardIsWonByClearingItAndItsStripPushesNothing) {
    GameRun run;
    writePlayer(run);
    // No line is left, so a push would win at once.
    writeLevel(run, "NORMAL-PUZZLE", 800, 0, {". . . . 2 2 2 . . .", ". . . . 1 1 1 . . ."});
    runGame(run,
            "wait 3000\nclick 400 520\nwait 300\nclick 442 422\nwait 600\nclick 442 467\nmove 790 590\nwait 5500\n"
            "shot results.png\nclick 400 300\nwait 3000\n",
            {}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(says(run, "play-level: level 1 won, points 18, diamonds 6, matches 2, biggest 3")) << run.output;
    // A picture-puzzle board pays its score, no diamonds.
    const std::string profile = profileText(run);
    EXPECT_NE(profile.find("score = 18\n"), std::string::npos) << profile;
    EXPECT_NE(profile.find("kapsle = 0\n"), std::string::npos) << profile;
    // Three result rows (steps, time, score), no fourth.
    const TPixmapPtr results = run.shot("results.png");
    ASSERT_TRUE(results) << run.output;
    for (int row = 0; row < 3; ++row)
        EXPECT_GT(count(results, 490, 200 + 70 * row, 600, 222 + 70 * row, yellow), 20) << "row " << row;
    EXPECT_EQ(count(results, 490, 410, 600, 432, yellow), 0);
}

TEST(PlayLevelRun, ALevelThatCannotBeLoadedEndsWithAMessage) {
    GameRun run;
    runGame(run, "wait 5000\nclose\n", {}, 60, {"--play-level", "999"});
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_TRUE(says(run, "play-level: level 999 cannot be played")) << run.output;
}

}  // namespace
