#include "quest/clouds.h"

#include "shell/delta_time.h"
#include "shell/media/media.h"

bool TChmura::update(float angle) {
    // Clouds drift by the frame, not by the clock: a slow frame slows them.
    x += Cos(angle) * speed;
    y += Sin(angle) * speed;
    approach(a, dA, 0.01f * delta);
    return x >= -100 && y >= -100 && x <= 900 && y <= 700;
}

void TChmura::draw(const std::array<TImagePtr, 5>& pictures) const {
    SetAlpha(a);
    DrawImage(pictures[size_t(n)], x, y);
}

void TChmury::setup() {
    for (size_t i = 0; i < images.size(); ++i) {
        images[i] = LoadImage("gfx/gui/map/chmury/chmura" + std::to_string(i + 1) + ".png");
        MidHandleImage(images[i]);
    }
}

TChmura* TChmury::createNewCloud() {
    if (int(list.size()) >= kMaxClouds) return nullptr;
    TChmura c;
    c.a = 0;
    c.dA = 0.5f;
    c.speed = Rnd(0.1f, 0.4f);
    c.x = float(Rand(0, 800));
    c.y = float(Rand(0, 600));
    c.n = Rand(0, 4);
    list.push_back(c);
    return &list.back();
}

void TChmury::updateALL() {
    if (MilliSecs() > nextTurn) {
        nextTurn = MilliSecs() + 500;
        angle += float(turn);
    }
    for (size_t i = 0; i < list.size();) {
        if (list[i].update(angle)) {
            ++i;
            continue;
        }
        list.erase(list.begin() + std::ptrdiff_t(i));
        createNewCloud();
    }
}

void TChmury::drawAll() const {
    for (const TChmura& c : list) c.draw(images);
    SetAlpha(1);
}
