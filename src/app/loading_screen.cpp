#include "app/loading_screen.h"

#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

int TLoadingScreen::setup() {
    img = LoadImage("gfx/splash/loadscreen.png");
    dot[0] = LoadImage("gfx/splash/off.png");
    dot[1] = LoadImage("gfx/splash/on.png");
    MidHandleImage(dot[0]);
    MidHandleImage(dot[1]);
    return 0;
}

int TLoadingScreen::draw() {
    SetColor(255, 255, 255);
    SetBlend(ALPHABLEND);
    SetAlpha(1);
    DrawRect(0, 0, 800, 600);
    DrawImage(img, 0, 0);
    for (int i = 0; i < maxCounter; ++i) {
        const float x = float(90 + 40 * i), y = 530;
        if (i < counter) {
            SetBlend(ALPHABLEND);
            SetAlpha(0.4f);
            SetColor(0, 0, 0);
            DrawImage(dot[1], x + 2, y + 2);
            SetColor(255, 255, 255);
            SetAlpha(0.7f);
            DrawImage(dot[1], x, y);
            SetAlpha(1);
        } else {
            SetBlend(LIGHTBLEND);
            SetColor(0, 0, 0);
            SetAlpha(0.4f);
            DrawImage(dot[0], x + 2, y + 2);
            SetAlpha(0.7f);
            SetColor(255, 255, 255);
            DrawImage(dot[0], x, y);
        }
    }
    return 0;
}

void TLoadingScreen::addField(const std::string& /*name*/) {
    counter += 1;
    // A frame costs a software renderer tens of milliseconds: a step shows
    // only when the last shown is a moment old, so a fast start-up is not
    // slowed down by its own progress dots. The closing fade shows them all.
    const int now = MilliSecs();
    if (counter == 1 || now - time >= kStepFrameMs) {
        time = now;
        Cls();
        draw();
        // Presented at once: waiting for the next frame's turn would only
        // make loading slower.
        Flip(0);
    }
    PollSystem();
}

void TLoadingScreen::start() {
    Print("LOADED : " + std::to_string(counter) + " of " + std::to_string(maxCounter) + " steps");
    if (!GraphicsOpen()) return;
    // Let the frame timing settle before the fade measures anything.
    for (int i = 0; i < 501; ++i) frameTick();
    float a = 0;
    for (int i = 0; i < 501; ++i) frameTick();
    SetBlend(ALPHABLEND);
    while (a < 1) {
        Cls();
        frameTick();
        a += 0.05f * delta;
        if (a > 1) a = 1;
        draw();
        SetAlpha(a);
        SetColor(0, 0, 0);
        DrawRect(0, 0, 800, 600);
        Flip(-1);
    }
    // Never shown again: the splash gives its textures' memory back.
    img = nullptr;
    dot[0] = dot[1] = nullptr;
}
