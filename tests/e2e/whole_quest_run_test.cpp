// The whole quest in the real program, every level won with G: the opening
// story, the map before each level (the shop visited once), every kind of
// level and both mini-games, a land's story after every tenth level, the
// closing story and the credits after the last level, then the main menu.
// The script follows the level catalogue,
// so it plays whatever the catalogue holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/top_level.h"
#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The pointer brought over (x, y) a moment first, so the button under it
// lights up; the press and release make one script line, so a screen the
// click opens at once is heard by the `waitfor` after it.
std::string click(int x, int y) {
    const std::string at = std::to_string(x) + " " + std::to_string(y);
    return "move " + at + "\nwait 120\nclick " + at + "\n";
}

// A help page once it is up, read, and gone.
const std::string kHelpRead =
    "waitfor SCREEN : open helppopup\nwait 1000\n" + click(400, 415) + "waitfor SCREEN : close helppopup\nwait 500\n";
const std::string kStorySkip = click(572, 574);

// A story once its gate has opened: shot, then skipped.
std::string storyShotAndSkipped(const std::string& shot) {
    return "waitfor SCREEN : open story\nwait 1500\nshot " + shot + "\n" + kStorySkip;
}

std::string questScript(const std::vector<std::string>& types, std::vector<std::string>& storyShots) {
    std::string s = std::string(kToTheMainMenu) + click(410, 195) + storyShotAndSkipped("opening-story.png");
    // A new quest shows every help page afresh, each once.
    std::set<int> seen;
    for (int nr = 1; nr <= int(types.size()); ++nr) {
        const std::string kind = kindOf(types[size_t(nr - 1)]);
        // The map of this level, and its gate open.
        s += "waitfor \"MAP : level " + std::to_string(nr) + "\"\nwaitfor SCREEN : open questmapobject\n";
        // The map's own pages: the first visit's, and the shop's before level
        // 5, each once the gate has opened.
        if (nr == 1 || nr == 5) s += kHelpRead;
        else s += "wait 1500\n";
        if (nr == 5) {
            // The shop opens before level 5; with no diamonds nothing can be bought.
            s += click(505, 564) + "waitfor SCREEN : open bonusshop\nwait 1200\nmove 700 480\nwait 100\nshot shop.png\n" +
                 click(592, 421) + "waitfor SCREEN : close bonusshop\nwait 1000\n";
        }
        s += click(700, 564) + "waitfor SCREEN : open " + screenOf(kind) + "\n";
        bool help = false;
        for (int page : helpPagesOf(types[size_t(nr - 1)]))
            if (seen.insert(page).second) s += kHelpRead, help = true;
        // With no help page, the level's gate opening.
        if (!help) s += "wait 1500\n";
        s += "keydown G\nwait 120\nkeyup G\n";
        // The win's effect, then the results.
        s += kind == "SHOOTING" ? "wait 6500\n" : "wait 5000\n";
        if (nr == 9 || nr == 19) s += "shot " + kind + "-results.png\n";
        s += click(400, 300) + "waitfor SCREEN : close " + screenOf(kind) + "\n";
        if (nr % 10 == 0 || nr == int(types.size())) {
            const std::string shot = "story-after-" + std::to_string(nr) + ".png";
            storyShots.push_back(shot);
            s += storyShotAndSkipped(shot);
        }
    }
    // The credits follow the closing story; a click leaves them for the menu.
    s += "waitfor SCREEN : open credits\nwait 1500\nshot credits.png\n" + click(400, 300) +
         "waitfor SCREEN : open mainmenu\nwait 1200\nshot menu.png\nclose\n";
    return s;
}

TEST(WholeQuestRun, EveryLevelWonLeadsThroughEveryStoryToTheCreditsAndTheMenu) {
    const std::vector<std::string> types = levelTypes();
    ASSERT_EQ(types.size(), size_t(TMain::kLastQuestLevel));
    for (const char* kind : {"NORMAL", "SHOOTING", "PUZZLE"})
        ASSERT_TRUE(std::any_of(types.begin(), types.end(), [&](const std::string& t) { return kindOf(t) == kind; }))
            << "no " << kind << " level in the quest";

    GameRun run;
    run.cheats = true;
    run.writeWorkFile("cheats.txt", "");
    seedPlayer(run, "Ada", 0, 0, 0);
    std::vector<std::string> storyShots;
    // Twenty pictures a second: the same game on the same clock, a third
    // of the frames to draw.
    runGame(run, questScript(types, storyShots), {"VORNELL_HZ=20"}, 1700);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    // Every level's map, in order, and no level lost or played twice.
    size_t at = 0;
    for (int nr = 1; nr <= TMain::kLastQuestLevel; ++nr) {
        at = run.output.find("MAP : level " + std::to_string(nr) + "\n", at);
        ASSERT_NE(at, std::string::npos) << "the quest stopped before level " << nr << "\n" << run.output;
    }
    EXPECT_FALSE(has(run.output, "Napotkano problem")) << run.output;
    // The stories in the quest's order: the opening, one per land after each
    // tenth level and the closing one.
    std::string stories;
    const std::regex story("STORY : (\\S+)");
    for (std::sregex_iterator i(run.output.begin(), run.output.end(), story), end; i != end; ++i)
        stories += (*i)[1].str() + " ";
    EXPECT_EQ(stories,
              "story.dat oldTown.dat pustkowie.dat baza.dat gory.dat gruzowisko.dat jeziora.dat zlomowisko.dat "
              "wybrzeze.dat wydmy.dat koniec.dat ");
    EXPECT_NE(run.output.find("MAIN MENU", run.output.find("STORY : koniec.dat")), std::string::npos)
        << "no main menu after the credits\n" << run.output;

    for (const std::string& shot : storyShots) EXPECT_TRUE(run.shot(shot)) << shot;
    for (const char* shot : {"opening-story.png", "shop.png", "SHOOTING-results.png", "PUZZLE-results.png",
                             "credits.png", "menu.png"})
        EXPECT_TRUE(run.shot(shot)) << shot;

    // Saved with the quest finished (no level to resume: the next "play"
    // starts a new quest), every help page of the quest seen on the way.
    const std::string ada = readFile(run.saveDir.file("profile1.dat"));
    EXPECT_TRUE(has(ada, "\t level = 0\n")) << ada;
    for (int page = 0; page <= 9; ++page)
        EXPECT_TRUE(has(ada, "\t hint" + std::to_string(page) + " = 1\n")) << "help page " << page << "\n" << ada;
}

}  // namespace
