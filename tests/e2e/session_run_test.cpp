// A level's session as a whole program: a player who leaves the window finds
// the level paused under the in-game menu, and a recorded session replays to
// the same pictures and the same saves.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <unistd.h>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

void writePlayer(GameRun& run) { seedPlayer(run, {"Ada", 1, 0, 10}); }

// Level 1: a row pushed in every 3 s, twenty waiting, no backdrop.
void writeTimedLevel(GameRun& run) {
    run.writeWorkFile("data/levels/level1.dat",
                      "level {\n\ttyp = \"NORMAL-NORMAL\"\n\tname = \"Proving Ground\"\n\tnr = 1\n"
                      "\tavailable = \"1 2 3\"\n\tbonus = \"\"\n\trozmiar = 3\n\timg = \"\"\n"
                      "\trows = 10\n\tcols = 10\n\ttime = 300\n\tchangetime = 300\n\tlines = 20\n\tpuzzle = \"\"\n"
                      "\ttiles {\n\t\trandom = 0\n\t\trow10 = \"1 1 1 2 3 2 3 2 3 2\"\n"
                      "\t\trow9 = \"2 3 2 3 2 3 2 3 2 3\"\n\t}\n}\n");
}

int goldIn(const TPixmapPtr& shot, int x0, int y0, int x1, int y1) {
    return pixels::count(shot, x0, y0, x1, y1, pixels::gold);
}

TEST(PauseRun, FocusLostDuringATimedLevelOpensTheMenuAndNoRowComesWhileItIsUp) {
    GameRun run;
    writePlayer(run);
    writeTimedLevel(run);
    // Two seconds of play, twenty seconds away from the window, then back to
    // the main menu through the menu: without the pause six rows would come.
    runGame(run,
            "move 790 590\nwait 2000\nshot playing.png\nblur\nwait 1500\nshot paused-early.png\nwait 18500\n"
            "shot paused.png\nfocus\n"
            "click 470 390\nwait 1000\nkey Return\nwait 3000\n",
            {}, 110, {"--play-level", "1"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("play-level: level 1 left, points 0, diamonds 0, matches 0, biggest 0, lines left 20"),
              std::string::npos)
        << run.output;
    const TPixmapPtr playing = run.shot("playing.png"), early = run.shot("paused-early.png"),
                     paused = run.shot("paused.png");
    ASSERT_TRUE(playing && early && paused) << run.output;
    // The time bar under the board stands still behind the menu.
    int moved = 0;
    for (int y = 503; y < 553; ++y)
        for (int x = 236; x < 694; ++x)
            if (ReadPixel(early, x, y) != ReadPixel(paused, x, y)) ++moved;
    EXPECT_EQ(moved, 0);
    // The menu's gold-rimmed panel stands over the board's middle.
    EXPECT_GT(goldIn(paused, 330, 150, 610, 450), 500);
    EXPECT_LT(goldIn(playing, 330, 150, 610, 450), 50);
}

// The console's line about the level, as --play-level writes it.
std::string outcome(const GameRun& run) {
    const size_t at = run.output.find("play-level: ");
    return at == std::string::npos ? "" : run.output.substr(at, run.output.find('\n', at) - at);
}

TEST(SessionRun, ARecordedLevelReplaysToTheSameScreenshotsAndSavesOnEitherClock) {
    // Three reds removed, a row pushed in, a pause, another row, then the
    // main menu through the in-game menu.
    GameRun recorded;
    writePlayer(recorded);
    writeTimedLevel(recorded);
    const std::string recording = recorded.saveDir.path() + "/../session-" + std::to_string(getpid()) + ".txt";
    runGame(recorded,
            "move 790 590\nwait 2000\nclick 262 467\nmove 500 100\nwait 3000\nshot pushed.png\nblur\nwait 1500\n"
            "shot paused.png\nkey Escape\nwait 3000\nshot again.png\nkey Escape\nwait 1200\nclick 470 390\n"
            "wait 1000\nkey Return\nwait 2000\n",
            {"VORNELL_RECORD=" + recording}, 110, {"--play-level", "1"});
    ASSERT_FALSE(recorded.timedOut) << recorded.output;
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    ASSERT_NE(outcome(recorded).find("points 9"), std::string::npos) << recorded.output;
    const std::string text = readFile(recording);
    EXPECT_EQ(text.rfind("vornell-replay 1\n", 0), 0u);
    EXPECT_LT(text.size(), 200000u) << "a recording stays compact";

    for (const char* clock : {"virtual", "real"}) {
        SCOPED_TRACE(clock);
        // Another seed and no script: everything comes from the recording.
        GameRun replayed;
        writePlayer(replayed);
        writeTimedLevel(replayed);
        runGame(replayed, "", {"VORNELL_REPLAY=" + recording, "VORNELL_SEED=77", std::string("VORNELL_CLOCK=") + clock},
                110, {"--play-level", "1"});
        ASSERT_FALSE(replayed.timedOut) << replayed.output;
        ASSERT_EQ(replayed.exitCode, 0) << replayed.output;
        EXPECT_EQ(outcome(replayed), outcome(recorded)) << replayed.output;
        for (const char* shot : {"pushed.png", "paused.png", "again.png"}) {
            const std::string original = readFile(recorded.shotsDir.file(shot));
            ASSERT_FALSE(original.empty()) << shot;
            EXPECT_TRUE(readFile(replayed.shotsDir.file(shot)) == original) << shot << " differs";
        }
        for (const char* save : {"profiles.dat", "profile1.dat", "bests1.dat"})
            EXPECT_EQ(readFile(replayed.saveDir.file(save)), readFile(recorded.saveDir.file(save))) << save;
    }
    std::remove(recording.c_str());
}

}  // namespace
