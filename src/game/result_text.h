#pragma once
// One sliding line of a mini-game's results: captions slide in from the
// left and end at the centre line (x 400), values slide in from the right
// and start there; both speed up as they come and fade in over their last
// 100 pixels.
#include <string>

class TResultText {
public:
    std::string txt;
    float x = 0, y = 0;
    float speed = 0.5f;
    int align = 0;  // 0 from the left, 1 from the right
    float a = 0;    // alpha

    TResultText() = default;
    TResultText(std::string text, float startX, float startY, int alignment)
        : txt(std::move(text)), x(startX), y(startY), align(alignment) {}

    // 1 once the line rests on the centre line.
    int update();
    void draw() const;
};
