#include "board/diamond_particle.h"

#include "board/board_player.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

std::vector<TDiamondParticle> flyingDiamonds;

TDiamondParticle& createDiamond(int n, int x1, int y1, int x2, int y2) {
    TDiamondParticle d;
    d.x = d.x1 = float(x1);
    d.y = d.y1 = float(y1);
    d.x2 = float(x2);
    d.y2 = float(y2);
    d.mx = float(x1);
    d.my = float(y2);
    d.n = n;
    flyingDiamonds.push_back(d);
    return flyingDiamonds.back();
}

int TDiamondParticle::update() {
    if (MilliSecs() < startTime) return 0;
    per += perSpeed * delta;
    if (per > 1) per = 1;
    // Eased so that it leaves fast and slows toward the counter.
    const float t = Sin(90.0f * per);
    x = x1 + 2 * t * (mx - x1) + t * t * (x2 - 2 * mx + x1);
    y = y1 + 2 * t * (my - y1) + t * t * (y2 - 2 * my + y1);
    if (per > 0.6f) a = 1 - (per - 0.6f) / 0.4f;
    rot += rSpeed * delta;
    if (rot > 360) rot -= 360;
    if (per == 1) {
        boardPlayer().diamondCounted();
        return 1;
    }
    return 0;
}

int TDiamondParticle::draw() const {
    if (MilliSecs() < startTime) return 0;
    SetAlpha(a);
    SetScale(1, 1);
    SetRotation(rot);
    if (n >= 0 && n < 4) DrawImage(diamondImages[size_t(n)], x, y);
    SetRotation(0);
    return 1;
}

void TDiamondParticle::_updateDiamonds() {
    size_t kept = 0;
    for (size_t i = 0; i < flyingDiamonds.size(); ++i) {
        if (flyingDiamonds[i].update() == 1) continue;
        if (kept != i) flyingDiamonds[kept] = flyingDiamonds[i];
        ++kept;
    }
    flyingDiamonds.resize(kept);
}

void TDiamondParticle::_drawDiamonds() {
    for (const TDiamondParticle& d : flyingDiamonds) d.draw();
}
