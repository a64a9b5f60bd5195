#include "game/gate.h"

#include "datafiles/strings.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {
// A point on the quadratic curve from (a0) through the control point (c) to (b0).
float curve(float a, float c, float b, float t) { return a + 2 * t * (c - a) + t * t * (b - 2 * c + a); }
}  // namespace

int TMarble::update() {
    if (MilliSecs() <= time) return 0;
    per += speed * delta;
    if (per > 1) per = 1;
    const float t = Sin(90.0f * per);  // eased: fast at first, slowing down
    x = curve(x1, mx, x2, t);
    y = curve(y1, my, y2, t);
    if (per == 1) return 1;
    const bool offScreen = x < 0 || x > 800 || y < 0 || y > 600;
    return offScreen && per > 0.5f ? 1 : 0;
}

void TMarble::zamien() {
    normal = normal ? 0 : 1;
    std::swap(x1, x2);
    std::swap(y1, y2);
    x = curve(x1, mx, x2, per);
    y = curve(y1, my, y2, per);
}

void TGate::setup() {
    for (int i = 0; i < 4; ++i) {
        img[size_t(i)] = LoadImage("gfx/gui/gate/" + std::to_string(i) + ".png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
        MidHandleImage(img[size_t(i)]);
    }
    list.clear();
    list.reserve(kMarbles);
    for (int y = 10; y <= 570; y += 40) {
        for (int x = 10; x <= 770; x += 40) {
            TMarble m;
            m.x2 = float(x + Rand(-15, 15));
            m.y2 = float(y + Rand(-15, 15));
            // From one of the four corners outside the screen...
            m.x1 = Rand(0, 1) != 0 ? -float(Rand(100, 200)) : float(800 + Rand(100, 200));
            m.y1 = Rand(0, 1) != 0 ? -float(Rand(100, 200)) : float(600 + Rand(100, 200));
            // ...on a curve that bends vertically or horizontally first.
            if (Rand(0, 1) == 0) {
                m.mx = m.x2;
                m.my = m.y1;
            } else {
                m.mx = m.x1;
                m.my = m.y2;
            }
            m.n = Rand(0, 3);
            m.normal = 1;
            list.push_back(m);
        }
    }
}

void TGate::draw() {
    if (state == State::Nothing) return;
    for (const TMarble& m : list) {
        const float a = m.normal ? m.per : 1 - m.per;
        // An open gate rests invisible; nothing to draw.
        if (a <= 0) continue;
        const float s = m.ss * a;
        SetColor(255, 255, 255);
        SetScale(s, s);
        SetAlpha(a);
        DrawImage(img[size_t(m.n & 3)], m.x, m.y);
    }
    SetScale(1, 1);
    SetAlpha(1);
}

void TGate::update() {
    if (state != State::Close && state != State::Open) return;
    wszystkie = 1;
    for (TMarble& m : list)
        if (m.update() == 0) wszystkie = 0;
    if (!wszystkie) return;
    if (state == State::Close) {
        state = State::WaitAfterClose;
        // The scene behind is gone: so are its particles.
        clearParticles();
    } else {
        state = State::WaitAfterOpen;
    }
}

void TGate::hide() { state = State::Nothing; }

void TGate::close() {
    if (state == State::Close) return;
    state = State::Close;
    wszystkie = 0;
    const int now = MilliSecs();
    for (TMarble& m : list) {
        if (m.normal == 0) m.zamien();
        m.time = now;
        m.per = 0;
        m.ss = Rnd(1.5f, 2.0f);
        m.speed = Rnd(0.02f, 0.03f);
    }
}

void TGate::open() {
    state = State::Open;
    wszystkie = 0;
    const int now = MilliSecs();
    for (TMarble& m : list) {
        if (m.normal != 0) m.zamien();
        m.time = now;
        m.speed = Rnd(0.01f, 0.015f);
        m.per = 0;
        // Every marble starts on its rest spot, so a closed gate stays
        // closed in the first frame of the next screen instead of flashing
        // the screen behind it.
        m.x = m.x1;
        m.y = m.y1;
        m.ss = Rnd(1.5f, 2.0f);
    }
}

int TGate::opened() const { return state == State::WaitAfterOpen && wszystkie == 1 ? 1 : 0; }
int TGate::closed() const { return state == State::WaitAfterClose && wszystkie == 1 ? 1 : 0; }
