#include "game/results.h"

#include "app/game_objects.h"
#include "gui/caption.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

void TWyniki::show() {
    const TGame& g = objects().game;
    v = 1;
    puzzle_ = g.levelMode == "PUZZLE";
    points.fill(0);
    timeText = g.obliczCzas();
    TProfile* profile = objects().profileManager.profile;
    newBest = {};
    if (TBests* bests = objects().profileManager.questBests(g.level.get())) {
        const int total = puzzle_ ? g.punkty : g.punkty + bonusFor(g.zebraneKapsle, g.matches, g.biggestMatch);
        newBest = bests->won(g.level->nr, total, g.czas);
    }
    if (puzzle_) {
        rows = 3;
        const TTeksty& t = objects().teksty;
        txt = {t.txtSteps, t.txtCzas, t.txtScore, "", "", ""};
        points[0] = g.steps;
        points[2] = g.punkty;
        for (int i = 0; i < rows; ++i) {
            x[size_t(i)] = -300.0f - 5.0f * float(i * i);
            y[size_t(i)] = 200.0f + 70.0f * float(i);
            a[size_t(i)] = 0;
        }
        if (profile) profile->score += g.punkty;
        return;
    }
    rows = kRows;
    const TTeksty& t = objects().teksty;
    txt = {t.txtResultDiamonds, t.txtMatches, t.txtBiggestMatch, t.txtCzas, t.txtScore, t.txtTotalScore};
    points[0] = g.zebraneKapsle;
    points[1] = g.matches;
    points[2] = g.biggestMatch;
    points[4] = g.punkty;
    for (int i = 0; i < rows; ++i) {
        x[size_t(i)] = -300.0f - 5.0f * float(i * i);
        y[size_t(i)] = 120.0f + 65.0f * float(i);
        a[size_t(i)] = 0;
    }
    // Paid here and only here: the counting that follows shows what was paid.
    if (profile) {
        profile->kapsle += g.zebraneKapsle;
        profile->score += bonusFor(g.zebraneKapsle, g.matches, g.biggestMatch);
    }
}

void TWyniki::update() {
    if (v == 0) return;
    for (int i = 0; i < kRows; ++i) {
        float& rx = x[size_t(i)];
        rx += 4 * delta;
        if (rx > -1) rx = -1;
        if (rx > -100) a[size_t(i)] = (100 - Abs(rx)) / 100;
    }
    if (!puzzle_ && x[kRows - 1] == -1) licz();
}

void TWyniki::licz() {
    if (points[0] > 0) {
        points[0] -= 1;
        points[5] += 1;
    } else if (points[1] > 0) {
        points[1] -= 1;
        points[5] += 2;
    } else if (points[2] > 0) {
        points[2] -= 1;
        points[5] += 5;
    }
}

void TWyniki::draw() const {
    if (v == 0) return;
    SetColor(255, 255, 255);
    SetScale(1, 1);
    SetRotation(0);
    SetImageFont(fonts.font_FONT20);
    const int timeRow = puzzle_ ? 1 : 3, scoreRow = puzzle_ ? 2 : 5;
    for (int i = 0; i < rows; ++i) {
        const size_t r = size_t(i);
        drawSpecText(txt[r], int(480 + x[r] - float(TextWidth(txt[r]))), int(y[r]), createRGB(255, 255, 255),
                          createRGB(200, 0, 200), 1, a[r]);
        const std::string value = i == timeRow ? timeText
                                  : !puzzle_ && i == 5 ? std::to_string(points[5] + points[4])
                                                       : std::to_string(points[r]);
        drawSpecText(value, int(490 - x[r]), int(y[r]), createRGB(255, 255, 0), createRGB(0, 0, 0), 1, a[r]);
        if ((i == timeRow && newBest.time) || (i == scoreRow && newBest.score))
            drawNewBestTag(int(490 - x[r]) + TextWidth(value) + 18, int(y[r]), a[r]);
    }
}

void drawNewBestTag(int x, int y, float alpha) {
    SetImageFont(fonts.font_FONT20);
    drawSpecText(objects().teksty.txtNewBest, x, y, createRGB(255, 210, 60), createRGB(200, 0, 200), 1, alpha);
    SetColor(255, 255, 255);
    SetAlpha(1);
}
