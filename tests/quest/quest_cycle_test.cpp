// The quest's cycle between the levels and the map: what a won level leads
// to, when the shop opens, and the map's clouds.
#include <gtest/gtest.h>

#include <string>

#include "app/game_objects.h"
#include "app/top_level.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "quest/clouds.h"
#include "quest/map.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

// A catalogue of story-kind levels (they load without tile kinds).
class QuestCycle : public ::testing::Test {
protected:
    void SetUp() override {
        std::string text = "levels {\n\tilosc = " + std::to_string(kLevels) + "\n";
        for (int nr = 1; nr <= kLevels; ++nr) {
            const std::string file = dir.file("level" + std::to_string(nr) + ".dat");
            writeFile(file, "level {\n\ttyp = \"STORY-NORMAL\"\n\tnr = " + std::to_string(nr) + "\n}\n");
            text += "\tlevel" + std::to_string(nr) + " {\n\t\tnr = " + std::to_string(nr) + "\n\t\turl = \"" + file +
                    "\"\n\t}\n";
        }
        writeFile(dir.file("levels.dat"), text + "}\n");
        objects().levelManager.setupFrom(dir.file("levels.dat"));
        objects().profileManager.profile = &player;
    }
    void TearDown() override {
        objects().game.setLevel(nullptr);
        objects().levelManager.levels.clear();
        testing_support::resetGlobalState();
    }

    static constexpr int kLevels = 97;
    TempDir dir;
    TProfile player;
    TMain main;
};

TEST_F(QuestCycle, AWonLevelLeadsToTheMapWithTheNextLevel) {
    main.prepareNewQuest();
    EXPECT_EQ(main.state, TMain::State::Map);
    EXPECT_EQ(player.currentLevel, 1);
    ASSERT_TRUE(player.level);
    EXPECT_EQ(objects().game.level, player.level);

    player.currentLevel = 10;
    main.levelWon(10);
    EXPECT_EQ(main.state, TMain::State::Map);
    EXPECT_EQ(main.typGry, "QUEST");
    EXPECT_EQ(player.currentLevel, 11);
    ASSERT_TRUE(player.level);
    EXPECT_EQ(player.level->nr, 11);
    EXPECT_EQ(objects().game.level, player.level);
}

TEST_F(QuestCycle, WinningTheLastLevelEndsTheQuest) {
    player.currentLevel = TMain::kLastQuestLevel;
    player.level = objects().levelManager.loadLevel(TMain::kLastQuestLevel);
    // The credits follow the closing story and wait for a key.
    media::inputKeyDown(KEY_ESCAPE);
    media::inputKeyUp(KEY_ESCAPE);
    main.levelWon(TMain::kLastQuestLevel);
    EXPECT_EQ(main.state, TMain::State::MainMenu);
    EXPECT_FALSE(player.level) << "the main menu would offer to resume a finished quest";
    EXPECT_EQ(player.currentLevel, 0);

    // Saved and read back at the next start, the profile still has no level
    // to resume, and keeps what the quest earned.
    player.score = 4321;
    TRCMFile saved;
    saved.readText(player.fileText());
    TProfile again;
    again.readFrom(saved);
    objects().profileManager.loadQuestLevel(again);
    EXPECT_FALSE(again.level) << "the next start would offer to resume the last level";
    EXPECT_EQ(again.score, 4321);

    // The next quest starts at the first level.
    main.prepareNewQuest();
    EXPECT_EQ(player.currentLevel, 1);
    ASSERT_TRUE(player.level);
    EXPECT_EQ(player.level->nr, 1);
}

TEST_F(QuestCycle, AProfileInTheMiddleOfTheQuestResumesItsLevelAfterASave) {
    // Only the end of the quest drops the level: a saved level in progress
    // comes back, the last one included.
    for (int nr : {12, TMain::kLastQuestLevel}) {
        player.currentLevel = nr;
        TRCMFile saved;
        saved.readText(player.fileText());
        TProfile again;
        again.readFrom(saved);
        objects().profileManager.loadQuestLevel(again);
        ASSERT_TRUE(again.level) << nr;
        EXPECT_EQ(again.level->nr, nr);
    }
}

TEST(Map, TheShopOpensBeforeLevelFiveButNotBeforeTheFourthNinthOrTenthOfEachTen) {
    for (int nr = 1; nr <= 100; ++nr) {
        const int last = nr % 10;
        const bool open = nr >= 5 && last != 4 && last != 9 && last != 0;
        EXPECT_EQ(TMap::shopOpenBefore(nr), open) << nr;
    }
    EXPECT_TRUE(TMap::shopOpenBefore(104)) << "a catalogue beyond the quest keeps its shop open";
}

TEST(Map, TheShopButtonFollowsTheCurrentPlayersLevel) {
    testing_support::InContentDir here;
    if (!here.ok()) GTEST_FAIL() << testing_support::kNoContent;
    TMap map;
    map.setup();
    TGuiObject* shop = map.gui->getItem("sklep");
    ASSERT_TRUE(shop);
    TProfile player;
    objects().profileManager.profile = &player;
    for (auto [level, active] : {std::pair{4, 0}, {5, 1}, {9, 0}, {13, 1}}) {
        player.currentLevel = level;
        map.prepareShop();
        EXPECT_EQ(shop->_v, 1) << level;
        EXPECT_EQ(shop->_a, active) << level;
    }
    objects().profileManager.profile = nullptr;
    map.prepareShop();
    EXPECT_EQ(shop->_a, 0) << "with no player the shop stays shut";
}

TEST(Clouds, AtMostTwentyFiveAndOneLeavingIsReplacedAtOnce) {
    media::resetClock(true, 1000);
    SeedRnd(11);
    delta = 1;
    TChmury sky;
    for (int i = 0; i < 30; ++i) sky.createNewCloud();
    EXPECT_EQ(sky.list.size(), size_t(TChmury::kMaxClouds));
    EXPECT_EQ(sky.createNewCloud(), nullptr);

    sky.list[3].x = 950;  // drifted off the map
    sky.updateALL();
    EXPECT_EQ(sky.list.size(), size_t(TChmury::kMaxClouds));
    for (const TChmura& c : sky.list) {
        EXPECT_GE(c.x, -100);
        EXPECT_LE(c.x, 900);
    }
    EXPECT_LT(sky.list.back().a, 0.02f) << "the new cloud fades in";
    media::resetClock(false, 1000);
}

}  // namespace
