// The quest's shooting gallery (level 9) and picture puzzle (level 19)
// played by keys alone in the real program (`vornell --play-level N`), with
// no pointer line and no developer's key: the gallery to its paid results,
// the puzzle solved.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "datafiles/rcm_file.h"
#include "game_runner.h"
#include "shell/media/files.h"

namespace {

int saved(const GameRun& run, const std::string& key) {
    TRCMFile f;
    f.Load(run.saveDir.file("profile1.dat"));
    return f.getInt("profile::" + key);
}

// An arrow held for four darts 150 ms apart.
std::string sweep(const std::string& arrow) {
    std::string lines = "keydown " + arrow + "\n";
    for (int i = 0; i < 4; ++i) lines += "key Space\nwait 100\n";
    return lines + "keyup " + arrow + "\n";
}

// Once the countdown is over: the crosshair swept to and fro, firing, R
// after every eight darts, until the results; the block may be left with
// an arrow held.
const std::string kShootingByKeys = "repeat until \"SHOOTING : results\"\n" + sweep("Left") + sweep("Right") +
                                    "key R\n" + sweep("Right") + sweep("Left") + "key R\nend\nkeyup Left\nkeyup Right\n";

// Enter and Tab in turn: a piece taken up, on to the next empty cell, put
// down, on to the next piece; until every piece is in its place.
const char* const kPuzzleByKeys = "repeat until \"PUZZLE : solved\"\nkey Return\nkey Tab\nend\n";

TEST(KeyboardMiniGamesRun, TheShootingGalleryIsPlayedByKeysToItsResultsAndPaysItsHits) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    seedPlayer(run, {"Ada", 9, 5, SeededPlayer::kEveryHint, 100});
    // Up shows the crosshair in the middle; Right held takes it a little way.
    runGame(run,
            "waitfor \"SHOOTING : go\"\nkey Up\nkeydown Right\nwait 300\nkeyup Right\nwait 500\nshot play.png\n" +
                kShootingByKeys + "wait 3000\nkey Return\nwaitfor \"SCREEN : close shootingminigame\"\nclose\n",
            {}, 180, {"--play-level", "9"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TPixmapPtr play = run.shot("play.png");
    ASSERT_TRUE(play) << run.output;
    // The crosshair's white lines right of the middle, where the keys took
    // it, and none left of it along the hills.
    const auto white = [](pixels::Rgb p) { return std::min({p.r, p.g, p.b}) > 235; };
    EXPECT_GT(pixels::count(play, 400, 250, 560, 345, white), 100);
    EXPECT_EQ(pixels::count(play, 0, 250, 160, 345, white), 0);
    // Ten points and a diamond a hit.
    const int diamonds = saved(run, "kapsle") - 5;
    EXPECT_GT(diamonds, 0) << "not one of the darts hit\n" << run.output;
    EXPECT_EQ(saved(run, "score") - 100, 10 * diamonds);
}

TEST(KeyboardMiniGamesRun, ThePicturePuzzleIsSolvedByKeysAndPaysItsPieces) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    seedPlayer(run, {"Ada", 19, 5, SeededPlayer::kEveryHint, 100});
    // Tab shows the cursor on a piece.
    runGame(run,
            std::string("waitfor \"PUZZLE : go\"\nkey Tab\n") + kPuzzleByKeys +
                "wait 3000\nkey Return\nwaitfor \"SCREEN : close puzzlegame\"\nclose\n",
            {}, 180, {"--play-level", "19"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("PUZZLE : placed 12 of 12"), std::string::npos) << run.output;
    // Twelve pieces at ten points each.
    EXPECT_EQ(saved(run, "score"), 100 + 120);
    EXPECT_EQ(saved(run, "kapsle"), 5);
}

}  // namespace
