// The game screen's rules on known boards: what a click removes and earns,
// when a push brings a bonus marble, the bonus column and its items, the
// bomb and the eraser, the results and what they pay, the time bar, the
// win effect, and the faults it must not have (items spent twice, buttons
// left dead after a restart, diamonds carried between attempts, a
// picture-puzzle board pushed).
#include <gtest/gtest.h>

#include "game_screen_fixture.h"
#include "gui/digits.h"

using namespace game_test;

namespace {

TEST_F(GameScreen, AGroupClickScoresItsSquareAndLargeOnesEarnCredit) {
    play(makeLevel({
        ". . . . . .",
        "2 2 2 3 3 3",
        "1 1 1 1 1 4",
    }));
    clickMarble(2, 0);
    EXPECT_EQ(game().punkty, 25);
    EXPECT_EQ(game().matches, 1);
    EXPECT_EQ(game().biggestMatch, 5);
    EXPECT_EQ(game().steps, 1);
    EXPECT_EQ(game().bonusCredit, 2);
    EXPECT_EQ(game().state, TGame::State::Wait) << "the screen waits while marbles settle";
    EXPECT_TRUE(game().znalezione.empty()) << "the removed marbles are no longer highlighted";

    play(makeLevel({"1 1 1 2 3 4"}));
    game().state = TGame::State::Go;
    game().active = 1;
    clickMarble(0, 0);
    EXPECT_EQ(game().punkty, 34);
    EXPECT_EQ(game().bonusCredit, 2) << "three marbles earn no credit";
}

TEST_F(GameScreen, APushBringsABonusMarbleOnceTheCreditPassesThirtyByTheColours) {
    for (const auto& [colours, threshold] : std::vector<std::pair<int, int>>{{4, 7}, {5, 6}, {7, 4}}) {
        SCOPED_TRACE(colours);
        std::vector<int> ids;
        for (int id = 1; id <= colours; ++id) ids.push_back(id);
        TLevelPtr level = play(makeLevel(std::vector<std::string>(10, ". . . . ."), "NORMAL", ids));
        level->bonusy = {tileKindById(KIND_BOMB)};
        level->randomMe();
        auto bonusWaiting = [&] {
            for (int c = 0; c < level->cols; ++c)
                if (level->nextDown[size_t(c)]->TD->id > 100) return true;
            return false;
        };
        game().bonusCredit = threshold;
        game().giveNext();
        EXPECT_FALSE(bonusWaiting());
        EXPECT_EQ(game().bonusCredit, threshold);
        game().bonusCredit = threshold + 1;
        game().giveNext();
        EXPECT_TRUE(bonusWaiting());
        EXPECT_EQ(game().bonusCredit, 0);
    }
    // Without bonus kinds the credit is spent all the same.
    TLevelPtr plain = play(makeLevel(std::vector<std::string>(10, ". . . ."), "NORMAL", {1, 2, 3}));
    plain->randomMe();
    game().bonusCredit = 20;
    game().giveNext();
    EXPECT_EQ(game().bonusCredit, 0);
}

TEST_F(GameScreen, TheBonusColumnListsHeldColoursThenFillersThenTheOtherThree) {
    play(makeLevel({". . .", "1 2 3"}, "NORMAL", {1, 2, 3, 4}));
    player.bonus[1] = 2;  // colour 2
    game()._prepareBonuses();
    const std::vector<int> order = {1, 0, 2, 3, 4, 5, 16, 15, 14};
    ASSERT_EQ(game().bonusbuttonsList.size(), order.size());
    for (size_t p = 0; p < order.size(); ++p) {
        const TBonusButton& b = *game().bonusbuttonsList[p];
        EXPECT_EQ(b.nr, order[p]);
        EXPECT_EQ(b.a, p == 0 ? 1 : 0) << p;
        EXPECT_EQ(b.x, 728);
        EXPECT_EQ(b.y, 68 + 50 * int(p));
    }
    EXPECT_EQ(game().bonusbuttonsList[0]->howMany, 2);

    // Outside the quest nothing the player holds is offered.
    objects().main.typGry = "";
    game()._prepareBonuses();
    const std::vector<int> free = {0, 1, 2, 3, 4, 5, 16, 15, 14};
    ASSERT_EQ(game().bonusbuttonsList.size(), free.size());
    for (size_t p = 0; p < free.size(); ++p) {
        EXPECT_EQ(game().bonusbuttonsList[p]->nr, free[p]);
        EXPECT_EQ(game().bonusbuttonsList[p]->a, 0);
    }
}

TEST_F(GameScreen, UsingTheLastItemOfAKindMakesItsButtonUnusable) {
    play(makeLevel({". . .", "1 2 3"}, "NORMAL", {1, 2, 3}));
    player.bonus[0] = 1;
    game()._prepareBonuses();
    TBonusButton& red = *game().getBonusButtonById(0);
    ASSERT_EQ(red.a, 1);
    useButton(0);
    EXPECT_EQ(player.bonus[0], 0);
    EXPECT_EQ(marbles(), 2) << "the colour blast took the red marble";
    red.update();
    EXPECT_EQ(red.a, 0);
}

TEST_F(GameScreen, TheBombAndTheEraserHitTheCellUnderThePointerAtEveryMarbleSize) {
    for (int R : {20, 30, 45}) {
        SCOPED_TRACE(R);
        const int ox = 240, oy = 40;
        auto cellX = [&](int c) { return ox + c * R + R / 2; };
        auto cellY = [&](int r) { return oy + r * R + R / 2; };

        // A bomb on the empty corner cell takes the in-bounds rest of its square.
        fullBoard(R);
        game().level->tiles[0][0] = nullptr;
        game().setBomb();
        EXPECT_EQ(game().armedBonus(), KIND_BOMB);
        EXPECT_EQ(objects().mouse.cur->_id, "bomb" + std::to_string(game().level->marbleSet() + 1));
        clickAt(cellX(0), cellY(0));
        EXPECT_EQ(marbles(), 99 - 8);
        EXPECT_EQ(game().armedBonus(), 0) << "fired, the cursor is the pointer again";

        // One on a hovered marble is centred on it.
        fullBoard(R);
        game().setBomb();
        game().over = game().level->tiles[5][5];
        objects().mouse.leftPressed = 1;
        game()._controlTiles();
        objects().mouse.leftPressed = 0;
        EXPECT_EQ(marbles(), 100 - 25);
        // What stood above the square has fallen into it.
        EXPECT_EQ(game().level->tiles[0][3], nullptr);
        EXPECT_NE(game().level->tiles[0][2], nullptr);

        // The eraser takes the row under the pointer.
        fullBoard(R);
        game().setEraseLine();
        clickAt(cellX(7), cellY(4));
        EXPECT_EQ(marbles(), 90);
        for (int c = 0; c < 10; ++c) EXPECT_EQ(game().level->tiles[0][size_t(c)], nullptr);

        // A press beside the board's field keeps it armed.
        game().setEraseLine();
        clickAt(ox + 460, cellY(4));
        EXPECT_EQ(game().armedBonus(), KIND_LINE_ERASER);
        objects().mouse.setCursor("podstawowy");
        movingMarbles.clear();
    }
}

TEST_F(GameScreen, OneBombItemGivesOneBombAndSwitchingGivesTheArmedOneBack) {
    play(makeLevel({". . .", "1 2 3"}, "NORMAL", {1, 2, 3}));
    player.bonus[15] = 2;  // bombs
    player.bonus[16] = 1;  // erasers
    game()._prepareBonuses();
    useButton(15);
    useButton(15);
    EXPECT_EQ(player.bonus[15], 1) << "a second click on the armed bomb spends nothing";
    EXPECT_EQ(game().armedBonus(), KIND_BOMB);
    useButton(16);
    EXPECT_EQ(player.bonus[15], 2) << "the unfired bomb went back";
    EXPECT_EQ(player.bonus[16], 0);
    EXPECT_EQ(game().armedBonus(), KIND_LINE_ERASER);
    // A level lost while it waits gives it back too.
    game().PRZEGRANA("NORMAL");
    EXPECT_EQ(player.bonus[16], 1);
    EXPECT_EQ(game().armedBonus(), 0);
}

TEST_F(GameScreen, ARestartGivesTheSpentItemsBackAndTheirButtonsWorkAgain) {
    TLevelPtr level = makeLevel({". . .", "1 2 3"}, "NORMAL", {1, 2, 3});
    player.bonus[0] = 1;
    game().setLevel(level);  // the items as the attempt starts
    game().resetStartData(0);
    game()._prepareBonuses();
    useButton(0);
    ASSERT_EQ(player.bonus[0], 0);
    game()._updateBonuses();
    ASSERT_EQ(game().getBonusButtonById(0)->a, 0);
    game().restartAttempt();
    EXPECT_EQ(player.bonus[0], 1);
    EXPECT_EQ(game().getBonusButtonById(0)->a, 1);
    EXPECT_EQ(game().state, TGame::State::Begin);
}

TEST_F(GameScreen, APicturePuzzleBoardIsNeverPushedAndWinsOnceEmpty) {
    TLevelPtr level = play(makeLevel({". . .", "1 1 1"}, "PUZZLE", {1}));
    level->lines = 0;  // a push would win at once
    TMouse& mouse = objects().mouse;
    mouse.x = 400;
    mouse.y = 520;
    mouse.leftPressed = 1;
    game()._controlUpDown();
    game().giveNext();
    mouse.leftPressed = 0;
    EXPECT_EQ(game().state, TGame::State::Go);
    // Emptied by a colour blast rather than a click, it is won all the same.
    level->tiles[1][0] = level->tiles[1][1] = level->tiles[1][2] = nullptr;
    game()._updateEmpty();
    EXPECT_EQ(game().state, TGame::State::Win);

    // The waiting row of an ordinary board answers the same click.
    TLevelPtr normal = play(makeLevel(std::vector<std::string>(6, ". . ."), "NORMAL", {1, 2, 3}));
    normal->randomMe();
    game().state = TGame::State::Go;
    mouse.leftPressed = 1;
    game()._controlUpDown();
    mouse.leftPressed = 0;
    EXPECT_EQ(normal->lines, 19);
}

TEST_F(GameScreen, TheResultsPayTheBonusOnceWhenTheyOpenAndCountItUp) {
    play(makeLevel({". . .", "1 2 3"}));
    player.score = 1000;
    game().zebraneKapsle = 12;
    game().matches = 20;
    game().biggestMatch = 9;
    game().punkty = 250;
    TWyniki& results = objects().results;
    results.show();
    EXPECT_EQ(player.kapsle, 12);
    EXPECT_EQ(player.score, 1097);
    // The rows slide in; then one unit is counted a frame.
    int counting = 0;
    for (int frame = 0; frame < 500; ++frame) {
        const int before = results.points[5];
        results.update();
        if (results.points[5] != before) ++counting;
    }
    EXPECT_EQ(counting, 41);
    EXPECT_EQ(results.points[5], 97);
    EXPECT_EQ(results.points[5] + results.points[4], 347) << "the total shows the score with it";
    // The click that closes the panel pays nothing more, and winning again
    // (the G key) is no second win.
    game().state = TGame::State::AfterWin2;
    objects().mouse.leftPressed = 1;
    game().__updateAfterWin2();
    objects().mouse.leftPressed = 0;
    EXPECT_EQ(game().state, TGame::State::End);
    game().WYGRANA();
    EXPECT_EQ(game().state, TGame::State::End);
    EXPECT_EQ(player.score, 1097);
    EXPECT_EQ(player.kapsle, 12);

    // A picture-puzzle board pays its score alone.
    game().levelMode = "PUZZLE";
    results.show();
    EXPECT_EQ(player.score, 1347);
    EXPECT_EQ(player.kapsle, 12);
    EXPECT_EQ(results.rows, 3);
}

TEST_F(GameScreen, EveryDiamondIsPaidToItsOwnAttempt) {
    TLevelPtr level = play(makeLevel({". . .", "1 2 3"}));
    // Diamonds of an abandoned attempt do not reach the next one.
    createDiamond(0, 100, 100, 48, 342);
    game().resetStartData(0);
    EXPECT_TRUE(flyingDiamonds.empty());
    EXPECT_EQ(game().zebraneKapsle, 0);

    // The results of a win wait for the diamonds still flying.
    game().state = TGame::State::Go;
    createDiamond(0, 100, 100, 48, 342);
    game().WYGRANA();
    objects().endEmitter.setState(TEndEmitter::State::End);
    game().__updateWin();
    EXPECT_EQ(game().state, TGame::State::Win);
    for (int frame = 0; frame < 40; ++frame) TDiamondParticle::_updateDiamonds();
    game().__updateWin();
    EXPECT_EQ(game().state, TGame::State::AfterWin2);
    EXPECT_EQ(objects().results.points[0], 1);
    EXPECT_EQ(player.kapsle, 1);
}

TEST_F(GameScreen, TheWinEffectClearsTheBoardRowByRowAndDarkensIt) {
    std::vector<std::string> rows(10, "1 2 1 2 1 2 1 2 1 2");
    TLevelPtr level = play(makeLevel(rows));
    const TTilePtr top = level->tiles[0][0], bottom = level->tiles[9][0];
    game().WYGRANA();
    TEndEmitter& effect = objects().endEmitter;
    EXPECT_EQ(effect.spotsList.size(), 100u);
    EXPECT_EQ(effect.state, TEndEmitter::State::Start);
    int frames = 0, topGone = -1, bottomGone = -1;
    while (!effect.isEnd() && frames < 400) {
        Delay(16);
        effect.update();
        ++frames;
        if (topGone < 0 && top->isVisible == 0) topGone = MilliSecs();
        if (bottomGone < 0 && bottom->isVisible == 0) bottomGone = MilliSecs();
    }
    EXPECT_NEAR(bottomGone - topGone, 1800, 20);
    EXPECT_NEAR(frames * 16, 2300, 40) << "(rows - 1) x 200 + 500 ms";
    for (int f = 0; f < 100; ++f) effect.update();
    EXPECT_FLOAT_EQ(effect.darkA, 0.5f);
}

TEST_F(GameScreen, TheTimeBarFillsItsStripAsThePushComesAndStaysInIt) {
    TLevelPtr level = play(makeLevel({". . .", "1 2 3"}));
    level->time = 500;
    game().actTime = MilliSecs() + 5000;
    Delay(2500);
    EXPECT_NEAR(game().timeBarFraction() * 450, 225, 1);
    game().actTime = MilliSecs() - 100000;
    EXPECT_EQ(game().timeBarFraction(), 1.0f);
    game().actTime = MilliSecs() + 100000;
    EXPECT_EQ(game().timeBarFraction(), 0.0f);
    level->time = 0;
    EXPECT_EQ(game().timeBarFraction(), 1.0f);
}

TEST_F(GameScreen, APauseHoldsTheRowTheColourChangeAndTheLevelClockStill) {
    TLevelPtr level = play(makeLevel({". . .", "1 2 3"}));
    level->time = 500;
    level->changeTime = 100;
    TGame& g = game();
    g.levelMode = "CHANGE";
    g.state = TGame::State::Go;
    g.active = 1;
    g.czas = MilliSecs();
    g.actTime = MilliSecs() + 3000;
    g.ChangeTime = MilliSecs() + 1000;
    Delay(500);
    const float bar = g.timeBarFraction();

    // Ten minutes under the menu and a help page over it, then play goes on.
    g.pauseTimers();
    Delay(300000);
    g.pauseTimers();
    Delay(200000);
    g.resumeTimers();
    EXPECT_EQ(g.timeBarFraction(), bar) << "the bar stands still behind the menu";
    Delay(100000);
    g.resumeTimers();
    EXPECT_EQ(g.timeBarFraction(), bar);
    g._updateTime();
    EXPECT_EQ(g.actTime - MilliSecs(), 2500) << "no push came due while paused";
    EXPECT_EQ(g.ChangeTime - MilliSecs(), 500) << "no colour change came due while paused";
    Delay(1500);
    g.WYGRANA();
    EXPECT_EQ(g.obliczCzas(), "00:02") << "the level's clock counts play only";
    g.holdTimers(60000);
    EXPECT_EQ(g.obliczCzas(), "00:02") << "a won level's time is final";
}

TEST_F(GameScreen, TimesAndCountersReadAsTheHudShowsThem) {
    for (const auto& [ms, text] : std::vector<std::pair<int, std::string>>{
             {0, "00:00"}, {61000, "01:01"}, {599999, "09:59"}, {6000000, "100:00"}}) {
        game().czas = ms;
        EXPECT_EQ(game().obliczCzas(), text);
    }
    EXPECT_EQ(numberDigits(12, 6), "000012");
    EXPECT_EQ(numberDigits(123456, 6), "099999");
    EXPECT_EQ(numberDigits(5, 1), "5");
}

}  // namespace
