// Group finding, removal and scoring, and the bonus effects that remove.
#include "board_fixture.h"

using namespace board_test;

namespace {

class Matching : public BoardTest {};

TTilePtr cell(const TLevelPtr& level, int r, int c) { return level->tiles[size_t(r)][size_t(c)]; }

}  // namespace

TEST_F(Matching, GroupsOfThreeOrMoreAreRemovableAndScoreTheSquareOfTheirSize) {
    auto level = makeLevel({
        "1 1 1 2 2",
        "3 3 3 3 3",
        "4 4 1 1 4",
    });
    // Two touching marbles are no group: nothing is marked.
    TTileList pair = level->findAll(cell(level, 0, 3));
    EXPECT_EQ(pair.size(), 2u);
    EXPECT_EQ(cell(level, 0, 3)->isFound, 0);

    TTileList three = level->findAll(cell(level, 0, 0));
    ASSERT_EQ(three.size(), 3u);
    for (const TTilePtr& t : three) EXPECT_EQ(t->isFound, 1);
    level->remove(three);
    EXPECT_EQ(game().punkty, 9);
    EXPECT_EQ(game().matches, 1);
    EXPECT_EQ(game().biggestMatch, 3);
    EXPECT_EQ(picture(*level)[0], ". . . 2 2");
    // One diamond per removed marble, flying to the counter.
    ASSERT_EQ(flyingDiamonds.size(), 3u);
    EXPECT_EQ(flyingDiamonds[0].x2, 48);
    EXPECT_EQ(flyingDiamonds[0].y2, 342);

    TTileList five = level->findAll(cell(level, 1, 4));
    ASSERT_EQ(five.size(), 5u);
    level->remove(five);
    EXPECT_EQ(game().punkty, 9 + 25);
    EXPECT_EQ(game().matches, 2);
    EXPECT_EQ(game().biggestMatch, 5);

    // The two colour-1 marbles left and the 4s are split: nothing to remove.
    EXPECT_EQ(level->findAll(cell(level, 2, 2)).size(), 2u);
    EXPECT_EQ(level->canMatch(), 0);
}

TEST_F(Matching, AFullBombSquareScores625) {
    auto level = makeLevel({
        "1 2 3 4 1",
        "2 3 4 1 2",
        "3 4 B 2 3",
        "4 1 2 3 4",
        "1 2 3 4 1",
    });
    level->bomb(cell(level, 2, 2));
    EXPECT_EQ(game().punkty, 625);
    EXPECT_EQ(game().biggestMatch, 25);
    EXPECT_EQ(level->_isCleared(), 1);
    EXPECT_EQ(flyingDiamonds.size(), 25u);
    // The bomb's own two rings come on top of every marble's burst.
    EXPECT_EQ(particles.size(), 25u * 23u + 180u + 72u);
}

TEST_F(Matching, ABombAtACornerTakesOnlyTheCellsOnTheBoard) {
    auto level = makeLevel({
        "1 2 3 4 1 2",
        "2 3 4 1 2 3",
        "3 4 1 2 3 4",
        "4 1 2 3 4 1",
        "1 2 3 4 1 2",
        "2 3 4 1 2 .",
    });
    level->setTileOnPos(5, 5, tileKindById(KIND_BOMB), 0);
    level->bomb(cell(level, 5, 5));
    EXPECT_EQ(game().punkty, 81);
    // The marbles above the hole fall into it.
    EXPECT_EQ(picture(*level), (std::vector<std::string>{
                                   "1 2 3 . . .",
                                   "2 3 4 . . .",
                                   "3 4 1 . . .",
                                   "4 1 2 4 1 2",
                                   "1 2 3 1 2 3",
                                   "2 3 4 2 3 4",
                               }));
    // They move in the grid at once; the screen waits for the animation.
    EXPECT_EQ(movingMarbles.size(), 9u);
    EXPECT_EQ(game().state, TGame::State::Wait);
    EXPECT_EQ(game().lastState, TGame::State::Go);
    EXPECT_EQ(game().active, 0);
}

TEST_F(Matching, ABombNoLongerOnTheBoardBlowsNothingUp) {
    auto level = makeLevel({"1 2 3", "2 3 1"});
    auto stray = std::make_shared<TTile>(tileKindById(KIND_BOMB));
    level->bomb(stray);
    EXPECT_EQ(game().punkty, 0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"1 2 3", "2 3 1"}));
}

TEST_F(Matching, AColourBlastBridgesItsColourButIsNotPartOfTheGroup) {
    // Two colour-2 marbles joined only through the blast: no group.
    auto level = makeLevel({"2 b2 2 ."});
    EXPECT_EQ(level->findAll(cell(level, 0, 0)).size(), 2u);

    // With a third marble the group holds three; the blast stays behind.
    level->setTileOnPos(0, 3, tileKindById(2), 0);
    TTileList group = level->findAll(cell(level, 0, 0));
    ASSERT_EQ(group.size(), 3u);
    for (const TTilePtr& t : group) EXPECT_EQ(t->TD->id, 2);
    EXPECT_EQ(level->findThree(cell(level, 0, 0)), 0);
    EXPECT_EQ(level->canMatch(), 0);
    level->remove(group);
    EXPECT_EQ(picture(*level)[0], ". b2 . .");

    // A blast of another colour does not bridge.
    auto other = makeLevel({"2 b3 2 2"});
    EXPECT_EQ(other->findAll(cell(other, 0, 0)).size(), 1u);

    // Three touching blasts of one colour are a group of their own.
    auto blasts = makeLevel({"b2 b2 b2 1"});
    EXPECT_EQ(blasts->findAll(cell(blasts, 0, 1)).size(), 3u);
    EXPECT_EQ(blasts->canMatch(), 1);
}

TEST_F(Matching, CanMatchAgreesWithAskingEveryMarble) {
    // canMatch answers in one pass; it must agree with findThree on each
    // marble, the definition of a removable group.
    for (int seed = 1; seed <= 300; ++seed) {
        SeedRnd(seed);
        const int rows = Rand(1, 9), cols = Rand(1, 9);
        auto level = makeLevel({});
        level->rows = rows;
        level->cols = cols;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const int pick = Rand(0, 9);
                if (pick == 0) continue;
                const int id = pick <= 7 ? Rand(1, 3) : 100 + Rand(1, 3);
                level->setTileOnPos(r, c, tileKindById(id), 0);
            }
        int expected = level->_isCleared();
        for (int r = 0; r < rows && !expected; ++r)
            for (int c = 0; c < cols && !expected; ++c)
                if (cell(level, r, c) && level->findThree(cell(level, r, c))) expected = 1;
        EXPECT_EQ(level->canMatch(), expected) << "seed " << seed;
    }
}

TEST_F(Matching, AColourBlastRemovesEveryMarbleOfItsColour) {
    auto level = makeLevel({
        "1 2 1 .",
        "2 1 3 2",
    });
    level->destroy(2);
    EXPECT_EQ(game().punkty, 9);
    EXPECT_EQ(game().matches, 1);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"1 . 1 .", ". 1 3 ."}));
    // A burst and a ring of 36 sparks per marble.
    EXPECT_EQ(particles.size(), 3u * (23u + 36u));
}

TEST_F(Matching, TheLineEraserClearsItsRow) {
    auto level = makeLevel({
        ". 3 . .",
        "1 2 E 4",
        "2 3 4 1",
    });
    level->eraseLine(cell(level, 1, 2));
    EXPECT_EQ(game().punkty, 16);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". . . .", ". 3 . .", "2 3 4 1"}));
}

TEST_F(Matching, AClickedBonusMarbleFiresAsOnTheGameScreen) {
    // A colour blast takes its colour (scored) and itself (not scored), and
    // the board settles.
    auto level = makeLevel({
        "1  2 3 .",
        "b2 . 2 .",
        "3  4 1 2",
    });
    game().level = level;
    EXPECT_EQ(game()._controlTileBonus(cell(level, 1, 0)), 1);
    EXPECT_EQ(game().punkty, 9);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". . . .", "1 . 3 .", "3 4 1 ."}));
    // A marble of an ordinary colour does not fire.
    EXPECT_EQ(game()._controlTileBonus(cell(level, 2, 1)), 0);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{". . . .", "1 . 3 .", "3 4 1 ."}));

    // A side switch leaves unscored and sends its group to the other wall.
    auto switched = makeLevel({"1 W", "2 3"});
    game().level = switched;
    EXPECT_EQ(game()._controlTileBonus(cell(switched, 0, 1)), 1);
    EXPECT_EQ(game().punkty, 9);
    EXPECT_EQ(picture(*switched), (std::vector<std::string>{"^1 ^3", "^2 ."}));
}

TEST_F(Matching, RemovalEmptiesOnlyTheCellOfTheRemovedMarble) {
    auto level = makeLevel({"1 1 1", "2 2 2"});
    TTilePtr t = cell(level, 0, 1);
    // A stale grid position must not empty another marble's cell.
    t->px = 0;
    t->py = 1;
    level->destroyTile(t);
    EXPECT_EQ(picture(*level), (std::vector<std::string>{"1 . 1", "2 2 2"}));
}

TEST_F(Matching, AGroupIsListedBreadthFirstLeftRightUpDown) {
    // The order decides the order of the removal's sparks, diamonds and
    // sounds, and so the random sequence after it.
    auto level = makeLevel({
        ". 1 .",
        "1 1 1",
        ". 1 1",
    });
    TTileList group = level->findAll(cell(level, 1, 1));
    std::vector<std::pair<int, int>> cells;
    for (const TTilePtr& t : group) cells.push_back({t->py, t->px});
    // (2, 2) is queued twice, from (1, 2) and from (2, 1), and counted once.
    EXPECT_EQ(cells, (std::vector<std::pair<int, int>>{{1, 1}, {1, 0}, {1, 2}, {0, 1}, {2, 1}, {2, 2}}));
    level->draw();  // diamonds leave from where each marble was last drawn
    level->remove(group);
    ASSERT_EQ(flyingDiamonds.size(), 6u);
    EXPECT_EQ(flyingDiamonds[1].x1, float(level->cellX(0)));
    EXPECT_EQ(flyingDiamonds[3].y1, float(level->cellY(0)));
}
