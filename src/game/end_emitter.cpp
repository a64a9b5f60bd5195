#include "game/end_emitter.h"

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

int TEmitterSpot::update() {
    const int now = MilliSecs();
    if (now <= startTime) return 0;
    const int h = currentCellSize() / 2;
    if (now > partTime) {
        partTime = now + 25;
        const TRGB gold{Rand(200, 250), Rand(180, 230), Rand(40, 80)};
        const float px = float(x + Rand(-h, h)), py = float(y + Rand(-h, h));
        const float vx = Rnd(-0.02f, 0.02f), vy = Rnd(-0.02f, 0.02f);
        TParticle* p = createParticle(7, px, py, 10000, vx, vy, 1, 0, 1, 1, 0.05f, 0.02f, &gold);
        p->blend = LIGHTBLEND;
    }
    if (tile) {
        tile->eraseAlpha = 0;
        tile->isVisible = 0;
    }
    return now > startTime + time ? 1 : 0;
}

int TEndEmitter::reset() {
    spotsList.clear();
    setState(State::Wait);
    darkA = 0;
    return 0;
}

int TEndEmitter::setState(State s) {
    state = s;
    return 0;
}

int TEndEmitter::createSpot(int x, int y, int startTime, const TTilePtr& tile) {
    TEmitterSpot spot;
    spot.x = x;
    spot.y = y;
    spot.startTime = startTime;
    spot.tile = tile;
    if (tile) tile->isErase = 1;
    spotsList.push_back(std::move(spot));
    return 0;
}

void TEndEmitter::_updateGo() {
    // Spots are independent of one another, so the finished ones leave in
    // the same pass.
    size_t kept = 0;
    for (size_t i = 0; i < spotsList.size(); ++i) {
        if (spotsList[i].update() == 1) continue;
        if (kept != i) spotsList[kept] = std::move(spotsList[i]);
        ++kept;
    }
    spotsList.resize(kept);
    if (spotsList.empty()) setState(State::End);
}

void TEndEmitter::_updateDark() {
    darkA += 0.005f * delta;
    if (darkA > 0.5f) darkA = 0.5f;
}

int TEndEmitter::update() {
    if (state == State::Start) {
        _updateGo();
        _updateDark();
    } else if (state == State::End) {
        _updateDark();
    }
    return 0;
}

int TEndEmitter::draw() {
    const TGame& g = objects().game;
    SetAlpha(darkA);
    SetScale(1, 1);
    DrawImage(g.darkImg, float(g.darkX), float(g.darkY));
    return 0;
}
