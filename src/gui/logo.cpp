#include "gui/logo.h"

#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {
// Where the sparkles land: on letters and marbles of the picture.
constexpr int kSpots[6][2] = {{281, 59}, {389, 154}, {473, 81}, {508, 93}, {400, 128}, {356, 92}};
}  // namespace

void TLogo::setup() {
    img = LoadImage("gfx/gui/mainMenu/logo.png");
    MidHandleImage(img);
}

void TLogo::start() {
    docelowaSkala = 1;
    per = 0;
    x1 = 1100;
    y1 = 100;
    x2 = kEndX;
    y2 = kEndY;
    mx = 400;
    my = 600;
}

void TLogo::update(TParticleList& sparkles) {
    if (per != 1) {
        per += 0.03f * delta;
        if (per >= 1) {
            per = 1;
            time = MilliSecs() + 2000;
        }
    }
    // A quadratic curve through the control point, dipping below the screen.
    x = x1 + 2 * per * (mx - x1) + per * per * (x2 - 2 * mx + x1);
    y = y1 + 2 * per * (my - y1) + per * per * (y2 - 2 * my + y1);
    scale = docelowaSkala + (1 - per);
    if (per == 1 && MilliSecs() > time) {
        time = MilliSecs() + 500;
        int spot;
        do {
            spot = Rand(1, 6);
        } while (spot == lastSpot);
        lastSpot = spot;
        createLogoParticle(kSpots[spot - 1][0], kSpots[spot - 1][1], TRGB{}, sparkles);
    }
}

void TLogo::draw() {
    // Waiting at the start of its flight (while a name is asked for before
    // the menu's intro): nothing of it shows yet.
    if (per == 0) return;
    SetScale(scale, scale);
    SetColor(255, 255, 255);
    SetAlpha(1);
    DrawImage(img, x, y);
    SetRotation(0);
}
