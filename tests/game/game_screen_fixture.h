// The game screen on known boards, for the screen's rule and key tests:
// a level in play, the bomb's and the eraser's cursors, seventeen bonus
// buttons as the button file lists them, the current player in the quest,
// and the clicks as the screen handles them.
#pragma once
#include <gtest/gtest.h>

#include "../board/board_fixture.h"

namespace game_test {

using namespace board_test;

class GameScreen : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        GameObjects& o = objects();
        // The cursors the bomb and the eraser arm, one per marble size.
        const TImagePtr dot = LoadImage(std::make_shared<TPixmap>(4, 4, 0xFFFFFFFFu));
        if (o.mouse.listaKursorow.empty())
            for (const char* id : {"bomb1", "bomb2", "bomb3", "erase1", "erase2", "erase3", "podstawowy"})
                o.mouse.loadCursor(id, dot, 0, 0);
        o.mouse.setCursor("podstawowy");
        o.mouse.leftPressed = 0;
        // Seventeen bonus buttons, 40 pixels square, as the button file lists them.
        TGame& g = game();
        g.bonusButtons.clear();
        g.bonusbuttonsList.clear();
        for (int nr = 0; nr < 17; ++nr) {
            auto b = std::make_unique<TBonusButton>();
            b->img = b->unactive = LoadImage(std::make_shared<TPixmap>(40, 40, 0xFFFFFFFFu));
            MidHandleImage(b->img);
            b->nr = nr;
            g.bonusButtons.push_back(std::move(b));
        }
        g.levelMode = "NORMAL";
        g.bonusCredit = g.steps = 0;
        g.darkX = 240;
        g.darkY = 41;
        g.bAdx = 728;
        g.bAdy = 68;
        g.znalezione.clear();
        g.over = nullptr;
        o.main.typGry = "QUEST";
        o.profileManager.profile = &player;
        o.results.hide();
    }
    void TearDown() override {
        objects().main.typGry.clear();
        game().bonusbuttonsList.clear();
        game().bonusButtons.clear();
        BoardTest::TearDown();
    }

    // The level on the screen, in play.
    TLevelPtr play(TLevelPtr level) {
        game().level = level;
        game().levelMode = level->mode();
        return level;
    }
    // A left click on the marble in (row, column), as the screen handles it.
    void clickMarble(int row, int column) {
        TGame& g = game();
        g.over = g.level->tiles[size_t(row)][size_t(column)];
        g.level->findAll(g.over, g.znalezione);
        objects().mouse.leftPressed = 1;
        g._controlTiles();
        objects().mouse.leftPressed = 0;
    }
    // A left click at (x, y) on the board with nothing hovered.
    void clickAt(int x, int y) {
        TMouse& mouse = objects().mouse;
        mouse.x = x;
        mouse.y = y;
        mouse.leftPressed = 1;
        game().over = nullptr;
        game()._controlTiles();
        mouse.leftPressed = 0;
    }
    void useButton(int nr) {
        game().clickedBonus = game().getBonusButtonById(nr);
        game()._controlBonuses();
    }
    // A whole board of alternating colours 1 and 2 with `R`-pixel cells.
    TLevelPtr fullBoard(int R) {
        std::vector<std::string> rows;
        for (int r = 0; r < 10; ++r) {
            std::string row;
            for (int c = 0; c < 10; ++c) row += (r + c) % 2 ? "2 " : "1 ";
            rows.push_back(row);
        }
        TLevelPtr level = makeLevel(rows);
        level->rozmiar = R;
        level->zestaw = R == 20 ? 0 : R == 30 ? 1 : 2;
        return play(level);
    }
    int marbles() {
        int n = 0;
        for (int r = 0; r < game().level->rows; ++r)
            for (int c = 0; c < game().level->cols; ++c) n += game().level->tiles[size_t(r)][size_t(c)] ? 1 : 0;
        return n;
    }

    TProfile player;
};

}  // namespace game_test
