#pragma once
// One level's board and all of its rules: the grid of marbles, the rows
// waiting below (and, in two-sided levels, above) it, group finding, removal
// and scoring, settling, the row feed, the bonus marbles' effects, random
// fills, and the loaders of level files.
//
// Group 0 clings to the bottom wall: it falls, is pushed up by rows entering
// from below and loses the level when pushed out at the top. Group 1 exists in
// two-sided levels only and does the opposite. A push that drives one group
// into the other loses the level too.
//
// The board reports to whoever plays it (boardPlayer(), the game screen):
// the groups removed, marbles set moving, the level won or lost.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "board/tile.h"
#include "board/tile_data.h"
#include "shell/media/image.h"

class TRCMFile;

// A cell to visit.
struct TRC {
    int r = 0, c = 0;
};

// A marble with its cell.
struct TTileMem {
    TTilePtr tile;
    int r = 0, c = 0;
};

using TTileList = std::vector<TTilePtr>;

class TLevel {
public:
    static constexpr int kMaxRows = 26;
    static constexpr int kMaxCols = 25;
    static constexpr int kGrid = 26;
    // Cell size in pixels of marble size sets 0, 1 and 2.
    static constexpr int kCellSizes[3] = {20, 30, 45};

    std::array<std::array<TTilePtr, kGrid>, kGrid> tiles;  // [row][column], row 0 at the top
    std::array<TTilePtr, kMaxCols> nextUp;    // waiting above (two-sided levels)
    std::array<TTilePtr, kMaxCols> nextDown;  // waiting below
    std::vector<TTileDataPtr> available;      // colours of new marbles; order matters
    std::vector<TTileDataPtr> bonusy;         // bonus kinds of the waiting rows
    std::string typ;                          // KIND-MODE
    int rows = 0, cols = 0;
    int rozmiar = 0;  // cell size: 20, 30 or 45
    int zestaw = 0;   // marble size set 0, 1 or 2
    int time = 0;        // push interval, 10 ms units
    int changeTime = 0;  // colour-change interval, 20 ms units
    int lines = 0;       // rows still to come; negative: endless
    std::string url;
    int maxTime = 0;
    int nr = 0;  // -1 for a free-play board
    std::string name;
    int przelacznikLini = 0;  // two-sided: 0 next push from below, 1 from above
    TImagePtr img;
    std::string imgUrl;
    TImagePtr img2;  // the picture cut into pieces (picture-puzzle levels)
    float minW = 0, minH = 0;

    // Queries.
    int puzzleLevel() const;
    int _isCleared() const;
    int _isLevelEmpty() const { return 0; }
    int _isTileAvailable(int id) const;
    int canMatch();

    // Bonus effects.
    int destroy(int id);
    int changePlaces(const TTilePtr& tile);
    int changeRandom();
    int bomb(const TTilePtr& tile);
    int bombRC(int row, int column);
    int eraseLine(const TTilePtr& tile);
    int eraseLineR(int row);
    int oznaczBombe(const TTilePtr& tile);
    int oznaczLinie(const TTilePtr& tile);
    int changeTilesPosition();
    TTileMem _wyciagnijZListy(std::vector<TTileMem>& list);

    // Row feed.
    int giveNext(int withBonus);
    TTileDataPtr randomBonus();
    int giveBonus(int column, int side);
    int addBonus(const std::string& mode);
    int cutMarbles();
    int randomMe();
    int _giveUp();
    int _giveDown();
    int addUp(const TTilePtr& tile);
    int addDown(const TTilePtr& tile);
    int randomDown();
    int randomUp();
    TTilePtr _getRandomTile();
    TTileDataPtr _getRandomTileData();
    int randomLevel(int depth);

    // Grid.
    int draw();
    int clear();
    int clearFound();
    int _printMe() const;
    int setTileOnPos(int row, int column, const TTileDataPtr& kind, int group);

    // Group finding and removal.
    TTileList findAll(const TTilePtr& tile);
    // The same into `group`, whose room is kept (the game asks every frame);
    // the group's size.
    int findAll(const TTilePtr& tile, TTileList& group);
    int findThree(const TTilePtr& tile);
    int remove(const TTileList& list);
    int destroyTile(const TTilePtr& tile);

    // Settling.
    int checkLevel(float speed);
    // The grid part of settling, with no animation and no word to the game
    // screen: marbles fall to their wall and slide toward the middle.
    int settle();
    int _checkDOWNHor();
    int _checkUPHor();
    int _checkUpVer();
    int _checkDOWNVer();
    int moveTiles(float speed);
    int rememberPosition();
    int sprawdzKolumne(int column, int group) const;
    int moveColumnRight(int column, int group);
    int moveColumnLEFT(int column, int group);
    // Moves the group's marbles of one column into the neighbouring column.
    int moveColumn(int column, int target, int group);
    int moveTileDown(int row, int column);
    int moveTileUp(int row, int column);

    // Level files (level_files.cpp). _loadData reports false when the level
    // cannot be played as written (see there); limits it can fix it clamps.
    bool _loadData(const TRCMFile& file, const std::string& prefix);
    int _loadTiles(const TRCMFile& file, const std::string& prefix);
    int _loadPuzzles(const std::string& url);

    // The upper-cased part of typ after the first "-" ("" when none).
    std::string mode() const;
    // The upper-cased part of typ before the first "-".
    std::string kind() const;
    // zestaw, or set 0 when it names no set.
    int marbleSet() const { return zestaw >= 0 && zestaw <= 2 ? zestaw : 0; }
    // The used area, kept inside the grid whatever rows and cols say.
    int usedRows() const { return rows < 0 ? 0 : rows > kMaxRows ? kMaxRows : rows; }
    int usedCols() const { return cols < 0 ? 0 : cols > kMaxCols ? kMaxCols : cols; }
    // Screen centre of a cell.
    int cellX(int column) const;
    int cellY(int row) const;
    // The marble in a cell of the grid, none outside it.
    TTilePtr at(int row, int column) const;
    // Cell of that very marble by scanning the grid; false when absent.
    bool findTile(const TTilePtr& tile, int& row, int& column) const;

private:
    using TWaitingRow = std::array<TTilePtr, kMaxCols>;

    void place(int row, int column, TTilePtr tile);
    // The row waiting at the wall that group clings to: nextDown for group
    // 0, nextUp for group 1.
    TWaitingRow& waitingRow(int group) { return group == 1 ? nextUp : nextDown; }
    // _giveDown and _giveUp.
    void giveRow(int group);
    // addDown and addUp.
    void pushRow(int group);
    void fillWaitingRow(TWaitingRow& row);
    // The number of different kinds in available.
    size_t colourCount() const;
    void collectBombArea(int row, int column, TTileList& out) const;
    // findAll and findThree: the search from the marble's cell, appending
    // the marbles found to `found` when given; stops once `limit` marbles
    // are collected (0: never). The number collected.
    int searchGroup(const TTilePtr& tile, bool bridged, int limit, TTileList* found);

    // Scratch space of the group searches, kept to avoid allocating per frame.
    std::array<std::array<int, kGrid>, kGrid> scratch_{};
    std::array<TRC, kGrid * kGrid * 4 + 1> queue_{};
};
using TLevelPtr = std::shared_ptr<TLevel>;
