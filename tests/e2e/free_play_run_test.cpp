// Free play in the real program, from the main menu: each tab looked at,
// marble boards in all four modes played a little and left, a shooting
// gallery of 20 balloons and a 2 x 2 puzzle played to their results; each
// back at the main menu, where the player's quest is still there to resume.
#include <gtest/gtest.h>

#include <string>

#include "datafiles/rcm_file.h"
#include "game_runner.h"
#include "shell/media/files.h"

namespace {


// Where the layouts put the buttons.
namespace at {
std::string menuFreePlay() { return clickButton("gui_mainmenu", "freeplay"); }
std::string menuPlay() { return clickButton("gui_mainmenu", "play"); }
std::string resume() { return clickButton("gui_play", "resume"); }
std::string shooting() { return clickButton("gui_freeplay", "strzelanie"); }
std::string puzzle() { return clickButton("gui_freeplay", "puzzle"); }
std::string graj() { return clickButton("gui_freeplay", "graj"); }
std::string inGameMainMenu() { return clickButton("gui_ingamemenu", "mainmenu"); }
std::string yes() { return clickButton("gui_yesorno", "yes"); }
const char* const fewerBalloons = "click 448 241\n";
}  // namespace at

// A game of free play over: the main menu comes back under a white veil.
const std::string kBackAtTheMenu = "waitfor SCREEN : close freeplaymodule\nwait 1500\n";

std::string click(const std::string& where) { return "click " + where + "\n"; }
// A player on quest level 1 with points and diamonds, who has seen every
// help page: the player a lost quest level would hurt most.
void questPlayer(GameRun& run) { seedPlayer(run, {"Ada", 1, 7, SeededPlayer::kEveryHint, 120}); }

int saved(const GameRun& run, const std::string& key) {
    TRCMFile f;
    f.Load(run.saveDir.file("profile1.dat"));
    return f.getInt("profile::" + key);
}

// From the main menu: "Play", then "resume" in the play-mode choice, which
// only a quest in progress offers; the map then names the quest's level.
std::string resumeTheQuest() {
    return at::menuPlay() + opened("playmodeselection", 1000) +
           "shot play-mode.png\n" + at::resume() + opened("questmapobject", 500) + "close\n";
}

using pixels::bright;
using pixels::violet;
pixels::Rgb pixel(const TPixmapPtr& shot, int x, int y) { return pixels::at(shot, x, y); }

void expectTheQuestResumed(const GameRun& run) {
    EXPECT_NE(run.output.find("MAP : level 1"), std::string::npos) << run.output;
    EXPECT_EQ(saved(run, "level"), 1);
    EXPECT_EQ(saved(run, "score"), 120);
    EXPECT_EQ(saved(run, "kapsle"), 7);
}

TEST(FreePlayRun, MarbleBoardsInEveryModeAreLeftForTheMenuWithTheQuestIntact) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    questPlayer(run);
    // The set-up left at once, then one board in each mode: picked by its
    // radio button, a few clicks on the marbles, left through the in-game
    // menu and its question.
    std::string script = std::string(kToTheMainMenu) + at::menuFreePlay() + opened("freeplaymodule", 1200) +
                         "shot tab-marbles.png\nkey Escape\nwaitfor SCREEN : close freeplaymodule\nwait 800\n";
    const char* const modes[4][2] = {{"normal", "422 422"}, {"two", "422 449"}, {"changing", "547 422"},
                                     {"strategy", "547 449"}};
    for (const auto& [mode, radio] : modes) {
        script += at::menuFreePlay() + opened("freeplaymodule", 1000) + click(radio) + "wait 100\n" + at::graj() +
                  opened("game", 1000);
        for (int k = 0; k < 3; ++k)
            script += "click " + std::to_string(300 + 90 * k) + " " + std::to_string(420 - 30 * k) + "\nwait 150\n";
        script += std::string("shot board-") + mode + ".png\nkey Escape\n" + opened("ingamemenu", 600) +
                  at::inGameMainMenu() + opened("yesorno", 600) + at::yes() + kBackAtTheMenu;
    }
    script += "shot menu.png\n" + resumeTheQuest();
    runGame(run, script, {}, 400);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    const TPixmapPtr tab = run.shot("tab-marbles.png");
    ASSERT_TRUE(tab) << run.output;
    // The chosen colours bright in their row, the panel's glass around it.
    EXPECT_TRUE(bright(pixel(tab, 177, 240)));
    EXPECT_TRUE(violet(pixel(tab, 400, 180)));
    for (const char* mode : {"normal", "two", "changing", "strategy"}) {
        const TPixmapPtr board = run.shot(std::string("board-") + mode + ".png");
        ASSERT_TRUE(board) << mode << "\n" << run.output;
        // The game screen's side panel, not the set-up or the menu.
        EXPECT_TRUE(violet(pixel(board, 60, 470))) << mode;
    }
    ASSERT_TRUE(run.shot("menu.png"));
    ASSERT_TRUE(run.shot("play-mode.png"));
    expectTheQuestResumed(run);
}

TEST(FreePlayRun, AShootingGalleryOfTwentyBalloonsEndsAtTheMenu) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    run.cheats = true;
    questPlayer(run);
    // Down from 50 to 20 (a fourth click changes nothing), the SMG crate on.
    std::string script = std::string(kToTheMainMenu) + at::menuFreePlay() + opened("freeplaymodule", 1200) +
                         at::shooting() + "wait 300\n";
    for (int i = 0; i < 4; ++i) script += at::fewerBalloons + std::string("wait 150\n");
    // The gallery's countdown runs before the balloons rise.
    script += click("606 352") + "wait 600\nshot tab-shooting.png\n" + at::graj() + opened("shootingminigame", 8000) +
              "shot gallery.png\nkey G\nwait 3000\nshot gallery-results.png\nwait 4000\nclick 400 300\n" +
              kBackAtTheMenu + resumeTheQuest();
    runGame(run, script, {}, 300);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TPixmapPtr tab = run.shot("tab-shooting.png");
    ASSERT_TRUE(tab) << run.output;
    // The count in gold in its well, the chosen crate's switch lit green.
    const pixels::Rgb on = pixel(tab, 590, 352);
    EXPECT_TRUE(on.g > on.r && on.g > on.b) << on.r << " " << on.g << " " << on.b;
    ASSERT_TRUE(run.shot("gallery.png"));
    ASSERT_TRUE(run.shot("gallery-results.png"));
    EXPECT_NE(run.output.find("MAP : level 1"), std::string::npos) << run.output;
    EXPECT_EQ(saved(run, "level"), 1);
}

TEST(FreePlayRun, ATwoByTwoPuzzleIsSolvedAndPaysItsPieces) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    GameRun run;
    run.cheats = true;
    questPlayer(run);
    run.writeWorkFile("data/zestawy.dat",
                      "zestawy {\n\tilosc = 1\n\tzestaw1 {\n\t\trows = 2\n\t\tcols = 2\n"
                      "\t\timg = \"gfx/puzzles/set1.jpg\"\n\t\tname = \"Four Pieces\"\n\t}\n}\n");
    runGame(run,
            std::string(kToTheMainMenu) + at::menuFreePlay() + opened("freeplaymodule", 1200) + at::puzzle() +
                "wait 1500\nshot tab-puzzle.png\n" + at::graj() + opened("puzzlegame", 2500) +
                "shot puzzle.png\nkey G\nwait 3000\nshot puzzle-results.png\nclick 400 300\n" + kBackAtTheMenu +
                resumeTheQuest(),
            {}, 300);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TPixmapPtr tab = run.shot("tab-puzzle.png");
    ASSERT_TRUE(tab) << run.output;
    // The preview has faded in: the picture's sky, not the dark well.
    EXPECT_TRUE(bright(pixel(tab, 317, 230)));
    ASSERT_TRUE(run.shot("puzzle.png"));
    ASSERT_TRUE(run.shot("puzzle-results.png"));
    EXPECT_NE(run.output.find("MAP : level 1"), std::string::npos) << run.output;
    EXPECT_EQ(saved(run, "level"), 1);
    // Four pieces at ten points each, paid to the player.
    EXPECT_EQ(saved(run, "score"), 120 + 40);
}

}  // namespace
