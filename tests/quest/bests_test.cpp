// Personal bests: what a try and a win change, what counts as a new best,
// their file (round trip, damage), and how they follow their profile through
// renaming, deletion and renumbering.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "players/bests.h"
#include "quest/profile_manager.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

TBests fromText(const std::string& text) {
    TRCMFile file;
    file.readText(text);
    TBests bests;
    bests.readFrom(file);
    return bests;
}

TEST(Bests, OnlyAWinThatBeatsAnEarlierWinIsANewBest) {
    TBests b;
    EXPECT_EQ(b.find(3), nullptr);
    b.tried(3);
    b.tried(3);
    ASSERT_NE(b.find(3), nullptr);
    EXPECT_EQ(b.find(3)->tries, 2);
    EXPECT_EQ(b.find(3)->wins, 0);

    EXPECT_FALSE(b.won(3, 500, 90000).any()) << "a first win beats nothing";
    EXPECT_EQ(b.find(3)->score, 500);
    EXPECT_EQ(b.find(3)->fastestMs, 90000);

    b.tried(3);
    TBests::NewBest slowerButHigher = b.won(3, 800, 95000);
    EXPECT_TRUE(slowerButHigher.score);
    EXPECT_FALSE(slowerButHigher.time);
    b.tried(3);
    TBests::NewBest fasterButLower = b.won(3, 100, 60000);
    EXPECT_FALSE(fasterButLower.score);
    EXPECT_TRUE(fasterButLower.time);
    b.tried(3);
    EXPECT_FALSE(b.won(3, 800, 60000).any()) << "equalling a best is not beating it";

    const TLevelBest& best = *b.find(3);
    EXPECT_EQ(best.score, 800);
    EXPECT_EQ(best.fastestMs, 60000);
    EXPECT_EQ(best.tries, 5);
    EXPECT_EQ(best.wins, 4);

    // An untimed win (the shooting gallery) never sets a time.
    b.tried(7);
    b.won(7, 40, 0);
    b.tried(7);
    EXPECT_FALSE(b.won(7, 30, 0).any());
    EXPECT_EQ(b.find(7)->fastestMs, 0);
    // Level numbers no quest has are not kept.
    b.tried(0);
    b.won(-4, 10, 10);
    b.tried(TBests::kMaxLevel + 1);
    EXPECT_EQ(b.find(0), nullptr);
    EXPECT_EQ(b.find(-4), nullptr);
}

TEST(Bests, TheFileReadsBackExactlyAndDamageCostsOnlyWhatIsDamaged) {
    TBests b;
    b.tried(12);
    b.won(12, 1234, 65000);
    b.tried(2);
    EXPECT_EQ(b.fileText(), "bests {\n\t level2 = 0, 0, 1, 0\n\t level12 = 1234, 65000, 1, 1\n}\n\n");
    EXPECT_EQ(fromText(b.fileText()).fileText(), b.fileText());

    for (const char* damaged : {"", "bests {", "\x01\x02garbage", "}}}", "profile {\n\t level = 3\n}\n"})
        EXPECT_TRUE(fromText(damaged).empty()) << damaged;

    // Lines that make no sense are left out; the rest is kept.
    const TBests mixed = fromText(
        "bests {\n\t level4 = 10, 20, 3, 1\n\t level5 = \"a\", \"b\", \"c\", \"d\"\n\t level6 = 1, 2, 3\n"
        "\t level7 = -5, 0, 1, 1\n\t level8 = 10, 20, 1, 2\n\t level9 = 50, 0, 2, 0\n\t levelx = 1, 1, 1, 1\n"
        "\t level0 = 1, 1, 1, 1\n\t LEVEL10 = 7, 0, 1, 1\n}\n");
    ASSERT_NE(mixed.find(4), nullptr);
    EXPECT_EQ(mixed.find(4)->tries, 3);
    ASSERT_NE(mixed.find(10), nullptr) << "keys ignore letter case, as everywhere in the data files";
    for (int level : {5, 6, 7, 8, 9, 0}) EXPECT_EQ(mixed.find(level), nullptr) << level;
}

class BestsFiles : public ::testing::Test {
protected:
    void SetUp() override {
        saveFolder = dir.path();
        manager.loadProfiles();
    }
    void TearDown() override { testing_support::resetGlobalState(); }
    TProfile* add(const char* name, int level, int score) {
        TProfile* p = manager.addProfile(name);
        p->bests.tried(level);
        p->bests.won(level, score, 1000);
        return p;
    }
    static int scoreOn(const TProfile& p, int level) {
        const TLevelBest* b = p.bests.find(level);
        return b ? b->score : -1;
    }

    testing_support::TempDir dir;
    TProfileManager manager;
};

TEST_F(BestsFiles, BestsFollowTheirProfileAndLeaveTheProfileFilesAsTheyWere) {
    add("Ada", 1, 100);
    add("Bob", 2, 200);
    add("Cyd", 3, 300);
    ASSERT_EQ(manager.saveProfile(), 1);
    EXPECT_EQ(readFile(dir.file("bests2.dat")), "bests {\n\t level2 = 200, 1000, 1, 1\n}\n\n");
    EXPECT_EQ(readFile(dir.file("profile2.dat")).find("level2 ="), std::string::npos);

    // Ada goes, Bob is renamed: Bob and Cyd move up with their bests.
    manager.removeProfile(manager.profilesList[0].get());
    ASSERT_TRUE(manager.changeName(*manager.profilesList[0], "Robert"));
    ASSERT_EQ(manager.saveProfile(), 1);
    TProfileManager fresh;
    fresh.loadProfiles();
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    EXPECT_EQ(fresh.profilesList[0]->name, "Robert");
    EXPECT_EQ(scoreOn(*fresh.profilesList[0], 2), 200);
    EXPECT_EQ(scoreOn(*fresh.profilesList[1], 3), 300);
    EXPECT_EQ(scoreOn(*fresh.profilesList[0], 1), -1) << "Ada's bests went with her";

    // A player added in Cyd's old place starts with no bests, though the
    // old third file is still in the folder.
    fresh.addProfile("Dee");
    ASSERT_EQ(fresh.saveProfile(), 1);
    TProfileManager again;
    again.loadProfiles();
    ASSERT_EQ(again.profilesList.size(), 3u);
    EXPECT_TRUE(again.profilesList[2]->bests.empty());
}

TEST_F(BestsFiles, ADamagedOrMissingBestsFileCostsOnlyTheBests) {
    add("Ada", 4, 400)->score = 77;
    add("Bob", 5, 500);
    ASSERT_EQ(manager.saveProfile(), 1);
    writeFile(dir.file("bests1.dat"), "bests { level4 = \"\xff\xfe");
    ASSERT_EQ(std::remove(dir.file("bests2.dat").c_str()), 0);
    TProfileManager fresh;
    fresh.loadProfiles();
    ASSERT_EQ(fresh.profilesList.size(), 2u);
    EXPECT_TRUE(fresh.profilesList[0]->bests.empty());
    EXPECT_TRUE(fresh.profilesList[1]->bests.empty());
    EXPECT_EQ(fresh.profilesList[0]->score, 77);
}

TEST_F(BestsFiles, OnlyQuestLevelsOfTheCurrentPlayerKeepBests) {
    TProfile* ada = manager.addProfile("Ada");
    GameObjects& o = objects();
    TProfileManager& real = o.profileManager;
    TProfile* before = real.profile;
    real.profile = ada;
    TLevel quest, freePlay;
    quest.nr = 6;
    freePlay.nr = -1;
    o.main.typGry = "QUEST";
    EXPECT_EQ(real.questBests(&quest), &ada->bests);
    EXPECT_EQ(real.questBests(&freePlay), nullptr);
    EXPECT_EQ(real.questBests(nullptr), nullptr);
    o.main.typGry = "FREE";
    EXPECT_EQ(real.questBests(&quest), nullptr);
    o.main.typGry.clear();
    real.profile = before;
}

}  // namespace
