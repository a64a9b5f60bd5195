#include "minigames/bottle.h"

#include <algorithm>

#include "app/game_objects.h"
#include "datafiles/rcm_file.h"
#include "gui/particle.h"
#include "minigames/shooting.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {
// The balloon colours by picture number.
const char* const kBalloonNames[TBottle::kBalloonColours] = {
    "brazowy", "cyjan",      "czarny", "czerwony", "granat", "jasny_zielony", "filoet_jasny_niebieski",
    "niebieski", "oliwka", "pomaranczowy", "rozowy", "szary", "zielony", "zolty",
};
}  // namespace

TBottle::Pictures TBottle::pictures;

void TBottle::loadPictures() {
    for (int i = 0; i < kBalloonColours; ++i) {
        TImagePtr& balloon = pictures.balloons[size_t(i)];
        balloon = LoadImage(std::string("gfx/gui/shooting/balony/balon_") + kBalloonNames[i] + ".png");
        MidHandleImage(balloon);
    }
    pictures.crate = LoadImage("gfx/gui/shooting/parachute.png", 6);
    MidHandleImage(pictures.crate);
}

std::vector<TBottleBonus> loadBottleBonuses(const std::string& path) {
    TRCMFile file;
    file.Load(path);
    std::vector<TBottleBonus> bonuses;
    const int count = std::clamp(file.getInt("bonusy::ilosc"), 0, TBottleBonus::kMaxBonuses);
    for (int i = 1; i <= count; ++i) {
        const std::string group = "bonusy::bonus" + std::to_string(i) + "::";
        TBottleBonus b;
        b.id = file.getInt(group + "id");
        b.img = LoadImage(file.getString(group + "img"), 6);
        MidHandleImage(b.img);
        bonuses.push_back(std::move(b));
    }
    return bonuses;
}

const TImagePtr& TBottle::picture() const {
    if (isCrate()) return pictures.crate;
    return pictures.balloons[size_t(std::clamp(n, 0, kBalloonColours - 1))];
}

void TBottle::draw() const {
    if (isCrate()) {
        SetRotation(rot);
        DrawImage(pictures.crate, x, y);
        SetRotation(0);
        SetImageFont(fonts.font_font16);
        const std::string word = "BONUS";
        const float tx = float(int(x - float(TextWidth(word)) / 2));
        const float ty = float(int(y - float(TextHeight(word)) / 2));
        SetColor(200, 0, 200);
        DrawText(word, tx - 1, ty - 1);
        DrawText(word, tx + 1, ty - 1);
        DrawText(word, tx - 1, ty + 1);
        DrawText(word, tx + 1, ty + 1);
        SetColor(255, 255, 255);
        DrawText(word, tx, ty);
        return;
    }
    SetScale(scale, scale);
    DrawImage(picture(), x, y);
    SetScale(1, 1);
}

int TBottle::update() {
    if (isDown()) {
        // A burst balloon shoots upward while it shrinks away.
        speedY += delta;
        dScale = 0;
        approach(scale, dScale, 0.05f * delta);
    }
    if (y < -50 || scale == 0) return 1;
    if (isCrate()) {
        rot += 5 * delta;
        if (rot > 360) rot -= 360;
    }
    y -= speedY * delta;
    return 0;
}

void TBottle::destroy(TShooting& shooting) {
    if (isCrate()) {
        // The gun it brings rises from the middle of the screen.
        particleImages[11] = bonus->img;
        if (TParticle* p = createParticle(11, 400, 300, 100000, 0, -1, 1, 0, 1.5f, 1, 0.02f, 0.01f)) p->blend = MASKBLEND;
        switch (bonus->id) {
            case 2: shooting.setGun(1); break;
            case 3: shooting.setGun(2); break;
            case 4: shooting.setGun(3); break;
            default: break;
        }
        removed = true;
        return;
    }
    if (!isDown()) objects().snd.play("szklo1");
    state = "DOWN";
}

int TBottle::checkCollision(int px, int py) const {
    const TImagePtr& image = picture();
    if (!imgMousePoint || !image) return 0;
    // Only a point on the picture's rectangle can touch it.
    const float dx = float(px) - float(int(x)), dy = float(py) - float(int(y));
    if (dx < -image->handle_x - 1 || dy < -image->handle_y - 1 || dx > float(image->width) - image->handle_x + 1 ||
        dy > float(image->height) - image->handle_y + 1)
        return 0;
    ResetCollisions();
    SetRotation(0);
    SetScale(1, 1);
    CollideImage(image, float(int(x)), float(int(y)), 0, 0, 1);
    return CollideImage(imgMousePoint, float(px), float(py), 0, 1, 0).empty() ? 0 : 1;
}
