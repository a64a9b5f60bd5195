// Whole-game runs of the real binary.
#include <gtest/gtest.h>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

constexpr uint32_t kBackdrop = 0xFFB4C8DCu;  // the clear colour (180, 200, 220)

TEST(GameRun, StartsThroughTheIntroAndEscapeInTheMainMenuQuits) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    // A player, so that the main menu does not ask for a name first.
    seedPlayer(run, "Ada", 0, 0, 0);
    runGame(run, "wait 2200\nshot intro.png\nwaitfor SCREEN : open mainmenu\nwait 1200\nkey Escape\n");
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    TPixmapPtr shot = run.shot("intro.png");
    ASSERT_TRUE(shot) << run.output;
    ASSERT_EQ(shot->width, 800);
    ASSERT_EQ(shot->height, 600);
    // The intro plays on the game's backdrop colour, the logo in the middle.
    for (auto [x, y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}}) {
        EXPECT_EQ(ReadPixel(shot, x, y), kBackdrop) << x << "," << y;
    }
    EXPECT_NE(ReadPixel(shot, 400, 262), kBackdrop);
    EXPECT_NE(run.output.find("MAIN MENU"), std::string::npos) << run.output;
    // First start: the save folder exists and says where it is.
    EXPECT_EQ(FileType(run.saveDir.path()), 2);
    EXPECT_NE(run.output.find("MY DOCS : " + run.saveDir.path()), std::string::npos) << run.output;
}

TEST(GameRun, CloseRequestAndAltF4QuitButF4AloneDoesNot) {
    GameRun closed;
    runGame(closed, "wait 2000\nclose\n");
    EXPECT_FALSE(closed.timedOut);
    EXPECT_EQ(closed.exitCode, 0) << closed.output;

    GameRun altF4;
    runGame(altF4, "wait 2000\nkeydown Left Alt\nkey F4\nkeyup Left Alt\n");
    EXPECT_FALSE(altF4.timedOut);
    EXPECT_EQ(altF4.exitCode, 0) << altF4.output;

    // F4 alone: the game is still running a second later and takes a picture.
    GameRun f4;
    runGame(f4, "wait 2000\nkey F4\nwait 1000\nshot still.png\nwait 100\nclose\n");
    EXPECT_EQ(f4.exitCode, 0) << f4.output;
    EXPECT_TRUE(f4.shot("still.png")) << "the game ended on F4 alone";
}

TEST(GameRun, MalformedInputScriptStopsWithTheLine) {
    GameRun run;
    runGame(run, "wait 100\nclick here\n");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.output.find("line 2"), std::string::npos) << run.output;
}

// A screen that never comes stops the run at its waitfor line, naming it,
// rather than letting the rest of the script play into the wrong screen.
TEST(GameRun, AWaitforOutOfTimeStopsTheRunNamingItsLine) {
    GameRun run;
    runGame(run, "waitfor LOADED\nwaitfor SCREEN : open nowhere 2000\nkey Escape\n");
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 3) << run.output;
    EXPECT_NE(run.output.find("line 2 (waitfor): \"SCREEN : open nowhere\" was not printed within 2000 ms"),
              std::string::npos)
        << run.output;
}

}  // namespace
