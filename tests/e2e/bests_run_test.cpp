// Personal bests through the quest: a won level beats an earlier win's time
// (the results say so), its bests are saved beside the profile, and the map shows
// them while the pointer rests on the level's marker.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// Ada, on level 1 of a quest, has seen every help page and won level 1 once
// before, slowly.
void seedAda(const GameRun& run) {
    seedPlayer(run, {"Ada", 1, 0, SeededPlayer::kEveryHint});
    writeFile(run.saveDir.file("bests1.dat"), "bests {\n\t level1 = 0, 3599000, 2, 1\n}\n");
}

// The "New best!" tag's gold, apart from the values' pure yellow.
bool newBestGold(pixels::Rgb p) { return p.r > 230 && p.g > 180 && p.g < 235 && p.b < 110; }

TEST(BestsRun, AWinBeatingAnEarlierOneIsMarkedSavedAndShownOnTheMap) {
    GameRun run;
    run.cheats = true;
    seedAda(run);
    // Menu, resume the quest, the map, level 1 won at once with G; the
    // results, back on the map, the pointer on level 1's marker (70, 490).
    runGame(run,
            toTheQuestMap() + winTheLevelFromTheMap() +
                "move 400 300\nwait 300\nshot map.png\nmove 70 490\nwait 300\nshot map-bests.png\nclose\n",
            {}, 90);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_NE(run.output.find("MAP : level 2"), std::string::npos) << run.output;

    const std::string bests = readFile(run.saveDir.file("bests1.dat"));
    EXPECT_NE(bests.find(", 3, 2\n"), std::string::npos) << "a third try and a second win: " << bests;
    EXPECT_EQ(bests.find("3599000"), std::string::npos) << "the faster win replaced the old time: " << bests;
    EXPECT_EQ(readFile(run.saveDir.file("profile1.dat")).find("level1"), std::string::npos);

    const TPixmapPtr results = run.shot("results.png"), map = run.shot("map.png"), card = run.shot("map-bests.png");
    ASSERT_TRUE(results && map && card) << run.output;
    // "New best!" beside the time (row 3, y 315); a score of 0 beats nothing.
    EXPECT_GT(pixels::count(results, 540, 315, 760, 340, newBestGold), 40);
    EXPECT_EQ(pixels::count(results, 540, 445, 760, 470, newBestGold), 0);
    // The card of bests up and right of the marker, only while pointed at.
    EXPECT_GT(pixels::count(card, 100, 370, 310, 470, pixels::violet),
              pixels::count(map, 100, 370, 310, 470, pixels::violet) + 5000);
}

}  // namespace
