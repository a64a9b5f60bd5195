#include "board/tile_part.h"

#include "shell/delta_time.h"
#include "shell/media/media.h"

std::vector<TTilePart> movingMarbles;

TTilePart& createTilePart(const TImagePtr& img, int x1, int y1, int x2, int y2, const TTilePtr& tile, int typ) {
    TTilePart part;
    part.x = part.x1 = float(x1);
    part.y = part.y1 = float(y1);
    part.x2 = float(x2);
    part.y2 = float(y2);
    part.mx = float(x2);
    part.my = float(y1);
    if (tile) {
        // A pulsing bonus marble keeps its phase while it flies.
        part.p = tile->per;
        part.dp = tile->dPer;
    }
    part.img = img;
    MidHandleImage(part.img);
    part.tile = tile;
    part.typ = typ;
    movingMarbles.push_back(std::move(part));
    return movingMarbles.back();
}

int TTilePart::update() {
    if (arrived) return 1;
    per += speed * delta;
    // Eased: fast at the start, slowing into the cell.
    const float s = Sin(90.0f * per);
    if (typ == 0) {
        x = x1 + Abs(x2 - x1) * s * float(Sgn(x2 - x1));
        y = y1 + Abs(y2 - y1) * s * float(Sgn(y2 - y1));
    } else {
        x = x1 + 2 * s * (mx - x1) + s * s * (x2 - 2 * mx + x1);
        y = y1 + 2 * s * (my - y1) + s * s * (y2 - 2 * my + y1);
    }
    if (per >= 1) return remove();
    return 0;
}

int TTilePart::remove() {
    if (tile) tile->isVisible = 1;
    arrived = true;
    return 1;
}

int TTilePart::updatePer() {
    updatePulse(p, dp);
    return 0;
}

int TTilePart::draw() {
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetRotation(rot);
    if (tile && tile->TD && tile->TD->id > 100) {
        const float s = 0.7f + 0.3f * Sin(90.0f * p);
        SetScale(s, s);
    }
    DrawImage(img, x, y);
    return 0;
}

void updateTileParts() {
    size_t kept = 0;
    for (size_t i = 0; i < movingMarbles.size(); ++i) {
        if (movingMarbles[i].update() == 1) continue;
        if (kept != i) movingMarbles[kept] = std::move(movingMarbles[i]);
        ++kept;
    }
    movingMarbles.resize(kept);
}

void drawTileParts() {
    for (TTilePart& part : movingMarbles) part.draw();
    SetScale(1, 1);
    SetRotation(0);
}
