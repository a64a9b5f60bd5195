// Boards for the rule tests, written as pictures:
//   "."   empty cell
//   "3"   colour 3, clinging to the bottom (group 0)
//   "^3"  colour 3, clinging to the top (group 1)
//   "b3"  colour blast of colour 3 (id 103)
//   "B"   bomb, "S" shuffle, "E" line eraser, "W" side switch
// One string per row, cells separated by spaces.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "board/tile_data.h"
#include "board/tile_part.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace board_test {

// Colours 1-14, their blasts and the four other bonus marbles, without
// pictures (the rules never need them).
inline void useTestKinds() {
    tileKinds.clear();
    auto add = [](int id) {
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        kind->rgb = createRGB(10 * id % 256, 20 * id % 256, 30 * id % 256);
        tileKinds.push_back(kind);
    };
    for (int id = 1; id <= 14; ++id) add(id);
    for (int id = 101; id <= 118; ++id) add(id);
}

inline int idOf(const std::string& cell, int& group) {
    group = 0;
    if (cell == "B") return KIND_BOMB;
    if (cell == "S") return KIND_SHUFFLE;
    if (cell == "E") return KIND_LINE_ERASER;
    if (cell == "W") return KIND_SIDE_SWITCH;
    if (cell[0] == 'b') return 100 + std::stoi(cell.substr(1));
    if (cell[0] == '^') {
        group = 1;
        return std::stoi(cell.substr(1));
    }
    return std::stoi(cell);
}

inline std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    for (char ch : row + " ") {
        if (ch == ' ') {
            if (!cell.empty()) cells.push_back(cell);
            cell.clear();
        } else {
            cell += ch;
        }
    }
    return cells;
}

// A level of mode `mode` (typ "NORMAL-" + mode) laid out from the picture,
// with colours `colours` available, cell size 20 at the game's usual corner.
inline TLevelPtr makeLevel(const std::vector<std::string>& picture, const std::string& mode = "NORMAL",
                           std::vector<int> colours = {1, 2, 3, 4}) {
    auto level = std::make_shared<TLevel>();
    level->typ = "NORMAL-" + mode;
    level->rows = int(picture.size());
    level->cols = picture.empty() ? 0 : int(cellsOf(picture[0]).size());
    level->rozmiar = 20;
    level->zestaw = 0;
    level->lines = 20;
    for (int id : colours) level->available.push_back(tileKindById(id));
    for (int r = 0; r < level->rows; ++r) {
        const std::vector<std::string> cells = cellsOf(picture[size_t(r)]);
        for (int c = 0; c < level->cols && size_t(c) < cells.size(); ++c) {
            if (cells[size_t(c)] == ".") continue;
            int group = 0;
            const int id = idOf(cells[size_t(c)], group);
            level->setTileOnPos(r, c, tileKindById(id), group);
        }
    }
    return level;
}

inline std::string cellText(const TTilePtr& t) {
    if (!t) return ".";
    const int id = t->TD->id;
    switch (id) {
        case KIND_BOMB: return "B";
        case KIND_SHUFFLE: return "S";
        case KIND_LINE_ERASER: return "E";
        case KIND_SIDE_SWITCH: return "W";
        default: break;
    }
    if (id > 100) return "b" + std::to_string(id - 100);
    return (t->przyleg == 1 ? "^" : "") + std::to_string(id);
}

// The grid as a picture, in the same notation.
inline std::vector<std::string> picture(const TLevel& level) {
    std::vector<std::string> rows;
    for (int r = 0; r < level.rows; ++r) {
        std::string line;
        for (int c = 0; c < level.cols; ++c) line += (c ? " " : "") + cellText(level.tiles[size_t(r)][size_t(c)]);
        rows.push_back(line);
    }
    return rows;
}

inline std::string waitingRow(const std::array<TTilePtr, TLevel::kMaxCols>& row, int cols) {
    std::string line;
    for (int c = 0; c < cols; ++c) line += (c ? " " : "") + (row[size_t(c)] ? std::to_string(row[size_t(c)]->TD->id) : ".");
    return line;
}

// Every test starts with a fresh game screen record, empty effect lists, a
// virtual clock, frame factor 1, no input and a known random sequence.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::resetGlobalState();
        useTestKinds();
        TGame& g = objects().game;
        g.x = 275;
        g.y = 75;
        g._adX = -35;
        g._adY = -35;
        g.levelAdy = 0;
        g.punkty = g.biggestMatch = g.matches = g.zebraneKapsle = 0;
        playOn();
        g.active = 1;
        g.level = nullptr;
        clearParticles();
        movingMarbles.clear();
        flyingDiamonds.clear();
        media::resetClock(true, 1000);
        SeedRnd(12345);
    }
    void TearDown() override {
        objects().game.level = nullptr;
        clearParticles();
        movingMarbles.clear();
        flyingDiamonds.clear();
        testing_support::resetGlobalState();
    }
    TGame& game() { return objects().game; }
    // What the board told the game screen.
    bool won() { return game().state == TGame::State::Win; }
    bool lost() { return game().state == TGame::State::Lost; }
    const std::string& lostReason() { return objects().lostGame.reason; }
    // The screen back in play, as after a restart.
    void playOn() {
        game().state = game().lastState = TGame::State::Go;
        objects().lostGame.hide();
        objects().lostGame.reason.clear();
        objects().endEmitter.reset();
    }
};

}  // namespace board_test
