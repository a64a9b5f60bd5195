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

using testing_support::writeFile;

// Skips the intro and waits until the main menu's veil has cleared.
const char* const kToTheMenu = "wait 1000\nkey Space\nwait 1200\n";
// Where the layouts put the buttons.
namespace at {
const char* const menuFreePlay = "410 253";
const char* const menuPlay = "410 195";
const char* const resume = "400 290";
const char* const marbles = "245 146";
const char* const shooting = "400 146";
const char* const puzzle = "555 146";
const char* const graj = "570 515";
const char* const fewerBalloons = "448 241";
const char* const inGameMainMenu = "470 390";
const char* const yes = "432 365";
}  // namespace at

std::string click(const std::string& where) { return "click " + where + "\n"; }

// A player on quest level 1 with points and diamonds, who has seen every
// help page: the player a lost quest level would hurt most.
void questPlayer(GameRun& run) {
    writeFile(run.saveDir.file("profiles.dat"), "profile {\n\t i = 1\n\t profile1 = \"Ada\" \n\t akt = \"Ada\" \n}\n");
    std::string hints;
    for (int i = 0; i < 21; ++i) hints += "\t hint" + std::to_string(i) + " = 1\n";
    writeFile(run.saveDir.file("profile1.dat"),
              "profile {\n\t level = 1\n\t name = \"Ada\" \n\t score = 120\n\t kapsle = 7\n" + hints + "}\n");
}

int saved(const GameRun& run, const std::string& key) {
    TRCMFile f;
    f.Load(run.saveDir.file("profile1.dat"));
    return f.getInt("profile::" + key);
}

// From the main menu: "Play", then "resume" in the play-mode choice, which
// only a quest in progress offers; the map then names the quest's level.
std::string resumeTheQuest() {
    return click(at::menuPlay) + "wait 1200\nshot play-mode.png\n" + click(at::resume) + "wait 4000\nclose\n";
}

struct Rgb {
    int r, g, b;
};
Rgb pixel(const TPixmapPtr& shot, int x, int y) {
    const uint32_t c = ReadPixel(shot, x, y);
    return {int((c >> 16) & 255), int((c >> 8) & 255), int(c & 255)};
}
// The violet glass of the game's panels.
bool violet(Rgb p) { return p.b > 60 && p.b > p.r && p.r > p.g && p.g < 80; }
bool bright(Rgb p) { return p.r + p.g + p.b > 360; }

void expectTheQuestResumed(const GameRun& run) {
    EXPECT_NE(run.output.find("MAP : level 1"), std::string::npos) << run.output;
    EXPECT_EQ(saved(run, "level"), 1);
    EXPECT_EQ(saved(run, "score"), 120);
    EXPECT_EQ(saved(run, "kapsle"), 7);
}

TEST(FreePlayRun, MarbleBoardsInEveryModeAreLeftForTheMenuWithTheQuestIntact) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << "no generated working folder";
    GameRun run;
    questPlayer(run);
    // The set-up left at once, then one board in each mode: picked by its
    // radio button, a few clicks on the marbles, left through the in-game
    // menu and its question.
    std::string script = std::string(kToTheMenu) + click(at::menuFreePlay) + "wait 1200\nshot tab-marbles.png\n" +
                         "key Escape\nwait 800\n";
    const char* const modes[4][2] = {{"normal", "422 422"}, {"two", "422 449"}, {"changing", "547 422"},
                                     {"strategy", "547 449"}};
    for (const auto& [mode, radio] : modes) {
        script += click(at::menuFreePlay) + "wait 1000\n" + click(radio) + "wait 100\n" + click(at::graj) +
                  "wait 2500\n";
        for (int k = 0; k < 3; ++k)
            script += "click " + std::to_string(300 + 90 * k) + " " + std::to_string(420 - 30 * k) + "\nwait 150\n";
        script += std::string("shot board-") + mode + ".png\nkey Escape\nwait 600\n" + click(at::inGameMainMenu) +
                  "wait 600\n" + click(at::yes) + "wait 2000\n";
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
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << "no generated working folder";
    GameRun run;
    run.cheats = true;
    questPlayer(run);
    // Down from 50 to 20 (a fourth click changes nothing), the SMG crate on.
    std::string script = std::string(kToTheMenu) + click(at::menuFreePlay) + "wait 1200\n" + click(at::shooting) +
                         "wait 300\n";
    for (int i = 0; i < 4; ++i) script += click(at::fewerBalloons) + "wait 150\n";
    script += click("606 352") + "wait 600\nshot tab-shooting.png\n" + click(at::graj) +
              "wait 9000\nshot gallery.png\nkey G\nwait 3000\nshot gallery-results.png\nwait 4000\n"
              "click 400 300\nwait 2500\n" + resumeTheQuest();
    runGame(run, script, {}, 300);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const TPixmapPtr tab = run.shot("tab-shooting.png");
    ASSERT_TRUE(tab) << run.output;
    // The count in gold in its well, the chosen crate's switch lit green.
    const Rgb on = pixel(tab, 590, 352);
    EXPECT_TRUE(on.g > on.r && on.g > on.b) << on.r << " " << on.g << " " << on.b;
    ASSERT_TRUE(run.shot("gallery.png"));
    ASSERT_TRUE(run.shot("gallery-results.png"));
    EXPECT_NE(run.output.find("MAP : level 1"), std::string::npos) << run.output;
    EXPECT_EQ(saved(run, "level"), 1);
}

TEST(FreePlayRun, ATwoByTwoPuzzleIsSolvedAndPaysItsPieces) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << "no generated working folder";
    GameRun run;
    run.cheats = true;
    questPlayer(run);
    run.writeWorkFile("data/zestawy.dat",
                      "zestawy {\n\tilosc = 1\n\tzestaw1 {\n\t\trows = 2\n\t\tcols = 2\n"
                      "\t\timg = \"gfx/puzzles/set1.jpg\"\n\t\tname = \"Four Pieces\"\n\t}\n}\n");
    runGame(run,
            std::string(kToTheMenu) + click(at::menuFreePlay) + "wait 1200\n" + click(at::puzzle) +
                "wait 1500\nshot tab-puzzle.png\n" + click(at::graj) +
                "wait 4000\nshot puzzle.png\nkey G\nwait 3000\nshot puzzle-results.png\nclick 400 300\nwait 3000\n" +
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
