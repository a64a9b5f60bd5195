// The quest's screens in the real program with keys alone, no mouse: a
// player picked from the players' list, a free marble game set up (tabs
// stepped with Page Down, a colour taken out with Enter), started and left
// through the in-game menu, then the quest map, where S opens the shop and
// Enter buys the focused item, and Enter on the map plays the level.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"
#include "quest/profile_manager.h"
#include "shell/assets.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string keys(std::initializer_list<const char*> names) {
    std::string lines;
    for (const char* name : names) lines += std::string("key ") + name + "\nwait 250\n";
    return lines;
}
// The warm gold of the focus's glow in a rectangle.
int goldIn(const TPixmapPtr& shot, int x0, int y0, int x1, int y1) {
    return pixels::count(shot, x0, y0, x1, y1, pixels::gold);
}

// The glow takes its hue from the picture it surrounds (a blue marble's is
// pale): around a marble, the bright pixels it adds.
int brightIn(const TPixmapPtr& shot, int x0, int y0, int x1, int y1) {
    return pixels::count(shot, x0, y0, x1, y1, [](pixels::Rgb p) { return pixels::brightness(p) > 300; });
}

TEST(KeyboardQuestScreensRun, APlayerPickedAFreeGameLeftAnItemBoughtAndALevelStartedWithKeysAlone) {
    ASSERT_EQ(FileType(testing_support::contentDir()), 2) << testing_support::kNoContent;
    int rowHeight = 0;
    {
        // Where the list puts its rows: their height is the list font's.
        testing_support::InContentDir here;
        fonts.load();
        rowHeight = TProfileManager::rowHeight();
        ASSERT_GT(rowHeight, 0);
    }
    GameRun run;
    // Two players and none current: the list opens at the start. Bob is on
    // level 12, where the shop is open, with diamonds to spend.
    seedPlayers(run, {{"Ada", 3, 100, SeededPlayer::kEveryHint}, {"Bob", 12, 3000, SeededPlayer::kEveryHint}}, 2);

    const std::string script =
        // The list: the first key shows the focus on the first row, the next
        // moves it to Bob; Enter picks him and goes on to "select", Enter
        // there selects him.
        "waitfor LOADED\nkey Space\n" + opened("profilemanager", 800) + keys({"Down", "Down"}) +
        "shot list.png\n" + keys({"Return", "Return"}) + "waitfor SCREEN : close profilemanager\nwait 1500\n" +
        // The main menu's "Free play", its second button.
        keys({"Down", "Down", "Return"}) + opened("freeplaymodule", 1200) +
        // Round the three tabs back to the marbles; the focus on its caption,
        // then down on a colour, which Enter takes out.
        keys({"PageDown", "PageDown", "PageDown"}) + "shot freeplay.png\n" + keys({"Down", "Down"}) +
        "shot freeplay-marble.png\n" + keys({"Return"}) +
        // Down past the bonus marbles and the speed knob to "back", right to
        // "play", which Enter presses.
        keys({"Down", "Down", "Down", "Right"}) + "key Return\n" + opened("game", 2000) +
        // Left through the in-game menu's "main menu" and its question.
        "key Escape\n" + opened("ingamemenu", 600) + keys({"Down", "Down", "Down", "Down", "Return"}) +
        opened("yesorno", 600) + "key Return\nwaitfor SCREEN : close freeplaymodule\nwait 1500\n" +
        // Back in the main menu the focus is on "Free play": up to "Play",
        // then "resume".
        keys({"Up", "Return"}) + opened("playmodeselection", 1000) + keys({"Down", "Return"}) +
        "waitfor \"MAP : level 12\"\n" + opened("questmapobject", 2500) + "shot map.png\n" +
        // The focus shows on the level's marker; Tab goes on through "shop"
        // and "play" to level 1's marker.
        keys({"Left"}) + "shot map-level.png\n" + keys({"Tab", "Tab", "Tab"}) + "shot map-first.png\n" +
        // S opens the shop; the first item to buy takes the focus, Enter
        // asks, Enter answers yes.
        "key S\n" + opened("bonusshop", 1500) + "shot shop.png\n" + keys({"Right"}) + "shot shop-item.png\n" +
        "key Return\n" + opened("yesorno", 800) + "key Return\nwaitfor SHOP : bought\nwait 600\n" +
        // Escape closes the shop; Enter on the map plays the level.
        "key Escape\nwaitfor SCREEN : close bonusshop\nwait 800\nkey Return\n" + opened("game", 1000) + "close\n";
    runGame(run, script);
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_GT(run.output.rfind("SCREEN : open game"), run.output.find("SHOP : bought")) << run.output;
    const std::string index = readFile(run.saveDir.file("profiles.dat"));
    EXPECT_TRUE(has(index, "akt = \"Bob\"")) << index;
    const std::string bob = readFile(run.saveDir.file("profile2.dat"));
    EXPECT_FALSE(has(bob, "kapsle = 3000\n")) << bob;
    EXPECT_TRUE(has(bob, " = 1\n\t bonus")) << "no item in Bob's save\n" << bob;

    // The focus's glow where the keys put it, and not elsewhere.
    const TPixmapPtr list = run.shot("list.png"), freePlay = run.shot("freeplay.png"),
                     marble = run.shot("freeplay-marble.png"), map = run.shot("map.png"),
                     mapFirst = run.shot("map-first.png"), shop = run.shot("shop.png"),
                     shopItem = run.shot("shop-item.png");
    ASSERT_TRUE(list && freePlay && marble && map && mapFirst && shop && shopItem) << run.output;
    const int adaTop = TProfileManager::kFirstRowY, bobTop = adaTop + rowHeight;
    const int bobsRow = goldIn(list, 330, bobTop, 470, bobTop + rowHeight);
    EXPECT_GT(bobsRow, goldIn(list, 330, adaTop, 470, adaTop + rowHeight) + 120) << "no glow around Bob's row";
    // Around the second colour of free play's marble tab (at 214, 249).
    EXPECT_GT(brightIn(marble, 192, 227, 236, 271), brightIn(freePlay, 192, 227, 236, 271) + 120);
    // Around level 1's marker (at 70, 490), left of level 2's.
    EXPECT_GT(goldIn(mapFirst, 44, 466, 88, 514), goldIn(map, 44, 466, 88, 514) + 120);
    // The shop's rows of items, before and with the focus.
    EXPECT_GT(goldIn(shopItem, 150, 180, 650, 280), goldIn(shop, 150, 180, 650, 280) + 120);
}

}  // namespace
