#include "game/board_cursor.h"

#include "shell/media/media.h"

namespace {

bool inside(const TLevel& level, int row, int column) {
    return row >= 0 && row < level.usedRows() && column >= 0 && column < level.usedCols();
}

}  // namespace

void TBoardCursor::fit(const TLevel& level) {
    if (inside(level, row, column)) return;
    const int rows = level.usedRows(), cols = level.usedCols();
    row = rows > 0 ? rows - 1 : 0;
    column = cols / 2;
    // Distances from the middle in half cells, so that no fraction is needed.
    int best = -1;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (!level.at(r, c)) continue;
            const int dr = 2 * r - (rows - 1), dc = 2 * c - (cols - 1);
            const int distance = dr * dr + dc * dc;
            if (best >= 0 && distance >= best) continue;
            best = distance;
            row = r;
            column = c;
        }
}

void TBoardCursor::move(const TLevel& level, TStep step) {
    fit(level);
    if (step.dx != 0) stepAlong(level, 0, step.dx);
    if (step.dy != 0) stepAlong(level, step.dy, 0);
}

void TBoardCursor::stepAlong(const TLevel& level, int dr, int dc) {
    const int r = row + dr, c = column + dc;
    // The board's edge: no wrap.
    if (!inside(level, r, c)) return;
    for (int rr = r, cc = c; inside(level, rr, cc); rr += dr, cc += dc)
        if (level.at(rr, cc)) {
            row = rr;
            column = cc;
            return;
        }
    row = r;
    column = c;
}

TTilePtr TBoardCursor::tile(const TLevel& level) const {
    return inside(level, row, column) ? level.at(row, column) : nullptr;
}

void TBoardCursor::draw(const TLevel& level, const TImagePtr& ring) const {
    if (!ring || !inside(level, row, column) || level.rozmiar <= 0) return;
    const float x = float(level.cellX(column)), y = float(level.cellY(row));
    const float cell = float(level.rozmiar);
    // The pulse of the buttons' keyboard focus, a little gentler.
    const float pulse = 0.8f + 0.2f * Sin(float(MilliSecs() % 1500) * 0.24f);
    // Dimmer on an empty cell: it marks the place, not a marble.
    const float strength = level.at(row, column) ? 1.0f : 0.6f;
    auto scaled = [&](float diameter) {
        const float s = diameter / float(ring->width);
        SetScale(s, s);
    };
    SetRotation(0);
    // The dark rim on either side of the gold, so that it stands out on
    // yellow and white marbles as on dark ones.
    SetBlend(ALPHABLEND);
    SetColor(30, 12, 0);
    for (const float diameter : {1.08f, 1.32f}) {
        SetAlpha(0.6f * strength);
        scaled(cell * diameter);
        DrawImage(ring, x, y);
    }
    // The gold: a wide soft glow, then the ring itself just outside the
    // marble, brighter at its inner edge.
    SetBlend(LIGHTBLEND);
    SetColor(255, 196, 72);
    SetAlpha(0.4f * pulse * strength);
    scaled(cell * 1.45f);
    DrawImage(ring, x, y);
    for (const float diameter : {1.17f, 1.22f}) {
        SetAlpha(pulse * strength);
        scaled(cell * diameter);
        DrawImage(ring, x, y);
    }
    SetColor(255, 236, 170);
    SetAlpha(0.7f * pulse * strength);
    scaled(cell * 1.14f);
    DrawImage(ring, x, y);
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
}
