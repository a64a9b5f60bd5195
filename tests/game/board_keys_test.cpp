// The board played by keys: the cursor's steps at the edges and across the
// halves of a two-sided board, Enter and Space as a click on the marble
// under it, the row called in, the bonus column's number keys and the pad's
// Y, the bomb and the eraser aimed by the cursor, and keys pressed out of
// play that must not act later.
#include <gtest/gtest.h>

#include <set>

#include "game_screen_fixture.h"

using namespace game_test;

namespace {

std::string cell(const TBoardCursor& cursor) {
    return std::to_string(cursor.row) + "," + std::to_string(cursor.column);
}

std::string walk(TBoardCursor& cursor, const TLevel& level, const std::vector<TStep>& steps) {
    std::string cells;
    for (const TStep& step : steps) {
        cursor.move(level, step);
        if (!cells.empty()) cells += ' ';
        cells += cell(cursor);
    }
    return cells;
}

const TStep kLeft{-1, 0}, kRight{1, 0}, kUp{0, -1}, kDown{0, 1};

TEST(BoardCursor, StopsAtTheEdgesAndPassesEmptyCellsToTheNextMarbleThatWay) {
    board_test::useTestKinds();
    const TLevelPtr level = makeLevel({
        ". . . .",
        ". . . .",
        "1 . . 2",
        "1 2 3 4",
    });
    TBoardCursor cursor;
    cursor.fit(*level);
    EXPECT_EQ(cell(cursor), "2,0") << "first on the marble nearest the middle";
    EXPECT_EQ(walk(cursor, *level, {kLeft, kUp, kUp, kUp, kDown, kRight, kRight, kDown, kDown, kLeft}),
              "2,0 1,0 0,0 0,0 2,0 2,3 2,3 3,3 3,3 3,2");
    // A cell that stays on the board is kept, marble or not; one that the
    // board no longer has is given up for a new place.
    cursor.row = 0;
    cursor.fit(*level);
    EXPECT_EQ(cell(cursor), "0,2");
    cursor.row = 7;
    cursor.fit(*level);
    EXPECT_EQ(cell(cursor), "2,0");
    const TLevelPtr empty = makeLevel({". . . . .", ". . . . ."});
    cursor.forget();
    cursor.fit(*empty);
    EXPECT_EQ(cell(cursor), "1,2") << "an empty board: the bottom row's middle";
}

TEST(BoardCursor, CrossesBothHalvesOfATwoSidedBoardWithoutPassingAMarble) {
    board_test::useTestKinds();
    const TLevelPtr level = makeLevel(
        {
            "^1 ^2 ^3",
            "^2 .  ^1",
            ".  .  . ",
            ".  .  . ",
            "3  .  . ",
            "1  2  3 ",
        },
        "TWO");
    TBoardCursor cursor;
    cursor.row = 5;
    cursor.column = 1;
    EXPECT_EQ(walk(cursor, *level, {kUp, kDown, kUp, kUp}), "0,1 5,1 0,1 0,1");
    // Up every column from the bottom and back down: every marble is a stop.
    for (int c = 0; c < 3; ++c) {
        SCOPED_TRACE(c);
        std::set<int> marbles, up, down;
        for (int r = 0; r < level->rows; ++r)
            if (level->at(r, c)) marbles.insert(r);
        cursor.row = 5;
        cursor.column = c;
        for (int i = 0; i < 6; ++i, cursor.move(*level, kUp))
            if (cursor.tile(*level)) up.insert(cursor.row);
        EXPECT_EQ(cursor.row, 0);
        for (int i = 0; i < 6; ++i, cursor.move(*level, kDown))
            if (cursor.tile(*level)) down.insert(cursor.row);
        EXPECT_EQ(cursor.row, 5);
        EXPECT_EQ(up, marbles);
        EXPECT_EQ(down, marbles);
    }
}

// The game screen in play with its gate open, fed keys a frame at a time.
class BoardKeys : public GameScreen {
protected:
    void SetUp() override {
        GameScreen::SetUp();
        objects().gate.state = TGate::State::WaitAfterOpen;
        objects().gate.wszystkie = 1;
        game().cursor.forget();
        game().cursorKeys.reset();
        game().chosenBonus = nullptr;
    }
    void TearDown() override {
        objects().gate.hide();
        GameScreen::TearDown();
    }
    // One frame of the screen's loop in play, `key` pressed and let go before it.
    void frame(int key = 0) {
        if (key) {
            media::inputKeyDown(key);
            media::inputKeyUp(key);
        }
        game()._updateState();
        game()._updateBonuses();
        game().controlFrame();
    }
    // The cursor shown on (row, column).
    void cursorOn(int row, int column) {
        game().cursor.row = row;
        game().cursor.column = column;
        showKeyboardFocus(true);
    }
    // Marbles settled, the screen back in play.
    void settled() {
        movingMarbles.clear();
        playOn();
        game().active = 1;
    }
};

TEST_F(BoardKeys, TheFirstKeyOnlyShowsTheCursorWhichKeepsItsCellWhileTheMouseMoves) {
    play(makeLevel({". . . .", "1 2 3 4", "1 2 3 4"}));
    frame(KEY_RIGHT);
    EXPECT_TRUE(keyboardFocusShown());
    EXPECT_EQ(cell(game().cursor), "1,1");
    frame(KEY_RIGHT);
    frame(KEY_D);
    EXPECT_EQ(cell(game().cursor), "1,3");
    EXPECT_EQ(game().over, game().level->tiles[1][3]) << "the cursor, not the pointer, picks the marble";
    // Ctrl and the arrows nudge the board (a developer aid), not the cursor.
    media::inputKeyDown(KEY_LCTRL);
    frame(KEY_LEFT);
    media::inputKeyUp(KEY_LCTRL);
    EXPECT_EQ(cell(game().cursor), "1,3");

    media::inputMouseMove(300, 300);
    objects().mouse.update();
    frame();
    EXPECT_FALSE(keyboardFocusShown());
    EXPECT_EQ(game().over, nullptr) << "no marble under the pointer";
    frame(KEY_ENTER);
    EXPECT_EQ(marbles(), 8) << "Enter only brought the cursor back";
    EXPECT_EQ(cell(game().cursor), "1,3");
}

TEST_F(BoardKeys, EnterOrSpaceRemovesTheGroupUnderTheCursorAsAClickOnItDoes) {
    const std::vector<std::string> board = {
        ". . . . . .",
        "2 2 2 3 3 B",
        "1 1 1 1 3 4",
    };
    play(makeLevel(board));
    clickMarble(2, 0);
    const std::vector<std::string> clicked = picture(*game().level);
    const int points = game().punkty, credit = game().bonusCredit;

    for (const int key : {KEY_ENTER, KEY_SPACE}) {
        SCOPED_TRACE(key);
        game().punkty = game().bonusCredit = game().steps = 0;
        settled();
        play(makeLevel(board));
        cursorOn(2, 0);
        frame();
        EXPECT_EQ(game().znalezione.size(), 4u) << "the group is highlighted as under the pointer";
        frame(key);
        EXPECT_EQ(picture(*game().level), clicked);
        EXPECT_EQ(game().punkty, points);
        EXPECT_EQ(game().bonusCredit, credit);
        EXPECT_EQ(game().steps, 1);
        EXPECT_EQ(game().state, TGame::State::Wait);
    }
    // A bonus marble under the cursor goes off as clicked.
    settled();
    play(makeLevel(board));
    cursorOn(1, 5);
    frame();
    frame(KEY_ENTER);
    EXPECT_EQ(marbles(), 6) << "the bomb took what lies within two cells of it";
}

TEST_F(BoardKeys, NumberKeysUseTheColumnsItemsAndTheCursorAimsTheBombAndTheEraser) {
    player.bonus[15] = 1;  // a bomb: the column's eighth item
    player.bonus[16] = 1;  // an eraser: the seventh
    fullBoard(45);
    game()._prepareBonuses();
    cursorOn(5, 5);
    frame(KEY_1);
    EXPECT_EQ(marbles(), 100) << "an item the player lacks does nothing";
    frame('8');
    EXPECT_EQ(game().armedBonus(), KIND_BOMB);
    EXPECT_EQ(player.bonus[15], 0);
    EXPECT_EQ(marbles(), 100) << "armed, not fired";
    frame(KEY_ENTER);
    EXPECT_EQ(marbles(), 75) << "the square around the cursor's marble";
    EXPECT_EQ(game().armedBonus(), 0);

    // The eraser takes the cursor's row; on an empty cell as well.
    settled();
    fullBoard(45);
    game().level->tiles[4][7] = nullptr;
    cursorOn(4, 7);
    frame('7');
    EXPECT_EQ(game().armedBonus(), KIND_LINE_ERASER);
    frame(KEY_SPACE);
    EXPECT_EQ(marbles(), 90);
    EXPECT_EQ(player.bonus[16], 0);
}

TEST_F(BoardKeys, ThePadsYChoosesTheNextUsableItemAUsesItAndBLetsGo) {
    play(makeLevel({". . . .", "1 2 3 4", "1 2 3 1"}));
    player.bonus[0] = 1;   // the red blast, first in the column
    player.bonus[15] = 1;  // a bomb
    game()._prepareBonuses();
    TBonusButton* red = game().getBonusButtonById(0);
    TBonusButton* bomb = game().getBonusButtonById(15);
    frame(KEY_PAD_Y);
    EXPECT_TRUE(keyboardFocusShown());
    EXPECT_EQ(game().chosenBonus, red);
    frame(KEY_PAD_Y);
    EXPECT_EQ(game().chosenBonus, bomb) << "past the items the player lacks";
    frame();
    EXPECT_EQ(bomb->lit, 1) << "it glows and tells what it does";
    frame(KEY_PAD_Y);
    EXPECT_EQ(game().chosenBonus, red) << "round the column's end";
    frame(KEY_ESCAPE);
    EXPECT_EQ(game().chosenBonus, nullptr);
    EXPECT_EQ(marbles(), 8);

    frame(KEY_PAD_Y);
    frame(KEY_ENTER);
    EXPECT_EQ(marbles(), 5) << "A used the chosen blast, not the cursor's group";
    EXPECT_EQ(player.bonus[0], 0);
    EXPECT_EQ(game().chosenBonus, nullptr);
    settled();
    frame(KEY_PAD_Y);
    EXPECT_EQ(game().chosenBonus, bomb) << "the only usable item left";
    frame(KEY_ENTER);
    EXPECT_EQ(game().armedBonus(), KIND_BOMB);
    frame(KEY_ESCAPE);
    EXPECT_EQ(game().armedBonus(), 0);
    EXPECT_EQ(player.bonus[15], 1) << "the bomb let go went back";
}

TEST_F(BoardKeys, NOrThePadsXCallsTheNextRowAndOnTwoSidedBoardsTheSideWhoseTurnItIs) {
    TLevelPtr level = play(makeLevel({"^1 ^2", ". .", ". .", ". .", ". .", "2 1"}, "TWO", {1, 2, 3}));
    level->randomMe();
    const int lines = level->lines;
    for (const int key : {KEY_N, KEY_PAD_X, KEY_N}) {
        const int side = level->przelacznikLini;
        frame(key);
        EXPECT_NE(level->przelacznikLini, side);
        settled();
    }
    EXPECT_EQ(level->lines, lines - 3);
    // Rows came from below twice and from above once.
    EXPECT_EQ(picture(*level)[3].find('.'), std::string::npos) << picture(*level)[3];
    EXPECT_EQ(picture(*level)[1].find('.'), std::string::npos) << picture(*level)[1];
    EXPECT_NE(picture(*level)[2].find('.'), std::string::npos) << picture(*level)[2];
}

TEST_F(BoardKeys, KeysPressedOutOfPlayDoNotActLaterAndEnterLeavesTheResults) {
    play(makeLevel({". . .", "1 1 1"}));
    cursorOn(1, 0);
    game().state = TGame::State::Wait;
    movingMarbles.push_back({});
    frame(KEY_ENTER);
    settled();
    frame();
    EXPECT_EQ(marbles(), 3) << "the press came while marbles settled";

    game().WYGRANA();
    frame(KEY_ENTER);
    game().state = TGame::State::AfterWin2;
    frame();
    EXPECT_EQ(game().state, TGame::State::AfterWin2) << "pressed before the results showed";
    frame(KEY_ENTER);
    EXPECT_EQ(game().state, TGame::State::End);
}

}  // namespace
