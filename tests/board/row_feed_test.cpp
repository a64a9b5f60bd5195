// Pushing waiting rows into the board: wins, both kinds of loss, endless
// levels, two-sided alternation, waiting rows, bonus marbles, random fills
// and the shuffle, side switch and colour change.
#include <algorithm>
#include <set>

#include "board_fixture.h"

using namespace board_test;

namespace {

class RowFeed : public BoardTest {};

std::string emptyRow(int cols) {
    std::string row;
    for (int c = 0; c < cols; ++c) row += ". ";
    return row;
}

void setWaiting(std::array<TTilePtr, TLevel::kMaxCols>& row, const std::vector<int>& ids) {
    for (auto& cell : row) cell = nullptr;
    for (size_t c = 0; c < ids.size(); ++c) row[c] = std::make_shared<TTile>(tileKindById(ids[c]));
}

}  // namespace

TEST_F(RowFeed, APushRaisesTheBottomGroupAndBringsInTheWaitingRow) {
    auto level = makeLevel({
        ". . .",
        ". 1 .",
        "2 1 3",
    });
    level->lines = 5;
    setWaiting(level->nextDown, {4, 4, 1});
    const TTilePtr entering = level->nextDown[0];
    level->giveNext(0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". 1 .", "2 1 3", "4 4 1"}));
    EXPECT_EQ(level->lines, 4);
    EXPECT_EQ(level->tiles[2][0], entering);
    // A new waiting row, and no animation: the group stays where the push put it.
    EXPECT_NE(level->nextDown[0], entering);
    EXPECT_TRUE(level->nextDown[2]);
    EXPECT_TRUE(movingMarbles.empty());
    EXPECT_FALSE(lost());
}

TEST_F(RowFeed, PushingAMarbleOutAtTheTopLoses) {
    auto level = makeLevel({
        ". 2 .",
        ". 1 .",
        "2 1 3",
    });
    setWaiting(level->nextDown, {4, 4, 1});
    level->giveNext(0);
    EXPECT_TRUE(lost());
    EXPECT_EQ(lostReason(), "NORMAL");
    EXPECT_FALSE(won());
}

TEST_F(RowFeed, PushingOneGroupIntoTheOtherLoses) {
    // A bottom marble right under a top marble.
    auto level = makeLevel(
        {
            "^1 ^2 ^3",
            ".  ^2 .",
            ".  1  .",
            "2  1  3",
        },
        "TWO");
    setWaiting(level->nextDown, {4, 4, 1});
    level->giveNext(0);
    EXPECT_EQ(lostReason(), "TWO");

    // A top marble reaching the bottom row: the entering row runs into it.
    playOn();
    auto reached = makeLevel(
        {
            "^1 .",
            "^1 .",
            "^1 2",
        },
        "TWO");
    setWaiting(reached->nextDown, {4, 4});
    reached->giveNext(0);
    EXPECT_EQ(lostReason(), "TWO");
    EXPECT_EQ(reached->tiles[2][0]->przyleg, 1);  // not overwritten

    // The same from above.
    playOn();
    auto fromAbove = makeLevel(
        {
            "^1 ^2",
            "3  .",
            "3  2",
        },
        "TWO");
    fromAbove->przelacznikLini = 1;
    setWaiting(fromAbove->nextUp, {4, 4});
    fromAbove->giveNext(0);
    EXPECT_EQ(lostReason(), "TWO");
}

TEST_F(RowFeed, ThePushDueWhenNoLineIsLeftWinsWithoutPushing) {
    auto level = makeLevel({". . .", "2 1 3"});
    level->lines = 0;
    setWaiting(level->nextDown, {4, 4, 1});
    level->giveNext(0);
    EXPECT_TRUE(won());
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". . .", "2 1 3"}));

    // The last line is pushed first; the next push due wins.
    level->lines = 1;
    playOn();
    level->giveNext(0);
    EXPECT_EQ(level->lines, 0);
    EXPECT_FALSE(won());
    EXPECT_FALSE(lost());
}

TEST_F(RowFeed, AnEndlessLevelNeverWinsByLines) {
    std::vector<std::string> empty(26, ". . . .");
    auto level = makeLevel(empty);
    level->lines = -1;
    level->randomMe();
    for (int push = 0; push < 25; ++push) level->giveNext(0);
    EXPECT_FALSE(won());
    EXPECT_FALSE(lost());
    EXPECT_EQ(level->lines, -26);
    EXPECT_TRUE(level->tiles[1][0]);
    EXPECT_FALSE(level->tiles[0][0]);
}

TEST_F(RowFeed, TwoSidedLevelsAlternateStartingBelow) {
    std::vector<std::string> empty(10, ". . . .");
    auto level = makeLevel(empty, "TWO");
    level->randomMe();
    ASSERT_TRUE(level->nextUp[0]);
    ASSERT_TRUE(level->nextDown[0]);
    const std::vector<bool> fromBelow = {true, false, true, false, true};
    int bottomRows = 0, topRows = 0;
    for (bool below : fromBelow) {
        level->giveNext(0);
        below ? ++bottomRows : ++topRows;
        // Rows from below are group 0 at the bottom, rows from above group 1 at the top.
        EXPECT_EQ(level->tiles[size_t(10 - bottomRows)][0] ? level->tiles[size_t(10 - bottomRows)][0]->przyleg : -1, 0);
        if (topRows) {
            EXPECT_EQ(level->tiles[size_t(topRows - 1)][0]->przyleg, 1);
        }
        EXPECT_EQ(level->przelacznikLini, below ? 1 : 0);
    }
    EXPECT_EQ(picture(*level)[3], ". . . .");
    EXPECT_EQ(level->lines, 20 - 5);
}

TEST_F(RowFeed, PuzzleBoardsAreNeverPushed) {
    auto level = makeLevel({". . .", "2 1 3"}, "PUZZLE");
    level->randomMe();
    EXPECT_FALSE(level->nextDown[0]);
    level->giveNext(0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". . .", "2 1 3"}));
    EXPECT_EQ(level->lines, 20);
}

TEST_F(RowFeed, WaitingRowsOfTwoColoursNeverHoldThreeEqualNeighbours) {
    bool threeSeenWithThreeColours = false;
    for (int seed = 1; seed <= 400; ++seed) {
        SeedRnd(seed);
        auto two = makeLevel({emptyRow(25)}, "TWO", {3, 5});
        two->randomMe();
        for (const auto* row : {&two->nextDown, &two->nextUp}) {
            for (int c = 0; c < 25; ++c) ASSERT_TRUE((*row)[size_t(c)]) << "seed " << seed;
            for (int c = 2; c < 25; ++c) {
                const int a = (*row)[size_t(c - 2)]->TD->id, b = (*row)[size_t(c - 1)]->TD->id,
                          d = (*row)[size_t(c)]->TD->id;
                ASSERT_FALSE(a == b && b == d) << "seed " << seed << " column " << c;
            }
        }
        auto three = makeLevel({emptyRow(25)}, "NORMAL", {1, 2, 3});
        three->randomDown();
        for (int c = 2; c < 25; ++c)
            if (three->nextDown[size_t(c - 2)]->TD->id == three->nextDown[size_t(c - 1)]->TD->id &&
                three->nextDown[size_t(c - 1)]->TD->id == three->nextDown[size_t(c)]->TD->id)
                threeSeenWithThreeColours = true;
    }
    EXPECT_TRUE(threeSeenWithThreeColours);
}

TEST_F(RowFeed, OneColourTwiceOrAloneStillFillsTheRow) {
    // The neighbour rule cannot be met with a single colour; the row is
    // drawn all the same instead of searching for ever.
    for (const std::vector<int>& colours : {std::vector<int>{2}, std::vector<int>{2, 2}}) {
        auto level = makeLevel({". . . . . ."}, "NORMAL", colours);
        level->randomDown();
        EXPECT_EQ(waitingRow(level->nextDown, 6), "2 2 2 2 2 2");
    }
}

TEST_F(RowFeed, ABonusPushPutsOneBonusMarbleIntoTheNewWaitingRow) {
    auto level = makeLevel({". . . . .", ". . . . ."});
    level->bonusy = {tileKindById(KIND_BOMB)};
    level->randomMe();
    level->giveNext(1);
    int bombs = 0;
    for (int c = 0; c < 5; ++c) bombs += level->nextDown[size_t(c)]->TD->id == KIND_BOMB;
    EXPECT_EQ(bombs, 1);

    // Without bonus kinds the push is plain.
    auto plain = makeLevel({". . .", ". . ."});
    plain->randomMe();
    plain->giveNext(1);
    for (int c = 0; c < 3; ++c) EXPECT_LT(plain->nextDown[size_t(c)]->TD->id, 100);
}

TEST_F(RowFeed, ARandomStartFillsEachColumnFromItsWall) {
    for (int seed = 1; seed <= 50; ++seed) {
        SeedRnd(seed);
        std::vector<std::string> empty(10, ". . . . . . . .");
        auto single = makeLevel(empty);
        single->randomLevel(3);
        for (int c = 0; c < 8; ++c) {
            int count = 0, first = 10;
            for (int r = 0; r < 10; ++r)
                if (const TTilePtr& t = single->tiles[size_t(r)][size_t(c)]) {
                    ++count;
                    first = std::min(first, r);
                    EXPECT_EQ(t->przyleg, 0);
                }
            EXPECT_EQ(first, 10 - count);  // packed against the bottom
            EXPECT_GE(count, 2);
            EXPECT_LE(count, 4);
        }
        auto two = makeLevel(empty, "TWO");
        two->randomLevel(3);
        for (int c = 0; c < 8; ++c) {
            int top = 0, bottom = 0;
            for (int r = 0; r < 10; ++r)
                if (const TTilePtr& t = two->tiles[size_t(r)][size_t(c)]) (t->przyleg == 1 ? top : bottom)++;
            EXPECT_GE(top, 2);
            EXPECT_LE(top, 4);
            EXPECT_GE(bottom, 2);
            EXPECT_LE(bottom, 4);
        }
    }
    // A depth deeper than the board is held inside it.
    auto shallow = makeLevel({". .", ". .", ". ."});
    shallow->randomLevel(40);
    EXPECT_EQ(picture(*shallow).size(), 3u);
}

TEST_F(RowFeed, AShuffleKeepsEachGroupInItsOwnCells) {
    for (int seed = 1; seed <= 100; ++seed) {
        SeedRnd(seed);
        auto level = makeLevel(
            {
                "^1 ^2 ^3 ^1 ^4",
                "^2 .  ^1 .  .",
                ".  .  .  .  .",
                ".  3  .  2  .",
                "1  4  2  1  3",
            },
            "TWO");
        std::multiset<int> topColours, bottomColours;
        const std::vector<std::string> before = picture(*level);
        level->changeTilesPosition();
        const std::vector<std::string> after = picture(*level);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) {
                const std::string was = cellsOf(before[size_t(r)])[size_t(c)];
                const std::string now = cellsOf(after[size_t(r)])[size_t(c)];
                ASSERT_EQ(was == ".", now == ".");
                ASSERT_EQ(was[0] == '^', now[0] == '^') << "seed " << seed;
                if (now == ".") continue;
                (now[0] == '^' ? topColours : bottomColours).insert(level->tiles[size_t(r)][size_t(c)]->TD->id);
            }
        EXPECT_EQ(topColours, (std::multiset<int>{1, 2, 3, 1, 4, 2, 1}));
        EXPECT_EQ(bottomColours, (std::multiset<int>{3, 2, 1, 4, 2, 1, 3}));
    }
}

TEST_F(RowFeed, TheSideSwitchMovesAGroupToTheOtherWall) {
    auto level = makeLevel({
        ". . .",
        ". W .",
        "1 2 3",
    });
    TTilePtr sideSwitch = level->tiles[1][1];
    level->destroyTile(sideSwitch);
    level->changePlaces(sideSwitch);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"^1 ^2 ^3", ". . .", ". . ."}));
}

TEST_F(RowFeed, AColourChangeTouchesOnlyOrdinaryMarbles) {
    std::vector<std::string> full(26, std::string());
    for (auto& row : full)
        for (int c = 0; c < 25; ++c) row += c % 5 == 0 ? "b1 " : "1 ";
    auto level = makeLevel(full, "CHANGE", {1, 2});
    level->changeRandom();
    int changing = 0;
    for (int r = 0; r < 26; ++r)
        for (int c = 0; c < 25; ++c) {
            const TTilePtr& t = level->tiles[size_t(r)][size_t(c)];
            if (t->TD->id > 100) EXPECT_FALSE(t->dTD);
            else if (t->dTD) ++changing;
        }
    // About a third of the 520 ordinary marbles.
    EXPECT_GT(changing, 120);
    EXPECT_LT(changing, 230);
}
