// The bonus shop in the real program: opened from the map before level 5 with
// 600 diamonds, "no" to the question buys nothing, "yes" buys the shuffle,
// "Done" closes the panel, and the purchase is in the saved profile.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int brightness(uint32_t argb) { return pixels::brightness(pixels::rgb(argb)); }
bool violet(uint32_t argb) { return pixels::violet(pixels::rgb(argb)); }

// The brightest pixel in the 30 x 30 square of an item on sale.
int itemBrightness(const TPixmapPtr& shot, int cx, int cy) {
    int best = 0;
    for (int y = cy - 12; y <= cy + 12; ++y)
        for (int x = cx - 12; x <= cx + 12; ++x) best = std::max(best, brightness(ReadPixel(shot, x, y)));
    return best;
}

TEST(ShopRun, ABuyAskedTwiceIsMadeOnlyOnYesAndSaved) {
    GameRun run;
    seedPlayer(run, "Ada", 5, 600, 21);
    // The level before the shop offers colours 1 and 2, the three others and
    // the kinds the shop never sells (colours 9 and 14, the side switch).
    std::string level = readFile(testing_support::contentDir() + "/data/levels/level5.dat");
    level = std::regex_replace(level, std::regex("bonus = \"[^\"]*\""), "bonus = \"1 9 2 14 15 16 17 18\"");
    run.writeWorkFile("data/levels/level5.dat", level);

    const std::string shuffle = "240 260", away = "move 700 480\nwait 100\n";
    const std::string question = "waitfor SCREEN : open yesorno\nwait 1000\n",
                      answered = "waitfor SCREEN : close yesorno\nwait 600\n";
    runGame(run, toTheQuestMap() + clickButton("gui_mapa", "sklep") +
                     "waitfor SCREEN : open bonusshop\nwait 300\nshot opening.png\nwait 1200\n" + away +
                     "shot shop.png\nclick " + shuffle + "\n" + question + "shot question.png\n" +
                     clickButton("gui_yesorno", "no") + answered + away + "shot after-no.png\nclick " + shuffle + "\n" +
                     question + "key Return\n" + answered + away + "shot bought.png\n" + clickButton("gui_sklep", "exit") +
                     "waitfor SCREEN : close bonusshop\nwait 1000\nshot map.png\nclose\n");
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    TPixmapPtr shop = run.shot("shop.png"), afterNo = run.shot("after-no.png"), bought = run.shot("bought.png");
    ASSERT_TRUE(shop && afterNo && bought) << run.output;
    // Offered: colours 1 and 2 in the top row (330 and 380), then shuffle,
    // bomb and eraser (240, 360, 480); only the shuffle is bright at 600.
    EXPECT_TRUE(violet(ReadPixel(shop, 160, 420))) << "no shop panel";
    const int bright = itemBrightness(shop, 240, 260);
    for (const auto& [x, y] : {std::pair{360, 260}, {480, 260}, {330, 200}, {380, 200}})
        EXPECT_LT(itemBrightness(shop, x, y), bright - 100) << "not dimmed at " << x << ", " << y;
    // Nothing beyond the two colours in the top row.
    EXPECT_LT(itemBrightness(shop, 430, 200), 200) << "a third colour is on sale";
    EXPECT_TRUE(violet(ReadPixel(run.shot("question.png"), 420, 300))) << "no question before buying";
    // "no" left the shuffle bright; "yes" spent the diamonds, so it is dim.
    EXPECT_GT(itemBrightness(afterNo, 240, 260), bright - 60);
    EXPECT_LT(itemBrightness(bought, 240, 260), bright - 100);
    // The player's row shows the shuffle (slot 11) lit at once.
    EXPECT_GT(itemBrightness(bought, 527, 347), itemBrightness(afterNo, 527, 347) + 100);
    EXPECT_FALSE(violet(ReadPixel(run.shot("map.png"), 160, 420))) << "the panel did not close";

    EXPECT_TRUE(has(run.output, "SHOP : bought 115, 0 diamonds left")) << run.output;
    const std::string ada = readFile(run.saveDir.file("profile1.dat"));
    EXPECT_TRUE(has(ada, "\t kapsle = 0\n")) << ada;
    EXPECT_TRUE(has(ada, "\t bonus14 = 1\n")) << ada;
    for (int k = 0; k < 17; ++k) {
        if (k == 14) continue;
        EXPECT_TRUE(has(ada, "\t bonus" + std::to_string(k) + " = 0\n")) << ada;
    }
}

}  // namespace
