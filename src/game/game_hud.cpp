// What the game screen draws, back to front: the level's picture, the
// board's dark backdrop, the waiting rows' wells and the time bar, the side
// panel, the board and the keyboard's cursor, its waiting rows, the HUD, the
// bonus column, the results, the particles and diamonds, the lost pop-up and
// the gate.
#include <algorithm>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/tile_part.h"
#include "gui/caption.h"
#include "gui/digits.h"
#include "gui/keyboard_focus.h"
#include "gui/particle.h"
#include "shell/assets.h"
#include "shell/media/media.h"

namespace {

constexpr int kStripWidth = 450;
constexpr int kStripHeight = 47;

const TRGB kWhite{255, 255, 255};
const TRGB kYellow{255, 255, 0};
const TRGB kBlack{0, 0, 0};
const TRGB kMagenta{200, 0, 200};

void plainDrawing() {
    SetBlend(ALPHABLEND);
    SetColor(255, 255, 255);
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
}

}  // namespace

int TGame::draw() {
    GameObjects& o = objects();
    if (level) {
        _drawBack();
        _drawLevel();
        _drawNext();
        _drawGui();
        drawTileParts();
        _drawBonuses();
        _drawResults();
        drawParticles();
        TDiamondParticle::_drawDiamonds();
    }
    o.lostGame.draw();
    o.gate.draw();
    return 0;
}

float TGame::timeBarFraction() const {
    // A level without an interval is always due.
    if (!level || level->time <= 0) return 1;
    const float f = 1 - float(actTime - playClock()) / (float(level->time) * 10.0f);
    return std::clamp(f, 0.0f, 1.0f);
}

int TGame::_drawBack() {
    GameObjects& o = objects();
    plainDrawing();
    if (back) DrawImage(back, 0, 0);
    SetAlpha(0.7f);
    DrawImage(darkImg, float(darkX), float(darkY));
    if (o.endEmitter.canBeDraw()) {
        o.endEmitter.draw();
    } else if (o.results.v) {
        SetAlpha(0.5f);
        DrawImage(darkImg, float(darkX), float(darkY));
    }
    SetAlpha(1);
    // The strips the waiting rows wait in (a picture-puzzle board has none).
    const bool two = levelMode == "TWO";
    const int left = x + _adX;
    if (levelMode != "PUZZLE") {
        DrawImage(stripImg, float(left - 6), float(_adY + 540 - 5));
        if (two) DrawImage(stripImg, float(left - 6), float(_adY + 15 - 5));
    }
    // The time bar fills the strip of the row that comes next.
    if (_levelWithTime() && barImg) {
        const float f = timeBarFraction();
        if (two) SetColor(0, 255, 255);
        else SetColor(255, 0, 255);
        SetScale(kStripWidth * f / float(barImg->width), float(kStripHeight) / float(barImg->height));
        if (two && level->przelacznikLini != 0) DrawImage(barImg, float(left), float(_adY + 15));
        else DrawImage(barImg, float(left - 1), float(_adY + 540));
        SetScale(1, 1);
        SetColor(255, 255, 255);
    }
    DrawImage(poleGry, 20, poleGry == paneleGry[0] ? 20.0f : 0.0f);
    return 0;
}

int TGame::_drawLevel() {
    level->draw();
    if (znalezione.size() > 2 && over)
        for (const TTilePtr& t : znalezione) t->drawOveredByFind();
    SetRotation(0);
    _drawCursor();
    return 0;
}

int TGame::_drawCursor() {
    if (!cursorShown()) return 0;
    cursor.fit(*level);
    cursor.draw(*level, ringImg);
    // The armed bomb or eraser sits in the ring, as it would on the pointer
    // (which is hidden while the keyboard is in use).
    TCursor* armed = armedBonus() ? objects().mouse.cur : nullptr;
    if (armed) armed->draw(level->cellX(cursor.column), level->cellY(cursor.row));
    plainDrawing();
    return 0;
}

int TGame::_drawNext() {
    plainDrawing();
    const int r = level->rozmiar, h = r / 2;
    // Each waiting marble sits in the middle of its strip's height.
    const int nudge = std::max(0, (kStripHeight - r) / 2);
    for (int c = 0; c < level->usedCols(); ++c) {
        const int cx = x + _adX + h + c * r;
        if (const TTilePtr& t = level->nextUp[size_t(c)]) t->draw(cx, _adY + 15 + h + nudge);
        if (const TTilePtr& t = level->nextDown[size_t(c)]) t->draw(cx, _adY + 540 + h + nudge);
    }
    return 0;
}

int TGame::_drawGui() {
    _drawDiamondCounter();
    _drawLevelAndLines();
    return 0;
}

int TGame::_drawDiamondCounter() {
    plainDrawing();
    SetScale(0.6f, 0.6f);
    DrawImage(diament, 50, float(levelAdy + 344));
    SetScale(1, 1);
    drawNumber(zebraneKapsle, 75, levelAdy + 330, 6);
    return 0;
}

int TGame::_drawLevelAndLines() {
    if (gui) gui->draw();
    SetScale(1, 1);
    SetImageFont(fonts.font_blueHigh22);
    // A free-play board has no number in the quest.
    const TTeksty& t = objects().teksty;
    const std::string caption = level->nr >= 0 ? t.txtHudLevel + " " + std::to_string(level->nr) : t.txtHudLevel;
    drawSpecText(caption, 125, levelAdy + 100, rgb[0], outline[0], 0, 1);
    SetImageFont(fonts.font_FONT20);
    drawSpecText(t.txtPunkty, 125, levelAdy + 160, kWhite, kMagenta, 0, 1);
    drawSpecText(std::to_string(punkty), 125, levelAdy + 185, kYellow, kBlack, 0, 1);
    const bool puzzle = levelMode == "PUZZLE";
    const std::string value = puzzle ? std::to_string(steps) : level->lines < 0 ? "NN" : std::to_string(level->lines);
    drawSpecText(value, 195, levelAdy + 240, kYellow, kBlack, 0, 1);
    drawSpecText(puzzle ? t.txtSteps : t.txtLinesLeft, 165, levelAdy + 240, kWhite, kMagenta, 2, 1);
    SetColor(255, 255, 255);
    return 0;
}

int TGame::_drawResults() {
    const TWyniki& results = objects().results;
    results.draw();
    if (results.v == 0) return 0;
    const int promptY = levelMode == "PUZZLE" ? 440 : levelMode == "TWO" ? 495 : 470;
    // The prompt names the key or the pad's button while they are in use,
    // in the mini-games' words.
    const TTeksty& t = objects().teksty;
    const std::string& prompt = !keyboardFocusShown() ? t.txtContinueClick
                                : GamepadUsedLast()   ? t.txtContinuePad
                                                      : t.txtContinueKeys;
    drawSpecText(prompt, 470, promptY, kWhite, createRGB(200, 200, 0), 0, results.a[0]);
    SetAlpha(1);
    SetColor(255, 255, 255);
    return 0;
}
