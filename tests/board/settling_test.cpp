// Settling after removals: falling toward the wall, sliding toward the
// middle, and the moving-marble animation that follows.
#include "board_fixture.h"

using namespace board_test;

namespace {

class Settling : public BoardTest {};

int countMarbles(const TLevel& level) {
    int n = 0;
    for (int r = 0; r < level.rows; ++r)
        for (int c = 0; c < level.cols; ++c) n += level.tiles[size_t(r)][size_t(c)] ? 1 : 0;
    return n;
}

}  // namespace

TEST_F(Settling, MarblesFallTowardTheirOwnWall) {
    // Every column holds marbles of both groups, so nothing slides sideways.
    auto level = makeLevel({
        "^1 ^3 ^2",
        ".  1  3",
        "^4 .  .",
        "5  2  .",
    });
    level->checkLevel(0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{
                                   "^1 ^3 ^2",
                                   "^4 . .",
                                   ". 1 .",
                                   "5 2 3",
                               }));
}

TEST_F(Settling, AnEmptyColumnIsClosedFromTheLeftOnAnOddBoard) {
    auto level = makeLevel({"1 2 . 3 4"});
    level->checkLevel(0);
    EXPECT_EQ(picture(*level)[0], ". 1 2 3 4");
}

TEST_F(Settling, BothHalvesMeetInTheMiddleOfAnEvenBoard) {
    auto level = makeLevel({"1 2 . . 3 4"});
    level->checkLevel(0);
    EXPECT_EQ(picture(*level)[0], ". 1 2 3 4 .");
}

TEST_F(Settling, OnAnOddBoardTheLeftHalfMayCrossTheMiddle) {
    auto level = makeLevel({"1 2 . . . 3 4"});
    level->checkLevel(0);
    EXPECT_EQ(picture(*level)[0], ". . 1 2 3 4 .");
}

TEST_F(Settling, TheTwoGroupsSlideSeparately) {
    auto level = makeLevel({
        "^1 . ^2",
        ".  . .",
        "1  . 2",
    });
    level->checkLevel(0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"^1 ^2 .", ". . .", "1 2 ."}));
}

TEST_F(Settling, AColumnNeverOverwritesTheOtherGroup) {
    auto level = makeLevel({
        "^1 . .",
        "^1 . 2",
        "^1 . 2",
        ".  . 2",
    });
    level->checkLevel(0);
    EXPECT_EQ(countMarbles(*level), 6);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"^1 . .", "^1 2 .", "^1 2 .", ". 2 ."}));
}

TEST_F(Settling, TinyBoardsSettleInsideTheirColumns) {
    for (const std::vector<std::string>& board :
         {std::vector<std::string>{"1", ".", "2"}, std::vector<std::string>{"1 .", ". 2"},
          std::vector<std::string>{". 3", "^1 ."}}) {
        auto level = makeLevel(board);
        const int before = countMarbles(*level);
        level->checkLevel(0);
        EXPECT_EQ(countMarbles(*level), before);
    }
}

TEST_F(Settling, MovedMarblesHideUntilTheirMovingCopyLandsOnTheCell) {
    auto level = makeLevel({
        "1 2 3",
        ". . .",
        ". 4 .",
    });
    objects().game.level = level;
    level->checkLevel(0);
    ASSERT_EQ(movingMarbles.size(), 3u);
    const TTilePtr moved = level->tiles[2][0];
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->isVisible, 0);
    EXPECT_EQ(level->tiles[2][1]->isVisible, 1);  // the 4 never moved
    // The screen's corner is (240, 40) and the cells are 20 pixels.
    EXPECT_EQ(level->cellX(0), 250);
    EXPECT_EQ(level->cellY(0), 50);
    EXPECT_EQ(level->cellY(2), 90);

    auto partOf = [&](const TTilePtr& t) -> const TTilePart* {
        for (const TTilePart& p : movingMarbles)
            if (p.tile == t) return &p;
        return nullptr;
    };
    // Eased: half way through its time a drop has done half its fall.
    for (int frame = 0; frame < 10; ++frame) updateTileParts();
    ASSERT_NE(partOf(moved), nullptr);
    EXPECT_FLOAT_EQ(partOf(moved)->x, 250);
    EXPECT_NEAR(partOf(moved)->y, 70, 0.01f);
    int frames = 10;
    while (!movingMarbles.empty() && frames < 30) {
        updateTileParts();
        ++frames;
    }
    EXPECT_GE(frames, 20);
    EXPECT_LE(frames, 21);
    EXPECT_EQ(moved->isVisible, 1);
}

TEST_F(Settling, ASidewaysMoveLeavesAlongTheRowAndArrivesExactly) {
    auto marble = std::make_shared<TTile>(tileKindById(1));
    marble->isVisible = 0;
    TTilePart& part = createTilePart(nullptr, 100, 200, 160, 260, marble, 1);
    part.speed = 0.25f;
    updateTileParts();
    // s = sin 22.5 deg: the curve has gone mostly sideways so far.
    const float s = Sin(22.5f);
    EXPECT_NEAR(movingMarbles[0].x, 100 + 60 * (2 * s - s * s), 0.01f);
    EXPECT_NEAR(movingMarbles[0].y, 200 + 60 * s * s, 0.01f);
    updateTileParts();
    updateTileParts();
    TTilePart last = movingMarbles[0];
    last.update();
    EXPECT_FLOAT_EQ(last.x, 160);
    EXPECT_FLOAT_EQ(last.y, 260);
    updateTileParts();
    EXPECT_TRUE(movingMarbles.empty());
    EXPECT_EQ(marble->isVisible, 1);

    // Start and end on one row: the path is the row itself.
    createTilePart(nullptr, 100, 200, 160, 200, marble, 1).speed = 0.1f;
    for (int i = 0; i < 5; ++i) {
        updateTileParts();
        EXPECT_FLOAT_EQ(movingMarbles[0].y, 200);
    }
}

TEST_F(Settling, TheScreenReturnsToWhereItWasAfterWaiting) {
    auto level = makeLevel({"1 . ."});
    game().state = TGame::State::Go;
    level->checkLevel(0);
    EXPECT_EQ(game().lastState, TGame::State::Go);
    // A second change while still waiting returns to play, not to "WAIT".
    level->checkLevel(0);
    EXPECT_EQ(game().state, TGame::State::Wait);
    EXPECT_EQ(game().lastState, TGame::State::Go);
}
