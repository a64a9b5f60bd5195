#include "gui/digits.h"

#include <string>

#include "shell/media/media.h"

std::array<TImagePtr, 10> digitImages;

void loadDigits() {
    for (int d = 0; d < 10; ++d) digitImages[size_t(d)] = LoadImage("gfx/gui/cyfry/" + std::to_string(d) + ".png");
}

std::string numberDigits(int value, int minLength) {
    if (value > 99999) value = 99999;
    if (value < 0) value = 0;
    std::string text = std::to_string(value);
    while (int(text.size()) < minLength) text = "0" + text;
    return text;
}

void drawNumber(int value, int x, int y, int minLength) {
    for (char c : numberDigits(value, minLength)) {
        const TImagePtr& digit = digitImages[size_t(c - '0')];
        DrawImage(digit, float(x), float(y));
        x += ImageWidth(digit) + 2;
    }
}
