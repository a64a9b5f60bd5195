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

// The buttons, where the layouts put them.
namespace at {
std::string play() { return clickButton("gui_mainmenu", "play"); }
std::string settings() { return clickButton("gui_mainmenu", "settings"); }
std::string quit() { return clickButton("gui_mainmenu", "quit"); }
std::string change() { return clickButton("gui_mainmenu", "change"); }
std::string entryCancel() { return clickButton("gui_entry", "cancel"); }
std::string select() { return clickButton("gui_profile", "select"); }
std::string rename() { return clickButton("gui_profile", "rename"); }
std::string remove() { return clickButton("gui_profile", "delete"); }
std::string newProfile() { return clickButton("gui_profile", "new"); }
std::string resume() { return clickButton("gui_play", "resume"); }
std::string newQuest() { return clickButton("gui_play", "new"); }
std::string helpOk() { return clickButton("gui_help", "ok"); }
std::string mapPlay() { return clickButton("gui_mapa", "play"); }
std::string musicUp() { return clickButton("gui_settings", "plus1"); }
std::string settingsOk() { return clickButton("gui_settings", "ok"); }
std::string storySkip() { return clickButton("gui_story", "skip"); }
// Row r of the players' list.
std::string row(int r) { return "click 400 " + std::to_string(156 + 30 * r + 15) + "\n"; }
}  // namespace at

// Waits for a screen or pop-up to close, then lets it fade.
std::string closed(const std::string& screen, int settleMs = 500) {
    return "waitfor SCREEN : close " + screen + "\nwait " + std::to_string(settleMs) + "\n";
}

// A new quest opens with its story: its gate opens, "skip" closes it again.
std::string pastTheOpeningStory() { return opened("story", 1500) + "shot story.png\n" + at::storySkip(); }
// The map's own help page, read and closed.
std::string pastTheMapsHelp() { return opened("helppopup") + "shot map-help.png\n" + at::helpOk() + closed("helppopup"); }

// Players in the save folder: (name, quest level); `current` is the current one.
void seedProfiles(const GameRun& run, const std::vector<std::pair<std::string, int>>& players, size_t current) {
    std::vector<SeededPlayer> seeded;
    for (const auto& [name, level] : players) seeded.push_back({name, level, 0, 1});
    seedPlayers(run, seeded, current);
}

std::string saved(const GameRun& run, const std::string& file) { return readFile(run.saveDir.file(file)); }

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

bool violet(uint32_t argb) { return pixels::violet(pixels::rgb(argb)); }
bool grey(uint32_t argb) { return pixels::grey(pixels::rgb(argb)); }
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
    runGame(run, std::string(kToTheMainMenu) + opened("profilename") +
                     "shot entry.png\n"
                     // No player yet: the entry cannot be cancelled, and an empty name is no name.
                     "key Escape\n" + at::entryCancel() + "key Return\nwait 400\nshot entry-still.png\n"
                     "type Ada\nwait 400\nshot entry-typed.png\nkey Return\n" + closed("profilename", 1500) +
                     "shot menu.png\n" + at::play() + pastTheOpeningStory() + pastTheMapsHelp() +
                     "shot map.png\nclose\n");
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
    seedProfiles(run, {{"Ada", 0}}, 0);
    // A new quest shows every help page afresh: the map's first, then the
    // two of a first level. The win's effect and the results take their time.
    runGame(run, std::string(kToTheMainMenu) + at::play() + pastTheOpeningStory() + pastTheMapsHelp() +
                     at::mapPlay() + opened("helppopup") + at::helpOk() + closed("helppopup", 0) +
                     opened("helppopup") + at::helpOk() + closed("helppopup", 1000) +
                     "key G\nwait 6000\nshot results.png\nclick 400 300\n" + opened("questmapobject", 1500) +
                     "shot map-level2.png\nclose\n",
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
    seedProfiles(resumed, {{"Ada", 5}}, 0);
    runGame(resumed, std::string(kToTheMainMenu) + at::play() + opened("playmodeselection") + "shot play-mode.png\n"
                         // Escape backs out of the choice and leaves the menu as it was.
                         "key Escape\n" + closed("playmodeselection", 1000) + "shot menu.png\n" + at::play() +
                         opened("playmodeselection") + at::resume() + pastTheMapsHelp() + "shot map.png\nclose\n");
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
    seedProfiles(anew, {{"Ada", 12}}, 0);
    runGame(anew, std::string(kToTheMainMenu) + at::play() + opened("playmodeselection") + at::newQuest() +
                      pastTheOpeningStory() + opened("questmapobject") + "close\n");
    expectCleanExit(anew);
    EXPECT_TRUE(has(anew.output, "MAP : level 1")) << anew.output;
    EXPECT_TRUE(has(saved(anew, "profile1.dat"), "\t level = 1\n"));
}

TEST(QuestRun, AnEscapeLeftUnreadBetweenScreensDoesNotEndTheGame) {
    GameRun run;
    seedProfiles(run, {{"Ada", 0}}, 0);
    // The map's "play" closes its gate (about 850 ms), then a pause of half a
    // second reads no keys: Escapes pressed then are read by no screen.
    runGame(run, std::string(kToTheMainMenu) + at::play() + pastTheOpeningStory() + opened("questmapobject", 1500) +
                     at::mapPlay() + "wait 950\nkey Escape\nwait 100\nkey Escape\nwait 100\nkey Escape\nwait 3000\n"
                     "shot later.png\nclose\n");
    expectCleanExit(run);
    EXPECT_TRUE(run.shot("later.png")) << "the game ended on an Escape no screen read\n" << run.output;
    EXPECT_TRUE(has(saved(run, "profile1.dat"), "\t level = 1\n"));
}

TEST(QuestRun, ThePlayersListCreatesRenamesDeletesAndSelectsPlayers) {
    GameRun run;
    seedProfiles(run, {{"Ada", 3}}, 0);
    std::string script = std::string(kToTheMainMenu) + at::change() + opened("profilemanager", 600);
    // Eight more players: nine in all.
    for (const char* name : {"Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"})
        script += at::newProfile() + opened("profilename", 300) + "type " + name + "\nwait 300\nkey Return\n" +
                  closed("profilename", 300);
    script += "shot nine.png\n";
    // "new" is inactive now: the click opens nothing, the name goes nowhere.
    script += at::newProfile() + "wait 300\ntype Jon\nwait 300\nkey Return\nwait 300\n";
    // Bob cannot become a second Ada (letter case ignored), but can become Ann.
    script += at::row(1) + at::rename() + opened("profilename", 300);
    script += "key Backspace\nwait 100\nkey Backspace\nwait 100\nkey Backspace\nwait 100\ntype ada\nwait 300\n";
    script += "shot taken.png\nkey Return\nwait 300\nshot still-asking.png\n";
    script += "key Backspace\nwait 100\nkey Backspace\nwait 100\nkey Backspace\nwait 100\ntype Ann\nwait 300\n";
    script += "key Return\nwait 300\n";
    // The ninth row, Ivy, is deleted after the question.
    script += at::row(8) + at::remove() + opened("yesorno", 900) + "shot question.png\nkey Return\n" +
              closed("yesorno", 700);
    script += "shot eight.png\n";
    // Cid becomes the current player; leaving the list does not save, quitting does.
    script += at::row(2) + at::select() + closed("profilemanager", 600) + at::quit() + "wait 1000\n";
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
    seedProfiles(run, {{"Ada", 0}, {"Bob", 7}}, 0);
    runGame(run, std::string(kToTheMainMenu) + at::change() + opened("profilemanager", 600) + at::row(1) +
                     at::select() + closed("profilemanager", 600) + howToQuit);
    expectCleanExit(run);
    EXPECT_TRUE(has(saved(run, "profiles.dat"), "akt = \"Bob\"")) << run.output;
    EXPECT_TRUE(has(saved(run, "profile2.dat"), "\t level = 7\n"));
}

TEST(QuestRun, QuittingByTheButtonSavesThePlayersAndTheSettingsOnTheWay) {
    GameRun run;
    // The settings on the way: the music twice louder, saved when they close.
    quitAfterChoosingBob(run, at::settings() + opened("settings", 600) + at::musicUp() + "wait 200\n" +
                                  at::musicUp() + "wait 200\n" + at::settingsOk() + closed("settings", 600) +
                                  at::quit() + "wait 1000\n");
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
