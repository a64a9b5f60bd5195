// The quest from the very first start without a mouse, in the real program:
// once on the keyboard alone and once on a gamepad alone (SDL's virtual
// one). The name typed, the main menu, the opening story, the map, the first
// level won by the board's cursor, the shop looked into, the shooting
// gallery played and the picture puzzle solved, and the map again at level
// 20; the levels between are ended by the developer's G, which is no
// player's input. Not one pointer line in either script.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

constexpr int kLastLevelPlayed = 19;

// A help page once it is up, read, and gone.
std::string helpRead(const Hands& hands) {
    return "waitfor SCREEN : open helppopup\nwait 1000\n" + hands.tap("Return") +
           "waitfor SCREEN : close helppopup\nwait 500\n";
}

std::string script(const Hands& hands, const std::vector<std::string>& types) {
    std::string s = hands.plugIn() + "waitfor LOADED\n" + hands.tap("Return") +
                    // The first start asks for a name over the main menu.
                    "waitfor SCREEN : open profilename\nwait 800\n" + hands.typeName("ADA") +
                    "waitfor SCREEN : close profilename\nwait 1200\n"
                    // The first arrow shows the focus on Play; Enter presses it.
                    + hands.tap("Down") + "wait 300\nshot menu.png\n" + hands.tap("Return") +
                    "waitfor SCREEN : open story\nwait 1500\nshot story.png\n" + hands.tap("Escape") +
                    "waitfor SCREEN : close story\n";
    std::set<int> seen;
    for (int nr = 1; nr <= kLastLevelPlayed; ++nr) {
        const std::string typ = types[size_t(nr - 1)], kind = kindOf(typ), screen = screenOf(kind);
        s += "waitfor \"MAP : level " + std::to_string(nr) + "\"\nwaitfor SCREEN : open questmapobject\n";
        // The map's own pages: the first visit's, and the shop's before level 5.
        s += nr == 1 || nr == 5 ? helpRead(hands) : "wait 1500\n";
        if (nr == 5) {
            s += hands.tap("S") + "waitfor SCREEN : open bonusshop\nwait 1200\n" + hands.tap("Down") +
                 "wait 300\nshot shop.png\n" + hands.tap("Escape") + "waitfor SCREEN : close bonusshop\nwait 1000\n";
        }
        if (nr == 1 || nr == 9 || nr == 19) s += "shot map-" + std::to_string(nr) + ".png\n";
        s += hands.tap("Return") + "waitfor SCREEN : open " + screen + "\n";
        bool help = false;
        for (int page : helpPagesOf(typ))
            if (seen.insert(page).second) s += helpRead(hands), help = true;
        if (!help) s += "wait 1500\n";
        if (nr == 1) {
            s += hands.tap("Up") + "wait 300\nshot board.png\n" + hands.sweepBoardUntilWon(1) + "wait 7000\n";
        } else if (kind == "SHOOTING") {
            s += "waitfor \"SHOOTING : go\"\n" + hands.tap("Up") + hands.hold("Right") + "wait 300\n" +
                 hands.letGo("Right") + "wait 300\nshot gallery.png\n" + hands.shootUntilResults() + "wait 3000\n";
        } else if (kind == "PUZZLE") {
            s += "waitfor \"PUZZLE : go\"\n" + hands.tap("Tab") + "wait 300\nshot puzzle.png\n" + hands.solvePuzzle() +
                 "wait 3000\n";
        } else {
            s += "keydown G\nwait 120\nkeyup G\nwait 5000\n";
        }
        s += hands.tap("Return") + "waitfor SCREEN : close " + screen + "\n";
        if (nr == 10) s += "waitfor SCREEN : open story\nwait 1500\n" + hands.tap("Escape");
    }
    return s + "waitfor \"MAP : level " + std::to_string(kLastLevelPlayed + 1) +
           "\"\nwaitfor SCREEN : open questmapobject\nwait 1500\nshot map-end.png\nclose\n";
}

void playWithout(const Hands& hands) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    const std::vector<std::string> types = levelTypes();
    ASSERT_GE(types.size(), size_t(kLastLevelPlayed));
    ASSERT_EQ(kindOf(types[0]), "NORMAL");
    ASSERT_EQ(kindOf(types[8]), "SHOOTING");
    ASSERT_EQ(kindOf(types[18]), "PUZZLE");
    const std::string lines = script(hands, types);
    for (const char* pointer : {"move ", "click ", "press ", "release "})
        ASSERT_FALSE(has(lines, pointer)) << pointer;

    GameRun run;
    run.cheats = true;
    run.writeWorkFile("cheats.txt", "");
    runGame(run, lines, {"VORNELL_HZ=20"}, 1500);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    if (hands.pad) {
        EXPECT_TRUE(has(run.output, "GAMEPAD : plugged in")) << run.output;
    }
    for (const char* line : {"STORY : story.dat", "GAME : won level 1", "SHOOTING : results", "PUZZLE : solved",
                             "SCREEN : open bonusshop", "MAP : level 20"})
        EXPECT_TRUE(has(run.output, line)) << line << "\n" << run.output;
    EXPECT_FALSE(has(run.output, "SCREEN : open gamelostinfo")) << run.output;

    // Saved: the player by the name typed, at level 20, with the help pages
    // of the levels played seen.
    EXPECT_TRUE(has(readFile(run.saveDir.file("profiles.dat")), "akt = \"Ada\"")) << "the name typed";
    const std::string ada = readFile(run.saveDir.file("profile1.dat"));
    EXPECT_TRUE(has(ada, "\t level = 20\n")) << ada;
    for (int page : {0, 1, 2, 7, 8, 9})
        EXPECT_TRUE(has(ada, "\t hint" + std::to_string(page) + " = 1\n")) << "help page " << page << "\n" << ada;
    for (const char* shot : {"menu.png", "story.png", "map-1.png", "board.png", "shop.png", "gallery.png", "puzzle.png",
                             "map-end.png"})
        EXPECT_TRUE(run.shot(shot)) << shot;
}

TEST(NoMouseRun, TheKeyboardAlonePlaysFromTheFirstStartToLevelTwenty) { playWithout(Hands{false}); }

TEST(NoMouseRun, AGamepadAlonePlaysFromTheFirstStartToLevelTwenty) { playWithout(Hands{true}); }

}  // namespace
