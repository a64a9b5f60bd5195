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
    writeFile(run.saveDir.file("profiles.dat"),
              "profile {\n\t i = 1\n\t profile1 = \"Ada\" \n\t akt = \"Ada\" \n}\n\n");
    std::string text = "profile {\n\t level = 1\n\t name = \"Ada\" \n\t score = 0\n\t kapsle = 0\n";
    for (int i = 0; i < 21; ++i) text += "\t hint" + std::to_string(i) + " = 1\n";
    writeFile(run.saveDir.file("profile1.dat"), text + "}\n");
    writeFile(run.saveDir.file("bests1.dat"), "bests {\n\t level1 = 0, 3599000, 2, 1\n}\n");
}

int channel(uint32_t argb, int shift) { return int((argb >> shift) & 255); }
// The deep violet of the game's glass panels.
bool violet(uint32_t argb) {
    const int r = channel(argb, 16), g = channel(argb, 8), b = channel(argb, 0);
    return b > 60 && b > r && r > g && g < 80;
}
// The "New best!" tag's gold, apart from the values' pure yellow.
bool gold(uint32_t argb) {
    const int r = channel(argb, 16), g = channel(argb, 8), b = channel(argb, 0);
    return r > 230 && g > 180 && g < 235 && b < 110;
}
template <class Test>
int count(const TPixmapPtr& shot, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (test(ReadPixel(shot, x, y))) ++n;
    return n;
}

TEST(BestsRun, AWinBeatingAnEarlierOneIsMarkedSavedAndShownOnTheMap) {
    GameRun run;
    run.cheats = true;
    seedAda(run);
    // Menu, resume the quest, the map, level 1 won at once with G; the
    // results, back on the map, the pointer on level 1's marker (70, 490).
    runGame(run,
            "wait 1000\nkey Space\nwait 1200\nclick 410 195\nwait 1200\nclick 400 290\nwait 4500\n"
            "click 700 564\nwait 4000\nkey G\nwait 6000\nshot results.png\n"
            "click 400 300\nwait 5000\n"
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
    EXPECT_GT(count(results, 540, 315, 760, 340, gold), 40);
    EXPECT_EQ(count(results, 540, 445, 760, 470, gold), 0);
    // The card of bests up and right of the marker, only while pointed at.
    EXPECT_GT(count(card, 100, 370, 310, 470, violet), count(map, 100, 370, 310, 470, violet) + 5000);
}

}  // namespace
