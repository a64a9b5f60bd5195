#include "game/result_text.h"

#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

int TResultText::update() {
    if (align == 0) {
        x += speed * delta;
        if (x > 400) x = 400;
        if (x > 300) a = (x - 300) / 100;
    } else if (align == 1) {
        x -= speed * delta;
        if (x < 400) x = 400;
        if (x < 500) a = (500 - x) / 100;
    }
    // Faster every frame, until it would be too fast to read.
    speed += 0.07f;
    if (speed > 40) speed = 0;
    return x == 400 ? 1 : 0;
}

void TResultText::draw() const {
    if (align != 0 && align != 1) return;
    SetImageFont(fonts.font_blueHigh26);
    SetAlpha(a);
    const float X = align == 0 ? float(int(x - float(TextWidth(txt)))) : x;
    const float Y = align == 0 ? float(int(y)) : y;
    SetColor(200, 0, 200);
    DrawText(txt, X - 1, Y - 1);
    DrawText(txt, X + 1, Y - 1);
    DrawText(txt, X - 1, Y + 1);
    DrawText(txt, X + 1, Y + 1);
    SetColor(255, 255, 255);
    DrawText(txt, X, Y);
}
