// From launch to the quest in the real program: the first start's name entry,
// the main menu, the players' list, the play-mode choice, the quest map, the
// settings, and the three ways to quit, with the save files they leave. The
// scripts click where the layouts put the buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// Skips the intro and waits until the main menu's veil has cleared.
const char* const kToTheMenu = "wait 1000\nkey Space\nwait 1200\n";

// The places of the buttons, from the layouts.
namespace at {
const char* const play = "410 195";
const char* const settings = "410 311";
const char* const quit = "410 427";
const char* const change = "705 528";
const char* const entryOk = "330 380";
const char* const entryCancel = "470 380";
const char* const select = "255 466";
const char* const rename = "400 466";
const char* const remove = "545 466";
const char* const newProfile = "325 524";
const char* const resume = "400 290";
const char* const newQuest = "400 350";
const char* const helpOk = "400 415";
const char* const mapPlay = "700 564";
const char* const musicUp = "560 196";
const char* const settingsOk = "400 398";
const char* const storySkip = "572 574";
// Row r of the players' list.
std::string row(int r) { return "400 " + std::to_string(156 + 30 * r + 15); }
}  // namespace at

std::string click(const std::string& where) { return "click " + where + "\n"; }

// A new quest opens with its story: its gate opens, "skip" closes it again.
std::string pastTheOpeningStory() { return "wait 3500\nshot story.png\n" + click(at::storySkip); }

// Players in the save folder: (name, quest level); `current` is the current one.
void seedProfiles(const GameRun& run, const std::vector<std::pair<std::string, int>>& players,
                  const std::string& current, int hintsSeen = 1) {
    std::string index = "profile {\n\t i = " + std::to_string(players.size()) + "\n";
    for (size_t n = 1; n <= players.size(); ++n) {
        const auto& [name, level] = players[n - 1];
        index += "\t profile" + std::to_string(n) + " = \"" + name + "\" \n";
        std::string text = "profile {\n\t level = " + std::to_string(level) + "\n\t name = \"" + name +
                           "\" \n\t score = 0\n\t kapsle = 0\n";
        for (int i = 0; i < 21; ++i) text += "\t hint" + std::to_string(i) + " = " + (i < hintsSeen ? "1" : "0") + "\n";
        writeFile(run.saveDir.file("profile" + std::to_string(n) + ".dat"), text + "}\n");
    }
    writeFile(run.saveDir.file("profiles.dat"), index + "\t akt = \"" + current + "\" \n}\n\n");
}

std::string saved(const GameRun& run, const std::string& file) { return readFile(run.saveDir.file(file)); }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

int channel(uint32_t argb, int shift) { return int((argb >> shift) & 255); }
// The deep violet of the game's glass panels.
bool violet(uint32_t argb) {
    const int r = channel(argb, 16), g = channel(argb, 8), b = channel(argb, 0);
    return b > 60 && b > r && r > g && g < 80;
}
// An inactive button's grey face (every button face is a strong colour).
// Faces are sampled off the middle, where the pointer of a click rests.
bool grey(uint32_t argb) {
    const int r = channel(argb, 16), g = channel(argb, 8), b = channel(argb, 0);
    return std::abs(r - g) < 12 && std::abs(g - b) < 12 && std::abs(r - b) < 12;
}
uint32_t pixel(const GameRun& run, const std::string& shot, int x, int y) {
    TPixmapPtr p = run.shot(shot);
    EXPECT_TRUE(p) << "no screenshot " << shot << "\n" << run.output;
    return p ? ReadPixel(p, x, y) : 0;
}

void expectCleanExit(const GameRun& run) {
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
}

TEST(QuestRun, AFirstStartAsksForANameAndPlaysOnIntoTheMap) {
    GameRun run;
    runGame(run, std::string(kToTheMenu) +
                     "shot entry.png\n"
                     // No player yet: the entry cannot be cancelled, and an empty name is no name.
                     "key Escape\n" + click(at::entryCancel) + "key Return\nwait 400\nshot entry-still.png\n"
                     "type Ada\nwait 400\nshot entry-typed.png\nkey Return\nwait 2500\nshot menu.png\n" +
                     click(at::play) + pastTheOpeningStory() + "wait 4500\nshot map-help.png\n" +
                     click(at::helpOk) + "wait 1000\nshot map.png\nclose\n");
    expectCleanExit(run);
    EXPECT_TRUE(has(run.output, "LOADED : 16 of 16 steps")) << run.output;

    // The forced name entry: its panel up, both buttons inactive until a name is typed.
    EXPECT_TRUE(violet(pixel(run, "entry.png", 215, 350)));
    EXPECT_TRUE(grey(pixel(run, "entry.png", 440, 395)));
    EXPECT_TRUE(grey(pixel(run, "entry.png", 300, 395)));
    EXPECT_TRUE(violet(pixel(run, "entry-still.png", 215, 350))) << "Escape, cancel or Enter closed the entry";
    EXPECT_FALSE(grey(pixel(run, "entry-typed.png", 300, 395))) << "OK stays inactive with a name typed";
    EXPECT_TRUE(grey(pixel(run, "entry-typed.png", 440, 395))) << "cancel is active without a player";
    // The greeting: white letters with a black outline along y 580, centred.
    TPixmapPtr menu = run.shot("menu.png");
    ASSERT_TRUE(menu);
    int white = 0, left = 800, right = 0;
    for (int x = 250; x < 550; ++x)
        for (int y = 572; y < 592; ++y)
            if (ReadPixel(menu, x, y) == 0xFFFFFFFFu) {
                ++white;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_GT(white, 100) << "no greeting";
    EXPECT_NEAR((left + right) / 2, 400, 6) << "the greeting is centred";

    // A new quest: its opening story, then the map at level 1 with help page
    // 0 on the first visit.
    EXPECT_TRUE(run.shot("story.png"));
    EXPECT_TRUE(has(run.output, "END OF STORY")) << run.output;
    EXPECT_TRUE(has(run.output, "MAP : level 1")) << run.output;
    EXPECT_TRUE(violet(pixel(run, "map-help.png", 200, 400)));
    EXPECT_FALSE(violet(pixel(run, "map.png", 200, 400))) << "the help page did not close";
    EXPECT_TRUE(grey(pixel(run, "map.png", 475, 579))) << "the shop is shut before level 5";

    // Saved when the map opened (and again when the window closed).
    const std::string index = saved(run, "profiles.dat");
    EXPECT_TRUE(has(index, "\t i = 1\n")) << index;
    EXPECT_TRUE(has(index, "akt = \"Ada\"")) << index;
    const std::string ada = saved(run, "profile1.dat");
    EXPECT_TRUE(has(ada, "\t level = 1\n")) << ada;
    EXPECT_TRUE(has(ada, "\t hint0 = 1\n")) << ada;
    EXPECT_TRUE(has(saved(run, "settings.dat"), "fullscreen = 1")) << "no settings written on the first start";
}

// Needs the game screen: a won level (the G key with the developer's file)
// shows the results, and the next click leads to the map at level 2.
TEST(QuestRun, WinningLevelOneLeadsToTheMapAtLevelTwo) {
    GameRun run;
    run.cheats = true;
    seedProfiles(run, {{"Ada", 0}}, "Ada");
    // A new quest shows every help page afresh: the map's first, then the
    // two of a first level.
    runGame(run, std::string(kToTheMenu) + click(at::play) + pastTheOpeningStory() + "wait 4500\n" +
                     click(at::helpOk) + "wait 1000\n" + click(at::mapPlay) + "wait 4000\n" + click(at::helpOk) +
                     "wait 800\n" + click(at::helpOk) + "wait 1000\nkey G\nwait 6000\nshot results.png\n"
                     "click 400 300\nwait 5000\nshot map-level2.png\nclose\n",
            {}, 90);
    expectCleanExit(run);
    EXPECT_TRUE(has(run.output, "MAP : level 2")) << run.output;
    const std::string ada = saved(run, "profile1.dat");
    EXPECT_TRUE(has(ada, "\t level = 2\n")) << ada;
    // The level's two help pages were seen on the way.
    EXPECT_TRUE(has(ada, "\t hint1 = 1\n")) << ada;
    EXPECT_TRUE(has(ada, "\t hint2 = 1\n")) << ada;
    EXPECT_TRUE(run.shot("results.png")) << run.output;
}

// A second start with a quest under way: resumed at level 5, the map shows
// the shop's help page and an open shop.
TEST(QuestRun, ASecondStartResumesTheQuestWhereItWas) {
    GameRun resumed;
    seedProfiles(resumed, {{"Ada", 5}}, "Ada");
    runGame(resumed, std::string(kToTheMenu) + click(at::play) + "wait 1200\nshot play-mode.png\n"
                         // Escape backs out of the choice and leaves the menu as it was.
                         "key Escape\nwait 1200\nshot menu.png\n" +
                         click(at::play) + "wait 1200\n" + click(at::resume) + "wait 4500\nshot map-help.png\n" +
                         click(at::helpOk) + "wait 1000\nshot map.png\nclose\n");
    expectCleanExit(resumed);
    EXPECT_TRUE(violet(pixel(resumed, "play-mode.png", 250, 440)));
    EXPECT_FALSE(violet(pixel(resumed, "menu.png", 250, 440))) << "the choice did not close";
    EXPECT_TRUE(has(resumed.output, "MAP : level 5")) << resumed.output;
    EXPECT_FALSE(has(resumed.output, "MAP : level 1")) << resumed.output;
    EXPECT_TRUE(violet(pixel(resumed, "map-help.png", 200, 400))) << "no help page before level 5";
    EXPECT_FALSE(grey(pixel(resumed, "map.png", 475, 579))) << "the shop is open before level 5";
    EXPECT_TRUE(has(saved(resumed, "profile1.dat"), "\t hint8 = 1\n"));
    EXPECT_TRUE(has(saved(resumed, "profile1.dat"), "\t level = 5\n"));
}

TEST(QuestRun, ASecondStartCanStartTheQuestAnew) {
    GameRun anew;
    seedProfiles(anew, {{"Ada", 12}}, "Ada");
    runGame(anew, std::string(kToTheMenu) + click(at::play) + "wait 1200\n" + click(at::newQuest) +
                      pastTheOpeningStory() + "wait 4500\nclose\n");
    expectCleanExit(anew);
    EXPECT_TRUE(has(anew.output, "MAP : level 1")) << anew.output;
    EXPECT_TRUE(has(saved(anew, "profile1.dat"), "\t level = 1\n"));
}

TEST(QuestRun, AnEscapeLeftUnreadBetweenScreensDoesNotEndTheGame) {
    GameRun run;
    seedProfiles(run, {{"Ada", 0}}, "Ada");
    // The map's "play" closes its gate (about 850 ms), then a pause of half a
    // second reads no keys: Escapes pressed then are read by no screen.
    runGame(run, std::string(kToTheMenu) + click(at::play) + pastTheOpeningStory() + "wait 4500\n" +
                     click(at::mapPlay) + "wait 950\nkey Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 3000\n"
                     "shot later.png\nclose\n");
    expectCleanExit(run);
    EXPECT_TRUE(run.shot("later.png")) << "the game ended on an Escape no screen read\n" << run.output;
    EXPECT_TRUE(has(saved(run, "profile1.dat"), "\t level = 1\n"));
}

TEST(QuestRun, ThePlayersListCreatesRenamesDeletesAndSelectsPlayers) {
    GameRun run;
    seedProfiles(run, {{"Ada", 3}}, "Ada");
    std::string script = std::string(kToTheMenu) + click(at::change) + "wait 600\n";
    // Eight more players: nine in all.
    for (const char* name : {"Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"})
        script += click(at::newProfile) + "wait 300\ntype " + name + "\nwait 300\nkey Return\nwait 300\n";
    script += "shot nine.png\n";
    // "new" is inactive now: the click opens nothing, the name goes nowhere.
    script += click(at::newProfile) + "wait 300\ntype Jon\nwait 300\nkey Return\nwait 300\n";
    // Bob cannot become a second Ada (letter case ignored), but can become Ann.
    script += click(at::row(1)) + click(at::rename) + "wait 300\n";
    script += "key Backspace\nwait 100\nkey Backspace\nwait 100\nkey Backspace\nwait 100\ntype ada\nwait 300\n";
    script += "shot taken.png\nkey Return\nwait 300\nshot still-asking.png\n";
    script += "key Backspace\nwait 100\nkey Backspace\nwait 100\nkey Backspace\nwait 100\ntype Ann\nwait 300\n";
    script += "key Return\nwait 300\n";
    // The ninth row, Ivy, is deleted after the question.
    script += click(at::row(8)) + click(at::remove) + "wait 900\nshot question.png\nkey Return\nwait 1200\n";
    script += "shot eight.png\n";
    // Cid becomes the current player; leaving the list does not save, quitting does.
    script += click(at::row(2)) + click(at::select) + "wait 600\n" + click(at::quit) + "wait 1000\n";
    // Every frame a player sees: here one click ends in the instant the next
    // begins, and the script's timing was set at 60 pictures a second.
    runGame(run, script, {"VORNELL_HZ=60"}, 110);
    expectCleanExit(run);

    EXPECT_TRUE(grey(pixel(run, "nine.png", 295, 539))) << "\"new\" is active with nine players";
    EXPECT_FALSE(grey(pixel(run, "eight.png", 295, 539))) << "\"new\" is inactive with eight players";
    EXPECT_TRUE(violet(pixel(run, "taken.png", 215, 350))) << "no name entry for renaming";
    EXPECT_TRUE(grey(pixel(run, "taken.png", 300, 395))) << "OK is active for a name that is taken";
    EXPECT_TRUE(violet(pixel(run, "still-asking.png", 215, 350))) << "a taken name was accepted";
    EXPECT_TRUE(violet(pixel(run, "question.png", 600, 300))) << "deleting did not ask first";

    const std::string index = saved(run, "profiles.dat");
    EXPECT_TRUE(has(index, "\t i = 8\n")) << index;
    const char* const expected[] = {"Ada", "Ann", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal"};
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(has(index, "\t profile" + std::to_string(n) + " = \"" + expected[n - 1] + "\" \n")) << index;
    EXPECT_FALSE(has(index, "Jon")) << index;
    EXPECT_FALSE(has(index, "Ivy")) << index;
    EXPECT_EQ(count(index, "\"Ada\""), 1) << index;
    EXPECT_TRUE(has(index, "akt = \"Cid\"")) << index;
    // Ada's progress is her own and stays where it was.
    EXPECT_TRUE(has(saved(run, "profile1.dat"), "\t level = 3\n"));
    EXPECT_TRUE(has(saved(run, "profile2.dat"), "\t name = \"Ann\" \n"));
}

// Each way of quitting saves the players: Bob is made the current player,
// which only a save at the end can record. Returns the finished run.
void quitAfterChoosingBob(GameRun& run, const std::string& howToQuit) {
    seedProfiles(run, {{"Ada", 0}, {"Bob", 7}}, "Ada");
    runGame(run, std::string(kToTheMenu) + click(at::change) + "wait 600\n" + click(at::row(1)) + click(at::select) +
                     "wait 600\n" + howToQuit);
    expectCleanExit(run);
    EXPECT_TRUE(has(saved(run, "profiles.dat"), "akt = \"Bob\"")) << run.output;
    EXPECT_TRUE(has(saved(run, "profile2.dat"), "\t level = 7\n"));
}

TEST(QuestRun, QuittingByTheButtonSavesThePlayersAndTheSettingsOnTheWay) {
    GameRun run;
    // The settings on the way: the music twice louder, saved when they close.
    quitAfterChoosingBob(run, click(at::settings) + "wait 600\n" + click(at::musicUp) + "wait 200\n" +
                                  click(at::musicUp) + "wait 200\n" + click(at::settingsOk) + "wait 600\n" +
                                  click(at::quit) + "wait 1000\n");
    const std::string settings = saved(run, "settings.dat");
    EXPECT_TRUE(has(settings, "music = 0.80")) << settings;
}

TEST(QuestRun, QuittingByAltF4SavesThePlayers) {
    GameRun run;
    quitAfterChoosingBob(run, "keydown Left Alt\nkey F4\nkeyup Left Alt\nwait 1000\n");
}

TEST(QuestRun, ClosingTheWindowSavesThePlayers) {
    GameRun run;
    quitAfterChoosingBob(run, "close\nwait 1000\n");
}

}  // namespace
