// The board viewer run as a whole program: a laid-out level's marbles sit in
// their cells at every marble size, and a click clears a group.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

// Ten columns, ten rows, 45-pixel marbles; the bottom row starts with three
// marbles of colour 1 and no other marble of that colour is on the board.
const char* kLevel =
    "level {\n"
    "\ttyp = \"NORMAL-NORMAL\"\n\tname = \"Viewer\"\n\tnr = 1\n"
    "\tavailable = \"1 2 3\"\n\tbonus = \"\"\n\trozmiar = 3\n\timg = \"\"\n"
    "\trows = 10\n\tcols = 10\n\ttime = 800\n\tchangetime = 300\n\tlines = 12\n\tpuzzle = \"\"\n"
    "\ttiles {\n\t\trandom = 0\n"
    "\t\trow9 = \"0 0 0 2 3 2 3 2 3 2\"\n"
    "\t\trow10 = \"1 1 1 2 3 3 2 3 2 3\"\n"
    "\t}\n}\n";

// Pixels in the box [x0, x1) x [y0, y1) coloured like the red marble.
int redPixels(const TPixmapPtr& shot, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const uint32_t c = ReadPixel(shot, x, y);
            const int r = int((c >> 16) & 255), g = int((c >> 8) & 255), b = int(c & 255);
            if (r > g + 80 && r > b + 80) ++n;
        }
    return n;
}

TEST(BoardViewerRun, DrawsTheBoardAtEverySizeAndAClickClearsAGroup) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << "no generated working folder";
    GameRun run;
    const std::string level = run.shotsDir.file("viewer.dat");
    testing_support::writeFile(level, kLevel);
    runGame(run,
            // The pointer out of the way (a full screen start puts it mid-screen).
            "waitfor SCREEN : open boardviewer\nmove 790 590\nwait 500\nshot big.png\n"
            "key 1\nwait 300\nshot small.png\n"
            "key 3\nwait 300\nclick 262 467\nmove 760 590\nwait 3000\nshot cleared.png\n"
            "key Escape\n",
            {}, 60, {"--board-viewer", level});
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    TPixmapPtr big = run.shot("big.png"), small = run.shot("small.png"), cleared = run.shot("cleared.png");
    ASSERT_TRUE(big && small && cleared) << run.output;

    // The board's corner is (240, 40); the bottom row's first three cells hold
    // the red marbles and the fourth does not.
    for (int col = 0; col < 3; ++col) {
        SCOPED_TRACE(col);
        EXPECT_GT(redPixels(big, 240 + col * 45, 445, 285 + col * 45, 490), 300);
        EXPECT_GT(redPixels(small, 240 + col * 20, 220, 260 + col * 20, 240), 60);
    }
    EXPECT_LT(redPixels(big, 375, 445, 420, 490), 20);
    EXPECT_LT(redPixels(small, 300, 220, 320, 240), 10);
    EXPECT_LT(redPixels(big, 240, 40, 690, 440), 20) << "nothing red above the bottom row";

    // The red group is gone after the click, and nothing red took its place.
    EXPECT_LT(redPixels(cleared, 240, 40, 690, 490), 20);
}

TEST(BoardViewerRun, ALevelFileItCannotReadEndsItWithAMessage) {
    GameRun run;
    // Escape would leave a viewer that opened all the same, with status 0.
    runGame(run, "waitfor The board viewer cannot show\nkey Escape\n", {}, 60,
            {"--board-viewer", "data/levels/none.dat"});
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("cannot show data/levels/none.dat"), std::string::npos) << run.output;
}

}  // namespace
