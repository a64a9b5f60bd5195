// Starting with players on the list but none of them current: the real
// program opens the players' list, where one is picked, and plays on with
// that player; the list of nine, which takes no new name, is no dead end.
#include <gtest/gtest.h>

#include <string>

#include "app/start.h"
#include "game_runner.h"
#include "quest/profile_manager.h"
#include "shell/assets.h"

namespace {

using testing_support::readFile;

TEST(PlayersRun, NinePlayersAndNoneCurrentOpenTheListWhereOneIsPicked) {
    int rowHeight = 0;
    {
        // Where the list puts its rows: their height is the list font's.
        testing_support::InContentDir here;
        ASSERT_TRUE(here.ok()) << "no generated working folder";
        fonts.load();
        rowHeight = TProfileManager::rowHeight();
        ASSERT_GT(rowHeight, 0);
    }
    GameRun run;
    const char* const names[] = {"Ada", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy"};
    std::vector<SeededPlayer> players;
    for (const char* name : names) players.push_back({name, 1, 0, 21});
    seedPlayers(run, players, players.size());
    // The index names a player who is not on it.
    const std::string index = readFile(run.saveDir.file("profiles.dat"));
    const size_t at = index.find("akt = \"\"");
    ASSERT_NE(at, std::string::npos) << index;
    testing_support::writeFile(run.saveDir.file("profiles.dat"), index.substr(0, at) + "akt = \"Zed\"" +
                                                                     index.substr(at + 8));

    const std::string thirdRow = "400 " + std::to_string(156 + 2 * rowHeight + rowHeight / 2);
    runGame(run,
            "waitfor LOADED\nkey Space\nwaitfor SCREEN : open profilemanager\nwait 500\n"
            // Escape does not leave a list with nobody chosen, nor quit.
            "key Escape\nwait 500\n"
            "click " + thirdRow + "\nwait 300\n" + clickButton("gui_profile", "select") +
                "waitfor SCREEN : close profilemanager\nwait 1000\nshot menu.png\nclose\n");
    ASSERT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("MAIN MENU"), std::string::npos) << run.output;
    EXPECT_TRUE(run.shot("menu.png")) << "the game ended before the player was picked:\n" << run.output;
    const std::string saved = readFile(run.saveDir.file("profiles.dat"));
    EXPECT_NE(saved.find("akt = \"Cid\""), std::string::npos) << saved << run.output;
    EXPECT_NE(saved.find("i = 9"), std::string::npos) << saved;
}

}  // namespace
