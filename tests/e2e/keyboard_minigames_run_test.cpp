// The quest's shooting gallery (level 9) and picture puzzle (level 19)
// played in the real program by keys alone, `vornell --play-level N`: no
// pointer line and no developer's key in the scripts. The gallery's
// crosshair is swept to and fro and fired until its results, which pay the
// hits; the puzzle is solved by taking up pieces and trying cells in turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "datafiles/rcm_file.h"
#include "game_runner.h"
#include "shell/media/files.h"

namespace {

void onePlayer(GameRun& run, int level) { seedPlayer(run, {"Ada", level, 5, SeededPlayer::kEveryHint, 100}); }

int saved(const GameRun& run, const std::string& key) {
    TRCMFile f;
    f.Load(run.saveDir.file("profile1.dat"));
    return f.getInt("profile::" + key);
}

// The pixels of a shot's box as white as the crosshair's lines (the hills
// and the sky along the middle have none).
int crosshairPixels(const TPixmapPtr& shot, int x0, int y0, int x1, int y1) {
    return pixels::count(shot, x0, y0, x1, y1, [](pixels::Rgb p) { return std::min({p.r, p.g, p.b}) > 235; });
}

// Once the countdown has ended: the crosshair swept left and right across
// the sky, a dart every 150 ms, R after each eight, until the results.
const char* const kShootingByKeys =
    "repeat until \"SHOOTING : results\"\n"
    "keydown Left\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkeyup Left\n"
    "keydown Right\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkeyup Right\n"
    "key R\n"
    "keydown Right\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkeyup Right\n"
    "keydown Left\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkey Space\nwait 100\nkeyup Left\n"
    "key R\n"
    "end\n"
    // The block may be left with an arrow still held.
    "keyup Left\nkeyup Right\n";

// Enter and Tab in turn: a piece taken up, on to the next empty cell, put
// down, on to the next piece; until every piece is in its place.
const char* const kPuzzleByKeys =
    "repeat until \"PUZZLE : solved\"\n"
    "key Return\nkey Tab\n"
    "end\n";

TEST(KeyboardMiniGamesRun, TheShootingGalleryIsPlayedByKeysToItsResultsAndPaysItsHits) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    onePlayer(run, 9);
    // Up shows the crosshair in the middle; Right held takes it a little way.
    const std::string script =
        std::string("waitfor \"SHOOTING : go\"\nkey Up\nkeydown Right\nwait 300\nkeyup Right\n") +
        "wait 500\nshot keys-shooting-play.png\n" + kShootingByKeys +
        "wait 3000\nshot keys-shooting-results.png\nkey Return\n"
        "waitfor \"SCREEN : close shootingminigame\"\nwait 500\nclose\n";
    runGame(run, script, {}, 180, {"--play-level", "9"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const TPixmapPtr play = run.shot("keys-shooting-play.png"), results = run.shot("keys-shooting-results.png");
    ASSERT_TRUE(play) << run.output;
    ASSERT_TRUE(results) << run.output;
    // The crosshair's picture right of the middle, where the keys took it,
    // and not left of it.
    EXPECT_GT(crosshairPixels(play, 400, 250, 560, 345), 100);
    EXPECT_EQ(crosshairPixels(play, 0, 250, 160, 345), 0);
    // The results under a half veil; ten points and a diamond a hit.
    EXPECT_LT(pixels::brightness(pixels::at(results, 60, 60)), pixels::brightness(pixels::at(play, 60, 60)) * 3 / 4);
    const int diamonds = saved(run, "kapsle") - 5;
    EXPECT_GT(diamonds, 0) << "not one of the darts hit\n" << run.output;
    EXPECT_EQ(saved(run, "score") - 100, 10 * diamonds);
}

TEST(KeyboardMiniGamesRun, ThePicturePuzzleIsSolvedByKeysAndPaysItsPieces) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    onePlayer(run, 19);
    // Tab shows the cursor on a piece; Enter takes it up and Tab carries it
    // to the first empty cell; then on in turn until solved.
    const std::string script =
        std::string("waitfor \"PUZZLE : go\"\nkey Tab\nwait 300\nshot keys-puzzle-cursor.png\n") +
        "key Return\nkey Tab\nwait 300\nshot keys-puzzle-held.png\n" + kPuzzleByKeys +
        "wait 3000\nshot keys-puzzle-results.png\nkey Return\n"
        "waitfor \"SCREEN : close puzzlegame\"\nwait 500\nclose\n";
    runGame(run, script, {}, 180, {"--play-level", "19"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    ASSERT_TRUE(run.shot("keys-puzzle-cursor.png")) << run.output;
    ASSERT_TRUE(run.shot("keys-puzzle-held.png")) << run.output;
    ASSERT_TRUE(run.shot("keys-puzzle-results.png")) << run.output;
    EXPECT_NE(run.output.find("PUZZLE : placed 12 of 12"), std::string::npos) << run.output;
    // Twelve pieces at ten points each.
    EXPECT_EQ(saved(run, "score"), 100 + 120);
    EXPECT_EQ(saved(run, "kapsle"), 5);
}

}  // namespace
