#include "board/tile.h"

#include "board/board_player.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "gui/mouse.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

const TImagePtr kNoPicture;

}  // namespace

int currentMarbleSet() {
    const TLevelPtr& level = boardPlayer().boardLevel();
    return level ? level->marbleSet() : 0;
}

int currentCellSize() {
    const TLevelPtr& level = boardPlayer().boardLevel();
    return level && level->rozmiar > 0 ? level->rozmiar : 20;
}

TTile::TTile() {
    znak = Rand(1, 2) == 1 ? -1.0f : 1.0f;
    rotSpeed = Rnd(0.6f, 1.1f);
}

TTile::TTile(TTileDataPtr kind, int group) : TTile() {
    TD = std::move(kind);
    przyleg = group;
}

const TImagePtr& TTile::picture() const {
    return TD ? TD->img[size_t(currentMarbleSet())] : kNoPicture;
}

int TTile::draw(int cx, int cy) {
    x = float(cx);
    y = float(cy);
    if (isVisible == 0 || !TD) return 0;
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(rot);
    SetColor(255, 255, 255);
    if (isErase == 1) SetAlpha(eraseAlpha);
    const bool bonus = TD->id > 100;
    if (bonus) {
        updatePer();
        const float s = Sin(90.0f * per);
        SetScale(0.7f + 0.3f * s, 0.7f + 0.3f * s);
    }
    const TImagePtr& img = picture();
    DrawImage(img, x, y);
    if (bonus) {
        // The glow: the same picture again, added on top.
        SetAlpha(0.5f * per);
        SetBlend(LIGHTBLEND);
        DrawImage(img, x, y);
        SetAlpha(1);
        SetBlend(ALPHABLEND);
    }
    if (ca != 0 && dTD) {
        SetAlpha(ca);
        SetColor(255, 255, 255);
        DrawImage(dTD->img[size_t(currentMarbleSet())], x, y);
    }
    return 1;
}

void updatePulse(float& phase, float& target) {
    if (phase == target) target = target == 0 ? 1.0f : 0.0f;
    approach(phase, target, 0.05f * delta);
}

int TTile::updatePer() {
    updatePulse(per, dPer);
    return 0;
}

int TTile::drawOveredByFind() {
    SetAlpha(0.3f);
    SetBlend(LIGHTBLEND);
    DrawImage(picture(), x, y);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    return 0;
}

int TTile::_drawOver() {
    const TImagePtr& img = picture();
    if (!img) return 0;
    SetAlpha(0.5f);
    SetColor(255, 0, 0);
    DrawRect(x - float(img->width / 2), y - float(img->height / 2), float(img->width), float(img->height));
    SetColor(255, 255, 255);
    SetAlpha(1);
    return 0;
}

int TTile::_updateOver() {
    isOver = 0;
    SetScale(1, 1);
    const TImagePtr& img = picture();
    if (!img) return 0;
    const int w = img->width;
    const int h = img->height;
    if (guiMouse && guiMouse->inRect(int(x - float(w / 2)), int(y - float(h / 2)), w, h)) isOver = 1;
    return 0;
}

int TTile::_updateTileParticles() {
    if (isFound != 1 || !TD) return 0;
    if (Rand(1, 10) != 1) return 0;
    const int b = TD->rgb.b + Rand(-15, 15);
    const int g = TD->rgb.g + Rand(-15, 15);
    const int r = TD->rgb.r + Rand(-15, 15);
    const float vy = Rnd(-0.4f, 0.4f);
    const float vx = Rnd(-0.4f, 0.4f);
    const int oy = Rand(-10, 10);
    const int ox = Rand(-10, 10);
    const TRGB colour{r, g, b};
    TParticle* p = createParticle(0, x + float(ox), y + float(oy), 100000, vx, vy, 1, 0, 1, 1, 0.03f, 0.02f, &colour);
    p->blend = 0;
    return 1;
}

int TTile::endParticles() {
    const int half = currentCellSize() / 2;
    for (int i = 0; i < 23; ++i) {
        TRGB colour;  // white for the last six
        if (i < 17 && TD) {
            const int b = TD->rgb.b + Rand(-10, 10);
            const int g = TD->rgb.g + Rand(-10, 10);
            const int r = TD->rgb.r + Rand(-10, 10);
            colour = TRGB{r, g, b};
        }
        const float vy = Rnd(-0.4f, 0.4f);
        const float vx = Rnd(-0.4f, 0.4f);
        const int oy = Rand(-half, half);
        const int ox = Rand(-half, half);
        TParticle* p =
            createParticle(8, x + float(ox), y + float(oy), 100000, vx, vy, 1, 0, 1, 1, 0.03f, 0.02f, &colour);
        p->blend = LIGHTBLEND;
    }
    return 0;
}

int TTile::checkedParticles() {
    if (MilliSecs() <= partTime) return 0;
    partTime = MilliSecs() + 100;
    const float vy = Rnd(-0.4f, 0.4f);
    const float vx = Rnd(-0.4f, 0.4f);
    const int oy = Rand(-5, 5);
    const int ox = Rand(-5, 5);
    TParticle* p = createParticle(1, x + float(ox), y + float(oy), 100000, vx, vy, 1, 0, 1, 1, 0.01f, 0.02f);
    p->blend = LIGHTBLEND;
    return 1;
}

int TTile::generateEndParticles() {
    endParticles();
    const int n = Rand(0, 3);
    TDiamondParticle& d = createDiamond(n, int(x), int(y), 48, boardPlayer().diamondCounterY());
    d.rSpeed = 4;
    return 0;
}

int TTile::_updateChange() {
    if (!dTD) return 0;
    ca += 0.05f * delta;
    if (ca >= 1) {
        TD = dTD;
        dTD = nullptr;
        ca = 0;
    }
    return 0;
}

int TTile::update() {
    _updateRotation();
    _updateOver();
    _updateTileParticles();
    _updateChange();
    return 0;
}

int TTile::changeTo(TTileDataPtr kind) {
    dTD = std::move(kind);
    ca = 0;
    return 0;
}
