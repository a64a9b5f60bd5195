// The quest's shooting gallery (level 9) and picture puzzle (level 19) in the
// real program through the developer entry `vornell --play-level N`: each
// played to its results and ended by a click, the player paid, and how both
// look in play and on their results.
#include <gtest/gtest.h>

#include <string>

#include "datafiles/rcm_file.h"
#include "game_runner.h"
#include "shell/media/files.h"

namespace {

// One player on the given quest level, who has seen every help page.
void onePlayer(GameRun& run, int level) { seedPlayer(run, {"Ada", level, 5, SeededPlayer::kEveryHint, 100}); }

int saved(const GameRun& run, const std::string& key) {
    TRCMFile f;
    f.Load(run.saveDir.file("profile1.dat"));
    return f.getInt("profile::" + key);
}

int brightness(const TPixmapPtr& shot, int x, int y) { return pixels::brightness(pixels::at(shot, x, y)); }
bool violet(uint32_t argb) { return pixels::violet(pixels::rgb(argb)); }

TEST(MiniGamesRun, TheQuestsShootingGalleryPaysItsHitsAndEndsOnAClick) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    run.cheats = true;
    onePlayer(run, 9);
    // Past the countdown, darts into the sky where the balloons rise,
    // reloading after every magazine; G ends the gallery, a click the results.
    std::string script = "wait 9000\nmove 400 300\nshot shooting-play.png\n";
    for (int k = 0; k < 120; ++k) {
        script += "click " + std::to_string(60 + (k * 97) % 680) + " " + std::to_string(120 + (k * 53) % 330) + "\n";
        script += "wait 50\n";
        if (k % 8 == 7) script += "key Space\n";
    }
    script += "key G\nwait 3000\nshot shooting-results.png\nwait 4000\nclick 400 300\nwait 3000\nclose\n";
    runGame(run, script, {}, 120, {"--play-level", "9"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const TPixmapPtr play = run.shot("shooting-play.png"), results = run.shot("shooting-results.png");
    ASSERT_TRUE(play) << run.output;
    ASSERT_TRUE(results) << run.output;
    // The panel along the bottom, between its wells.
    EXPECT_TRUE(violet(ReadPixel(play, 566, 550)));
    // The results under a half veil.
    EXPECT_LT(brightness(results, 60, 60), brightness(play, 60, 60) * 3 / 4);
    // Ten points and a diamond a hit, paid once.
    const int diamonds = saved(run, "kapsle") - 5;
    EXPECT_GT(diamonds, 0) << "not one of the darts hit";
    EXPECT_EQ(saved(run, "score") - 100, 10 * diamonds);
}

TEST(MiniGamesRun, TheQuestsPicturePuzzlePaysItsPiecesAndEndsOnAClick) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    run.cheats = true;
    onePlayer(run, 19);
    runGame(run,
            "waitfor SCREEN : open puzzlegame\nwait 2500\nshot puzzle-play.png\n"
            // Escape opens the menu; resume goes on.
            "key Escape\nwaitfor SCREEN : open ingamemenu\nwait 1000\nshot puzzle-menu.png\nclick 470 180\n"
            "waitfor SCREEN : close ingamemenu\nwait 500\n"
            // G solves the puzzle; a click leaves the results.
            "key G\nwait 3000\nshot puzzle-results.png\nclick 400 300\nwait 3000\nclose\n",
            {}, 120, {"--play-level", "19"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const TPixmapPtr play = run.shot("puzzle-play.png"), results = run.shot("puzzle-results.png");
    ASSERT_TRUE(play) << run.output;
    ASSERT_TRUE(results) << run.output;
    ASSERT_TRUE(run.shot("puzzle-menu.png")) << run.output;
    EXPECT_TRUE(violet(ReadPixel(run.shot("puzzle-menu.png"), 470, 440))) << "the in-game menu";
    // The bar along the bottom, where no piece lies; the results under a
    // half veil.
    EXPECT_TRUE(violet(ReadPixel(play, 260, 578)));
    EXPECT_LT(brightness(results, 260, 578), brightness(play, 260, 578));
    // Twelve pieces at ten points each.
    EXPECT_EQ(saved(run, "score"), 100 + 120);
    EXPECT_EQ(saved(run, "kapsle"), 5);
}

}  // namespace
