#include "board/level.h"

#include <algorithm>

#include "board/board_player.h"
#include "board/tile_part.h"
#include "datafiles/strings.h"
#include "gui/particle.h"
#include "shell/media/media.h"

namespace {

void playSound(const char* name) { boardPlayer().boardSound(name); }

int kindId(const TTilePtr& t) { return t && t->TD ? t->TD->id : 0; }

bool inGroup(const TTilePtr& t, int group) { return t && t->przyleg == group; }

// A ring of particles around (x, y), one for every `step` degrees from 1.
void ring(float x, float y, int step, float speed, float aSpeed, float ds, bool yellow) {
    for (int a = 1; a < 360; a += step) {
        const int v = Rand(200, 255);
        const TRGB colour{v, v, yellow ? 0 : v};
        TParticle* p = createParticle(1, x, y, 100000, speed * Cos(float(a)), speed * Sin(float(a)), 1, 0, 1, ds,
                                      aSpeed, 0.1f, &colour);
        p->blend = LIGHTBLEND;
    }
}

}  // namespace

// ---- Queries ---------------------------------------------------------------

std::string TLevel::mode() const {
    const size_t dash = typ.find('-');
    if (dash == std::string::npos) return "";
    const size_t end = typ.find('-', dash + 1);
    return upperCase(typ.substr(dash + 1, end == std::string::npos ? std::string::npos : end - dash - 1));
}

std::string TLevel::kind() const { return upperCase(typ.substr(0, typ.find('-'))); }

int TLevel::puzzleLevel() const { return upperCase(typ) == "NORMAL-PUZZLE" ? 1 : 0; }

int TLevel::_isCleared() const {
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (tiles[r][c]) return 0;
    return 1;
}

int TLevel::_isTileAvailable(int id) const {
    for (const TTileDataPtr& kind : available)
        if (kind && kind->id == id) return 1;
    return 0;
}

int TLevel::cellX(int column) const {
    return boardPlayer().boardLeft() + column * rozmiar + rozmiar / 2;
}

int TLevel::cellY(int row) const {
    return boardPlayer().boardTop() + row * rozmiar + rozmiar / 2;
}

TTilePtr TLevel::at(int row, int column) const {
    if (row < 0 || row >= kGrid || column < 0 || column >= kGrid) return nullptr;
    return tiles[size_t(row)][size_t(column)];
}

bool TLevel::findTile(const TTilePtr& tile, int& row, int& column) const {
    if (!tile) return false;
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (tiles[r][c] == tile) {
                row = r;
                column = c;
                return true;
            }
    return false;
}

void TLevel::place(int row, int column, TTilePtr tile) {
    if (tile) {
        tile->px = column;
        tile->py = row;
    }
    tiles[size_t(row)][size_t(column)] = std::move(tile);
}

// ---- Grid ------------------------------------------------------------------

int TLevel::draw() {
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c) {
            const TTilePtr& t = tiles[r][c];
            if (!t) continue;
            t->draw(cellX(c), cellY(r));
            t->px = c;
            t->py = r;
        }
    return 0;
}

int TLevel::clear() {
    for (auto& row : tiles)
        for (auto& cell : row) cell = nullptr;
    return 0;
}

int TLevel::clearFound() {
    for (auto& row : tiles)
        for (auto& cell : row)
            if (cell) cell->isFound = 0;
    return 0;
}

int TLevel::_printMe() const {
    const std::string rule(size_t(usedCols()) * 2 + 2, '-');
    Print(rule);
    for (int r = 0; r < usedRows(); ++r) {
        std::string line = "> ";
        for (int c = 0; c < usedCols(); ++c) line += tiles[r][c] ? " #" : " _";
        Print(line);
    }
    Print(rule);
    return 0;
}

int TLevel::setTileOnPos(int row, int column, const TTileDataPtr& kind, int group) {
    if (row < 0 || row >= kGrid || column < 0 || column >= kGrid) return 0;
    place(row, column, kind ? std::make_shared<TTile>(kind, group) : nullptr);
    return 0;
}

// ---- Group finding -----------------------------------------------------------

int TLevel::searchGroup(const TTilePtr& tile, bool bridged, int limit, TTileList* found) {
    const int R = usedRows(), C = usedCols();
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c) {
            const TTilePtr& t = tiles[r][c];
            if (t) t->isFound = 0;
            scratch_[r][c] = kindId(t);
        }
    if (!tile || at(tile->py, tile->px) != tile || tile->py >= R || tile->px >= C) return 0;
    const int X = kindId(tile);
    // A colour blast of the same colour joins the group but is not part of it.
    const int bridge = X + 100;
    int collected = 0;
    size_t head = 0, tail = 0;
    queue_[tail++] = TRC{tile->py, tile->px};
    while (head < tail && (limit == 0 || collected < limit)) {
        const TRC cell = queue_[head++];
        int& id = scratch_[cell.r][cell.c];
        if (id == -1) continue;  // queued twice, counted once
        if (id == X) {
            ++collected;
            if (found) found->push_back(tiles[cell.r][cell.c]);
        }
        id = -1;
        const TRC next[4] = {{cell.r, cell.c - 1}, {cell.r, cell.c + 1}, {cell.r - 1, cell.c}, {cell.r + 1, cell.c}};
        for (const TRC& n : next) {
            if (n.r < 0 || n.r >= R || n.c < 0 || n.c >= C) continue;
            const int v = scratch_[n.r][n.c];
            if (v == X || (bridged && v == bridge)) queue_[tail++] = n;
        }
    }
    return collected;
}

TTileList TLevel::findAll(const TTilePtr& tile) {
    TTileList result;
    findAll(tile, result);
    return result;
}

int TLevel::findAll(const TTilePtr& tile, TTileList& group) {
    group.clear();
    searchGroup(tile, true, 0, &group);
    if (group.size() > 2)
        for (const TTilePtr& t : group) t->isFound = 1;
    return int(group.size());
}

int TLevel::findThree(const TTilePtr& tile) { return searchGroup(tile, false, 3, nullptr) > 2 ? 1 : 0; }

int TLevel::canMatch() {
    // Same answer as asking findThree of every marble: a marble lies in a
    // group of three or more exactly when some marble of that group touches
    // two others of its colour. One pass instead of a search per marble, as
    // the game asks this every frame.
    const int R = usedRows(), C = usedCols();
    bool any = false;
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c)
            if (const TTilePtr& t = tiles[r][c]) {
                t->isFound = 0;
                any = true;
            }
    if (!any) return 1;
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c) {
            const int X = kindId(tiles[r][c]);
            if (X == 0) continue;
            int same = 0;
            if (c > 0 && tiles[r][c - 1] && kindId(tiles[r][c - 1]) == X) ++same;
            if (c + 1 < C && tiles[r][c + 1] && kindId(tiles[r][c + 1]) == X) ++same;
            if (r > 0 && tiles[r - 1][c] && kindId(tiles[r - 1][c]) == X) ++same;
            if (r + 1 < R && tiles[r + 1][c] && kindId(tiles[r + 1][c]) == X) ++same;
            if (same >= 2) return 1;
        }
    return 0;
}

// ---- Removal -------------------------------------------------------------------

int TLevel::remove(const TTileList& list) {
    const int n = int(list.size());
    for (const TTilePtr& t : list) {
        destroyTile(t);
        playSound(Rand(1, 2) == 1 ? "usun1" : "usun2");
    }
    boardPlayer().groupRemoved(n);
    return 0;
}

int TLevel::destroyTile(const TTilePtr& tile) {
    if (!tile) return 0;
    tile->generateEndParticles();
    int r = tile->py, c = tile->px;
    // Only the cell that really holds this marble is emptied.
    if (at(r, c) == tile || findTile(tile, r, c)) tiles[size_t(r)][size_t(c)] = nullptr;
    return 0;
}

// ---- Bonus effects -------------------------------------------------------------

int TLevel::destroy(int id) {
    TTileList list;
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (tiles[r][c] && kindId(tiles[r][c]) == id) list.push_back(tiles[r][c]);
    remove(list);
    for (const TTilePtr& t : list) ring(float(int(t->x)), float(int(t->y)), 10, 3, 0.1f, 2, false);
    playSound("bomba");
    return 0;
}

void TLevel::collectBombArea(int row, int column, TTileList& out) const {
    for (int r = row - 2; r <= row + 2; ++r)
        for (int c = column - 2; c <= column + 2; ++c)
            if (r >= 0 && r < usedRows() && c >= 0 && c < usedCols() && tiles[r][c]) out.push_back(tiles[r][c]);
}

int TLevel::bombRC(int row, int column) {
    TTileList list;
    collectBombArea(row, column, list);
    remove(list);
    checkLevel(0);
    playSound("bomba");
    return 0;
}

int TLevel::bomb(const TTilePtr& tile) {
    int r = 0, c = 0;
    // A marble no longer on the board has nothing around it to blow up.
    if (!findTile(tile, r, c)) return 0;
    bombRC(r, c);
    const float x = float(cellX(c)), y = float(cellY(r));
    ring(x, y, 2, 5, 0.05f, 3, true);
    ring(x, y, 5, 4, 0.05f, 3, true);
    return 0;
}

int TLevel::eraseLineR(int row) {
    TTileList list;
    if (row >= 0 && row < usedRows())
        for (int c = 0; c < usedCols(); ++c)
            if (tiles[row][c]) list.push_back(tiles[row][c]);
    remove(list);
    playSound("linia");
    checkLevel(0);
    return 0;
}

int TLevel::eraseLine(const TTilePtr& tile) {
    int r = 0, c = 0;
    if (findTile(tile, r, c)) eraseLineR(r);
    return 0;
}

int TLevel::oznaczBombe(const TTilePtr& tile) {
    int r = 0, c = 0;
    if (!findTile(tile, r, c)) return 0;
    TTileList list;
    collectBombArea(r, c, list);
    for (const TTilePtr& t : list) t->checkedParticles();
    return 0;
}

int TLevel::oznaczLinie(const TTilePtr& tile) {
    int r = 0, c = 0;
    if (!findTile(tile, r, c)) return 0;
    for (int col = 0; col < usedCols(); ++col)
        if (tiles[r][col]) tiles[r][col]->checkedParticles();
    return 0;
}

int TLevel::changePlaces(const TTilePtr& tile) {
    if (!tile) return 0;
    // Read once: the switch marble itself is already off the board.
    const int group = tile->przyleg;
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (tiles[r][c] && tiles[r][c]->przyleg == group) tiles[r][c]->przyleg = group == 0 ? 1 : 0;
    checkLevel(0.02f);
    playSound("bomba");
    return 0;
}

TTileMem TLevel::_wyciagnijZListy(std::vector<TTileMem>& list) {
    if (list.empty()) return TTileMem{};
    const int k = Rand(1, int(list.size()));
    TTileMem taken = list[size_t(k - 1)];
    list.erase(list.begin() + (k - 1));
    return taken;
}

int TLevel::changeTilesPosition() {
    rememberPosition();
    std::vector<TTileMem> top, bottom;
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (const TTilePtr& t = tiles[r][c]) (t->przyleg == 1 ? top : bottom).push_back(TTileMem{t, r, c});
    // Marbles swap only within their own group, so the two groups stay apart.
    for (std::vector<TTileMem>* list : {&bottom, &top}) {
        while (!list->empty()) {
            TTileMem a = _wyciagnijZListy(*list);
            TTileMem b = _wyciagnijZListy(*list);
            if (!a.tile || !b.tile) continue;
            place(a.r, a.c, b.tile);
            place(b.r, b.c, a.tile);
            a.tile->isVisible = 0;
            b.tile->isVisible = 0;
        }
    }
    moveTiles(0.02f);
    playSound("zmiana");
    return 0;
}

int TLevel::changeRandom() {
    TTileList chosen;
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c) {
            const TTilePtr& t = tiles[r][c];
            if (t && kindId(t) < 100 && Rand(1, 3) == 1) chosen.push_back(t);
        }
    for (const TTilePtr& t : chosen) t->changeTo(_getRandomTileData());
    return 0;
}

// ---- Settling --------------------------------------------------------------------

int TLevel::checkLevel(float speed) {
    boardPlayer().boardMoving();
    rememberPosition();
    settle();
    moveTiles(speed == 0 ? 0.05f : speed);
    return 0;
}

int TLevel::settle() {
    _checkUPHor();
    _checkDOWNHor();
    _checkUpVer();
    _checkDOWNVer();
    return 0;
}

int TLevel::rememberPosition() {
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c)
            if (const TTilePtr& t = tiles[r][c]) {
                t->memX = float(cellX(c));
                t->memy = float(cellY(r));
            }
    return 0;
}

int TLevel::_checkDOWNHor() {
    const int R = usedRows(), C = usedCols();
    for (int pass = 0; pass < R; ++pass)
        for (int r = 0; r < R - 1; ++r)
            for (int c = 0; c < C; ++c)
                if (inGroup(tiles[r][c], 0) && !tiles[r + 1][c]) moveTileDown(r, c);
    return 0;
}

int TLevel::_checkUPHor() {
    const int R = usedRows(), C = usedCols();
    for (int pass = 0; pass < R; ++pass)
        for (int r = R - 1; r > 0; --r)
            for (int c = 0; c < C; ++c)
                if (inGroup(tiles[r][c], 1) && !tiles[r - 1][c]) moveTileUp(r, c);
    return 0;
}

int TLevel::moveTileDown(int row, int column) {
    if (row < 0 || row + 1 >= usedRows() || column < 0 || column >= usedCols()) return 0;
    TTilePtr t = std::move(tiles[row][column]);
    if (t) t->isVisible = 0;
    place(row + 1, column, std::move(t));
    return 0;
}

int TLevel::moveTileUp(int row, int column) {
    if (row < 1 || row >= usedRows() || column < 0 || column >= usedCols()) return 0;
    TTilePtr t = std::move(tiles[row][column]);
    if (t) t->isVisible = 0;
    place(row - 1, column, std::move(t));
    return 0;
}

int TLevel::sprawdzKolumne(int column, int group) const {
    // Outside the board there is nowhere to move to.
    if (column < 0 || column >= usedCols()) return 0;
    for (int r = 0; r < usedRows(); ++r)
        if (inGroup(tiles[r][column], group)) return 0;
    return 1;
}

int TLevel::moveColumnRight(int column, int group) { return moveColumn(column, column + 1, group); }

int TLevel::moveColumnLEFT(int column, int group) { return moveColumn(column, column - 1, group); }

int TLevel::moveColumn(int column, int target, int group) {
    if (column < 0 || column >= usedCols() || target < 0 || target >= usedCols()) return 0;
    // A marble of the other group in the way keeps the column where it is
    // rather than being overwritten.
    for (int r = 0; r < usedRows(); ++r)
        if (inGroup(tiles[r][column], group) && tiles[r][target]) return 0;
    for (int r = 0; r < usedRows(); ++r)
        if (inGroup(tiles[r][column], group)) {
            TTilePtr t = std::move(tiles[r][column]);
            t->isVisible = 0;
            place(r, target, std::move(t));
        }
    return 0;
}

namespace {

// Both halves slide toward the middle column h = (cols - 1) / 2.
void settleTowardMiddle(TLevel& level, int group) {
    const int C = level.usedCols();
    const int h = (C - 1) / 2;
    for (int pass = 0; pass < h + 1; ++pass)
        for (int c = 0; c <= h; ++c)
            if (level.sprawdzKolumne(c + 1, group)) level.moveColumnRight(c, group);
    for (int pass = 0; pass < C - h; ++pass)
        for (int c = C - 1; c >= h; --c)
            if (level.sprawdzKolumne(c - 1, group)) level.moveColumnLEFT(c, group);
}

}  // namespace

int TLevel::_checkUpVer() {
    settleTowardMiddle(*this, 1);
    return 0;
}

int TLevel::_checkDOWNVer() {
    settleTowardMiddle(*this, 0);
    return 0;
}

int TLevel::moveTiles(float speed) {
    movingMarbles.clear();
    const size_t set = size_t(marbleSet());
    for (int r = 0; r < usedRows(); ++r)
        for (int c = 0; c < usedCols(); ++c) {
            const TTilePtr& t = tiles[r][c];
            if (!t) continue;
            const int tx = cellX(c), ty = cellY(r);
            if (t->memX != float(tx) || t->memy != float(ty)) {
                const int sx = int(t->memX), sy = int(t->memy);
                // Draws kept so that the random sequence stays the game's.
                if (sx == tx) Rand(1, 2);
                if (sy == ty) Rand(1, 2);
                TTilePart& part = createTilePart(t->TD ? t->TD->img[set] : nullptr, sx, sy, tx, ty, t, 1);
                part.speed = speed;
            } else if (t->isVisible == 0) {
                t->isVisible = 1;
            }
        }
    return 0;
}

// ---- Row feed ----------------------------------------------------------------------

int TLevel::giveNext(int withBonus) {
    if (lines == 0) {
        boardPlayer().boardWon();
        return 0;
    }
    const std::string m = mode();
    if (m == "TWO") {
        if (przelacznikLini != 0) {
            _giveUp();
            przelacznikLini = 0;
        } else {
            _giveDown();
            przelacznikLini = 1;
        }
    } else if (m != "PUZZLE") {
        _giveDown();
    }
    if (withBonus != 0) addBonus(m);
    if (lines == 10) playSound("alarm");
    return 0;
}

int TLevel::_giveDown() {
    giveRow(0);
    return 0;
}

int TLevel::_giveUp() {
    giveRow(1);
    return 0;
}

void TLevel::giveRow(int group) {
    TWaitingRow& row = waitingRow(group);
    // A row with a marble in it is pushed in and counts as a line.
    if (std::any_of(row.begin(), row.begin() + usedCols(), [](const TTilePtr& t) { return t != nullptr; })) {
        pushRow(group);
        lines -= 1;
    }
    fillWaitingRow(row);
}

int TLevel::addDown(const TTilePtr& /*tile*/) {
    pushRow(0);
    return 0;
}

int TLevel::addUp(const TTilePtr& /*tile*/) {
    pushRow(1);
    return 0;
}

void TLevel::pushRow(int group) {
    const int R = usedRows(), C = usedCols();
    if (R == 0) return;
    // Group 0 enters at the bottom row and moves up, group 1 enters at the
    // top row and moves down. Marbles move in order from the far edge, so
    // each moves into a cell already vacated.
    const int step = group == 0 ? -1 : 1;
    const int wall = group == 0 ? R - 1 : 0;
    const int edge = R - 1 - wall;
    for (int k = 0; k < R; ++k) {
        const int r = edge - step * k;
        for (int c = 0; c < C; ++c) {
            if (!inGroup(tiles[r][c], group)) continue;
            if (r == edge) {
                _printMe();
                boardPlayer().boardLost("NORMAL");
                return;
            }
            if (inGroup(tiles[r + step][c], 1 - group)) {
                boardPlayer().boardLost("TWO");
                return;
            }
            place(r + step, c, std::move(tiles[r][c]));
        }
    }
    const TWaitingRow& row = waitingRow(group);
    for (int c = 0; c < C; ++c) {
        TTilePtr entering = row[size_t(c)];
        if (!entering) continue;
        // Only the other group can still sit in the wall's row: the entering
        // row runs into it.
        if (tiles[wall][c]) {
            boardPlayer().boardLost("TWO");
            return;
        }
        entering->przyleg = group;
        place(wall, c, std::move(entering));
    }
}

size_t TLevel::colourCount() const {
    std::vector<int> ids;
    for (const TTileDataPtr& kind : available)
        if (kind && std::find(ids.begin(), ids.end(), kind->id) == ids.end()) ids.push_back(kind->id);
    return ids.size();
}

void TLevel::fillWaitingRow(TWaitingRow& row) {
    // With only two colours no three neighbours may share one, or the row
    // alone would make a group. With one colour that rule could never be met.
    const bool fewColours = available.size() < 3 && colourCount() >= 2;
    int previous = 0, run = 0;
    for (auto& cell : row) cell = nullptr;
    for (int c = 0; c < usedCols(); ++c) {
        TTilePtr t = _getRandomTile();
        if (fewColours) {
            while (kindId(t) == previous && run + 1 >= 3) t = _getRandomTile();
            run = kindId(t) == previous ? run + 1 : 1;
        }
        previous = kindId(t);
        row[size_t(c)] = std::move(t);
    }
}

int TLevel::randomDown() {
    fillWaitingRow(nextDown);
    return 0;
}

int TLevel::randomUp() {
    fillWaitingRow(nextUp);
    return 0;
}

int TLevel::addBonus(const std::string& m) {
    if (usedCols() < 1) return 0;
    const int c = Rand(1, usedCols());
    if (m == "TWO") giveBonus(c, Rand(0, 1));
    else giveBonus(c, 0);
    return 0;
}

int TLevel::giveBonus(int column, int side) {
    if (bonusy.empty()) return 0;
    TTileDataPtr kind = randomBonus();
    if (!kind || column < 1 || column > kMaxCols) return 0;
    const TTilePtr& waiting = waitingRow(side)[size_t(column - 1)];
    if (waiting) waiting->TD = std::move(kind);
    return 0;
}

namespace {

// A random entry by place: k = Rand(1, size of the list), the k-th real entry
// (none entries skipped and not counted; none when k is past the last).
TTileDataPtr randomKind(const std::vector<TTileDataPtr>& list) {
    int k = Rand(1, int(list.size()));
    for (const TTileDataPtr& kind : list) {
        if (!kind) continue;
        if (--k == 0) return kind;
    }
    return nullptr;
}

}  // namespace

TTileDataPtr TLevel::randomBonus() { return randomKind(bonusy); }

TTileDataPtr TLevel::_getRandomTileData() { return randomKind(available); }

TTilePtr TLevel::_getRandomTile() {
    TTileDataPtr kind = _getRandomTileData();
    return kind ? std::make_shared<TTile>(std::move(kind)) : nullptr;
}

int TLevel::cutMarbles() {
    // Strategy levels keep every colour their level file gives them: the
    // file chooses how many colours a strategy level has.
    return rozmiar == 2 ? 4 : 3;
}

int TLevel::randomMe() {
    const std::string m = mode();
    if (m == "STRATEGY") cutMarbles();
    if (m == "TWO") randomUp();
    if (m != "PUZZLE") randomDown();
    return 0;
}

int TLevel::randomLevel(int depth) {
    const int R = usedRows(), C = usedCols();
    for (int c = 0; c < C; ++c)
        for (int r = 0; r < R; ++r) tiles[r][c] = nullptr;
    if (R == 0) return 0;
    // Deeper than the board would leave the grid.
    if (depth > R - 1) depth = R - 1;
    if (depth < 1) depth = 1;
    for (int c = 0; c < C; ++c) {
        int s = R - 1 - Rand(1, depth);
        if (s < 0) s = 0;
        for (int r = s; r < R; ++r) place(r, c, _getRandomTile());
    }
    const std::string t = typ.size() >= 3 ? upperCase(typ.substr(typ.size() - 3)) : upperCase(typ);
    if (t == "TWO") {
        for (int c = 0; c < C; ++c) {
            int k = Rand(1, depth);
            if (k > R - 1) k = R - 1;
            for (int r = 0; r <= k; ++r) {
                TTilePtr tile = _getRandomTile();
                if (tile) tile->przyleg = 1;
                place(r, c, std::move(tile));
            }
        }
    }
    return 0;
}
