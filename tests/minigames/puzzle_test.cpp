// The picture puzzle on the quest's real pictures, played by clicks: picking
// up and putting down, snapping only on a piece's own cell, solving, the
// results and the pay, restarting, and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/keyboard_focus.h"
#include "menus/in_game_menu.h"
#include "minigames/puzzle_game.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

class Puzzle : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        SeedRnd(11);
        p.setupObject();
        player.hint.fill(1);
        player.score = 500;
        objects().profileManager.profile = &player;
    }

    // The quest's first picture cut rows x cols, in play.
    void start(int rows, int cols, const char* picture = "gfx/puzzles/puzzle1.jpg") {
        level = std::make_shared<TLevel>();
        level->typ = "PUZZLE";
        level->rows = rows;
        level->cols = cols;
        level->_loadPuzzles(picture);
        ASSERT_TRUE(level->img2);
        p.solved = 0;
        p.prepare(level);
        delta = 1;
        frames(2);
        ASSERT_EQ(p.state, TPuzzleGame::State::Go);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            Delay(16);
            mouse().update();
            p.update();
            p.react();
        }
    }
    void clickAt(float x, float y) {
        media::inputMouseMove(int(x), int(y));
        media::inputMouseDown(1);
        media::inputMouseUp(1);
        frames(1);
    }
    // The centre of a cell on the board.
    float cellX(int id) const { return p.startX + level->minW * float(id % level->cols) + level->minW / 2; }
    float cellY(int id) const { return p.startY + level->minH * float(id / level->cols) + level->minH / 2; }
    // The loose piece drawn on top (placed pieces lie first in the list).
    TPuzel& topmost() { return *p.listaPuzzli.back(); }
    // Picks up the topmost piece by its centre and puts it down on its cell.
    void placeTopmost() {
        TPuzel& piece = topmost();
        clickAt(piece.x, piece.y);
        ASSERT_EQ(p.picked, &piece);
        clickAt(cellX(piece.id), cellY(piece.id));
    }

    // A key pressed and let go, and the frame that answers it.
    void key(int code) {
        press(code);
        frames(1);
    }
    // The pieces in the order of their cells, loose in two rows of six
    // across the screen (x 70 to 720 by 130, y 150 and 400), the cursor
    // not yet on one.
    void laidOut() {
        std::sort(p.listaPuzzli.begin(), p.listaPuzzli.end(),
                  [](const auto& a, const auto& b) { return a->id < b->id; });
        for (size_t i = 0; i < p.listaPuzzli.size(); ++i) {
            p.listaPuzzli[i]->x = float(70 + 130 * (i % 6));
            p.listaPuzzli[i]->y = float(150 + 250 * (i / 6));
        }
        p.cursorPiece = nullptr;
        p.cursorX = 400;
        p.cursorY = 300;
    }
    // The piece of cell `id` (placed pieces move to the front of the list).
    TPuzel* piece(int id) {
        for (const auto& q : p.listaPuzzli)
            if (q->id == id) return q.get();
        return nullptr;
    }

    testing_support::InContentDir here;
    TPuzzleGame p;
    TLevelPtr level;
    TProfile player;
};

TEST_F(Puzzle, AOnePiecePuzzleIsSolvedByAPickUpAndAPutDown) {
    start(1, 1);
    placeTopmost();
    frames(1);
    EXPECT_EQ(p.listaPuzzli[0]->done, 1);
    EXPECT_EQ(p.state, TPuzzleGame::State::Results);
    EXPECT_EQ(p.klikniecia, 2);
    EXPECT_EQ(p.wynik, 1);
    EXPECT_EQ(player.score, 510);
    ASSERT_EQ(p.listaWynikow.size(), 8u);
    EXPECT_EQ(p.listaWynikow[3].txt, "1");
    EXPECT_EQ(p.listaWynikow[7].txt, "2");
    // The piece is counted into points on screen; the pay stays as it was.
    frames(400);
    EXPECT_EQ(p.listaWynikow[3].txt, "0");
    EXPECT_EQ(p.listaWynikow[5].txt, "10");
    EXPECT_EQ(player.score, 510);
}

TEST_F(Puzzle, AThreeByFourPuzzleIsSolvedPieceByPiece) {
    start(3, 4);
    ASSERT_EQ(p.listaPuzzli.size(), 12u);
    std::set<int> ids;
    for (const auto& piece : p.listaPuzzli) {
        ids.insert(piece->id);
        EXPECT_EQ(piece->f, piece->id);
        // Scattered across the screen, clear of the title.
        EXPECT_GE(piece->y, 70 + level->minH / 2);
        EXPECT_LE(piece->y, 500 - level->minH / 2);
    }
    EXPECT_EQ(ids.size(), 12u);
    for (int placed = 0; placed < 12; ++placed) {
        placeTopmost();
        // Placed pieces lie under the loose ones.
        for (int i = 0; i <= placed; ++i) EXPECT_EQ(p.listaPuzzli[size_t(i)]->done, 1);
    }
    frames(1);
    EXPECT_EQ(p.state, TPuzzleGame::State::Results);
    EXPECT_EQ(p.klikniecia, 24);
    EXPECT_EQ(player.score, 500 + 120);
    for (const auto& piece : p.listaPuzzli) {
        EXPECT_EQ(piece->x, cellX(piece->id));
        EXPECT_EQ(piece->y, cellY(piece->id));
    }
}

TEST_F(Puzzle, APieceSnapsOnlyWithThePointerOnItsOwnCell) {
    start(3, 4);
    // Grid 125 x 125: column 1 spans x 273 to 398.
    auto carry = [&](int id, float gripX) -> TPuzel& {
        TPuzel* piece = nullptr;
        for (auto& q : p.listaPuzzli)
            if (q->id == id) piece = q.get();
        // Brought to the top, so the click takes it.
        piece->x = 700;
        piece->y = 300;
        auto at = std::find_if(p.listaPuzzli.begin(), p.listaPuzzli.end(), [&](auto& q) { return q.get() == piece; });
        std::rotate(at, at + 1, p.listaPuzzli.end());
        clickAt(700 + gripX, 300);
        EXPECT_EQ(p.picked, piece);
        return *piece;
    };
    // Over a neighbour's cell: it stays loose where it was put, and the
    // click counts.
    TPuzel& first = carry(0, 0);
    clickAt(cellX(1), cellY(1));
    EXPECT_EQ(first.done, 0);
    EXPECT_EQ(first.x, int(cellX(1))) << "where the pointer put it";
    EXPECT_EQ(p.klikniecia, 2);
    // Gripped 60 pixels left of its centre, with the pointer just inside
    // its own cell and the centre over the next one: it snaps.
    TPuzel& fifth = carry(5, -60);
    clickAt(390, cellY(5));
    EXPECT_EQ(fifth.done, 1);
    EXPECT_EQ(fifth.x, cellX(5));
    // The board's right edge belongs to no cell: the next row's first
    // piece does not snap there.
    TPuzel& fourth = carry(4, 0);
    clickAt(648, cellY(0));
    EXPECT_EQ(fourth.done, 0);
    clickAt(648, cellY(0));
    EXPECT_EQ(p.picked, &fourth);
    clickAt(cellX(4), cellY(4));
    EXPECT_EQ(fourth.done, 1);
    // Nor does the strip a 6-column cut leaves at the right of the board.
    start(5, 6, "gfx/puzzles/puzzle4.jpg");
    ASSERT_LT(level->minW * 6, TPuzzleGame::kBoardW);
    EXPECT_EQ(p.cellAt(647, int(cellY(0))), -1);
    EXPECT_EQ(p.cellAt(645, int(cellY(0))), 5);
    EXPECT_EQ(p.cellAt(148, 103), 0);
    EXPECT_EQ(p.cellAt(147, 103), -1);
}

TEST_F(Puzzle, TheTopmostOfOverlappingPiecesIsTaken) {
    start(3, 4);
    TPuzel& lower = *p.listaPuzzli[4];
    TPuzel& upper = *p.listaPuzzli[7];
    lower.x = upper.x = 400;
    lower.y = upper.y = 300;
    for (size_t i = 8; i < p.listaPuzzli.size(); ++i) p.listaPuzzli[i]->y = 150;
    clickAt(410, 310);
    EXPECT_EQ(p.picked, &upper);
}

TEST_F(Puzzle, RestartReshufflesResetsClicksAndClockAndLeavesTheScore) {
    start(3, 4);
    placeTopmost();
    Delay(5000);
    std::vector<std::pair<float, float>> before;
    for (const auto& piece : p.listaPuzzli) before.push_back({piece->x, piece->y});
    p.afterMenu(TInGameMenu::RESTART);
    EXPECT_EQ(p.state, TPuzzleGame::State::Restart);
    frames(3);
    EXPECT_EQ(p.state, TPuzzleGame::State::Go);
    EXPECT_FALSE(p.react()) << "a restart does not leave the puzzle";
    EXPECT_EQ(p.klikniecia, 0);
    EXPECT_EQ(p.obliczCzas(), "00:00");
    int moved = 0;
    for (size_t i = 0; i < p.listaPuzzli.size(); ++i) {
        EXPECT_EQ(p.listaPuzzli[i]->done, 0);
        if (p.listaPuzzli[i]->x != before[i].first || p.listaPuzzli[i]->y != before[i].second) ++moved;
    }
    EXPECT_GT(moved, 8);
    EXPECT_EQ(player.score, 500);
}

TEST_F(Puzzle, TheClockShowsMinutesPastTheHourAndStopsWhenSolved) {
    EXPECT_EQ(minutesAndSeconds((3 * 60 + 7) * 1000 + 999), "03:07");
    EXPECT_EQ(minutesAndSeconds((61 * 60 + 5) * 1000), "61:05");
    start(1, 1);
    Delay(75 * 60 * 1000);
    EXPECT_EQ(p.obliczCzas(), "75:00");
    p.WYGRANA();
    Delay(10000);
    EXPECT_EQ(p.obliczCzas(), "75:00");
    EXPECT_EQ(p.listaWynikow[4].txt, "75:00");
}

TEST_F(Puzzle, ThePuzzleClockStandsStillWhilePaused) {
    start(1, 1);
    Delay(10000);
    Delay(50000);
    p.holdTimers(50000);
    EXPECT_EQ(p.obliczCzas(), "00:10");
}

TEST_F(Puzzle, ASolvedPuzzleStaysSolvedAndIsPaidOnce) {
    start(1, 1);
    p.afterMenu(TInGameMenu::MAIN_MENU);
    EXPECT_EQ(p.wynik, 0) << "left unsolved";
    EXPECT_EQ(p.goExit, 1);
    start(1, 1);
    p.WYGRANA();
    p.WYGRANA();
    EXPECT_EQ(player.score, 510);
    // A restart of the finished puzzle and a second solution pay nothing more.
    p.afterMenu(TInGameMenu::RESTART);
    frames(3);
    placeTopmost();
    frames(1);
    EXPECT_EQ(p.state, TPuzzleGame::State::Results);
    EXPECT_EQ(player.score, 510);
    // Leaving for the main menu after solving keeps it solved.
    p.afterMenu(TInGameMenu::MAIN_MENU);
    EXPECT_EQ(p.wynik, 1);
}

TEST_F(Puzzle, TheKeysCursorGoesFromPieceToPieceAndWithOneInHandFromEmptyCellToEmptyCell) {
    start(3, 4);
    laidOut();
    // The first key only shows the cursor, on the piece nearest the middle;
    // then the nearest that way, its own row or column first.
    key(KEY_RIGHT);
    EXPECT_EQ(p.cursorPiece, piece(9));
    key(KEY_RIGHT);
    key(KEY_W);
    key(KEY_LEFT);
    key(KEY_A);
    EXPECT_EQ(p.cursorPiece, piece(2));
    // Tab and the shoulder buttons go round in reading order.
    key(KEY_TAB);
    EXPECT_EQ(p.cursorPiece, piece(3));
    for (int i = 0; i < 4; ++i) key(KEY_PAGEUP);
    EXPECT_EQ(p.cursorPiece, piece(11));
    for (int i = 0; i < 3; ++i) key(KEY_PAGEDOWN);
    // Taken up over the board, it is on the empty cell it lay over and
    // goes with the cursor; put down on another's cell, it lies loose there.
    TPuzel& two = *piece(2);
    key(KEY_ENTER);
    EXPECT_EQ(p.picked, &two);
    EXPECT_EQ(p.cursorCell, 1);
    key(KEY_DOWN);
    frames(1);
    EXPECT_EQ(two.x, cellX(5));
    key(KEY_SPACE);
    EXPECT_EQ(p.picked, nullptr);
    EXPECT_EQ(two.done, 0);
    EXPECT_EQ(p.cursorPiece, &two);
    // Escape puts a piece in hand back where it was taken up.
    key(KEY_ENTER);
    key(KEY_RIGHT);
    key(KEY_ESCAPE);
    EXPECT_EQ(p.picked, nullptr);
    EXPECT_EQ(two.x, cellX(5));
    // On its own cell it snaps in, and the cursor goes to the nearest loose piece.
    key(KEY_ENTER);
    key(KEY_UP);
    key(KEY_D);
    key(KEY_ENTER);
    EXPECT_EQ(two.done, 1);
    EXPECT_EQ(p.cursorPiece, piece(3));
    EXPECT_EQ(p.klikniecia, 5) << "a click for every take and put";
    // Taken up off the board, it waits there until an arrow takes it to a
    // cell; filled cells are passed by.
    key(KEY_PAGEUP);
    key(KEY_PAGEUP);
    key(KEY_ENTER);
    ASSERT_EQ(p.picked, piece(0));
    EXPECT_EQ(p.cursorCell, -1);
    key(KEY_RIGHT);
    key(KEY_RIGHT);
    key(KEY_RIGHT);
    EXPECT_EQ(p.cursorCell, 3);
}

TEST_F(Puzzle, TakingUpAndTryingTheNextCellInTurnSolvesAnyPuzzleByKeys) {
    for (const int seed : {11, 12, 13}) {
        SeedRnd(seed);
        start(3, 4);
        key(KEY_TAB);
        // Enter and Tab in turn: taken up, to the next empty cell, put
        // down, to the next piece; a piece left loose goes on to the next
        // cell when it comes round again.
        int presses = 0;
        while (p.state == TPuzzleGame::State::Go && presses < 2 * 12 * 13) key(presses++ % 2 ? KEY_TAB : KEY_ENTER);
        frames(1);
        ASSERT_EQ(p.state, TPuzzleGame::State::Results) << "seed " << seed;
        EXPECT_EQ(p.klikniecia, (presses + 1) / 2);
    }
    // Enter goes on from the results, as a click does.
    key(KEY_ENTER);
    frames(1);
    EXPECT_TRUE(p.react());
}

TEST_F(Puzzle, APieceTheMouseCarriesIsTheKeysOnceAKeyShowsTheCursor) {
    start(3, 4);
    laidOut();
    clickAt(piece(11)->x, piece(11)->y);
    media::inputMouseMove(600, 200);
    frames(1);
    // It stays where the mouse left it, then goes with the cursor; Escape
    // takes it back to where the mouse took it up.
    key(KEY_LEFT);
    frames(1);
    EXPECT_EQ(piece(11)->x, 600);
    key(KEY_LEFT);
    frames(1);
    EXPECT_EQ(piece(11)->x, cellX(3));
    key(KEY_ESCAPE);
    EXPECT_EQ(p.picked, nullptr);
    EXPECT_EQ(piece(11)->x, 720);
}

}  // namespace
