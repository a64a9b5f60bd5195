#include "app/studio_intro.h"

#include <algorithm>
#include <cmath>

#include "app/game_objects.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

namespace {

constexpr int kMarbles = 8;
constexpr float kLogoX = 400, kLogoY = 262;
constexpr int kLogoAt = 900, kLogoFor = 420;  // the logo pops up
constexpr int kShineAt = 1350, kShineFor = 550;
constexpr int kFadeAt = 2100;                 // everything fades away

float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
// Progress of the span [start, start + length) at t, 0 to 1.
float progress(int t, int start, int length) { return clamp01(float(t - start) / float(length)); }
float easeOutCubic(float p) { return 1 - (1 - p) * (1 - p) * (1 - p); }
// Overshoots a little before settling at 1.
float easeOutBack(float p) {
    const float c = 1.9f, q = p - 1;
    return 1 + (c + 1) * q * q * q + c * q * q;
}

// Marble i rolls in from the left (even) or the right (odd), the sides
// taking turns, and rests in a gentle arc under the logo; each takes the
// innermost free place on its side, so none rolls through another.
struct MarblePath {
    float fromX, toX, toY;
    int start;
};
MarblePath marblePath(int i) {
    const int half = kMarbles / 2, j = i / 2;
    const int place = i % 2 == 0 ? half - 1 - j : half + j;
    const float slot = float(place) - (kMarbles - 1) / 2.0f;
    return {i % 2 == 0 ? -60.0f : 860.0f, 400 + slot * 44, 372 + slot * slot * 1.6f, 150 + i * 80};
}
constexpr int kRollFor = 520;

}  // namespace

void TStudioIntro::load() {
    // Pictures the game holds already: the menu's logo, the gate's marbles
    // and a soft particle (all with centre handles).
    GameObjects& o = objects();
    logo = o.mainMenu.logo.img;
    shine = particleImages[2];
    marbles = o.gate.img;
}

void TStudioIntro::update(int t) {
    if (!popped && t >= kLogoAt + kLogoFor / 2) {
        popped = true;
        objects().snd.play("pop");
    }
    if (t >= kShineAt && t < kFadeAt && t >= nextSparkle) {
        nextSparkle = t + 90;
        createLogoParticle(Rand(180, 620), Rand(int(kLogoY) - 50, int(kLogoY) + 40), TRGB{}, sparkles);
    }
    sparkles.update();
}

void TStudioIntro::draw(int t) {
    const float shown = 1 - progress(t, kFadeAt, kLength - kFadeAt);
    SetBlend(ALPHABLEND);
    SetRotation(0);
    SetScale(1, 1);
    SetColor(255, 255, 255);
    for (int i = 0; i < kMarbles; ++i) {
        const MarblePath path = marblePath(i);
        const float p = progress(t, path.start, kRollFor);
        if (p <= 0) continue;
        const float x = path.fromX + (path.toX - path.fromX) * easeOutCubic(p);
        // A small hop as it arrives.
        const float hop = p > 0.7f ? std::sin((p - 0.7f) / 0.3f * 3.14159f) * 10 : 0;
        SetAlpha(shown);
        DrawImage(marbles[size_t(i % 4)], x, path.toY - hop);
    }
    const float pop = progress(t, kLogoAt, kLogoFor);
    if (pop > 0) {
        const float s = 0.9f * easeOutBack(pop);
        SetAlpha(clamp01(pop * 3) * shown);
        SetScale(s, s);
        DrawImage(logo, kLogoX, kLogoY);
        SetScale(1, 1);
    }
    const float sweep = progress(t, kShineAt, kShineFor);
    if (sweep > 0 && sweep < 1) {
        // A glint running across the letters.
        SetBlend(LIGHTBLEND);
        SetAlpha(std::sin(sweep * 3.14159f) * 0.8f);
        SetScale(6, 2.5f);
        DrawImage(shine, 150 + 500 * sweep, kLogoY - 10);
        SetScale(1, 1);
        SetBlend(ALPHABLEND);
    }
    sparkles.draw();
    // Out of the black the loading screen left.
    const float dark = 1 - progress(t, 0, 350);
    if (dark > 0) {
        SetColor(0, 0, 0);
        SetAlpha(dark);
        DrawRect(0, 0, 800, 600);
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
}

void TStudioIntro::run() {
    load();
    SetClsColor(180, 200, 220);
    const int start = MilliSecs();
    for (;;) {
        Cls();
        frameTick();
        const int t = MilliSecs() - start;
        if (t >= kLength) break;
        update(t);
        draw(t);
        Flip(-1);
        // Every skipping press is read, so none of them reaches a screen.
        const int keys = KeyHit(KEY_SPACE) + KeyHit(KEY_ENTER) + KeyHit(KEY_ESCAPE);
        const int clicks = MouseHit(1) + MouseHit(2);
        if (keys + clicks > 0) break;
    }
    // Nothing pressed during the intro reaches the first screen: every key
    // hit, typed letter and click is forgotten. Keys still held stay held
    // (Alt of an Alt+F4 on its way).
    FlushKeyHits();
    FlushMouse();
    objects().mouse.clear();
    sparkles.clear();
}
