#pragma once
// The gate: the transition between scenes. A curtain of 300 marbles flies
// in from outside the screen to cover it (closing) and out again to uncover
// it (opening). Screens update it every frame, draw it last and ask
// opened() or closed() before they start playing or leave.
#include <array>
#include <string>
#include <vector>

#include "shell/media/image.h"

// One marble of the gate, flying along a quadratic curve between its rest
// spot and a point outside the screen.
class TMarble {
public:
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;  // start of the flight
    float y2 = 0, x2 = 0;  // end of the flight
    float mx = 0, my = 0;  // control point of the curve
    int n = 0;             // picture 0 to 3
    // 1: flies from outside to its rest spot (closing); 0: the other way.
    int normal = 0;
    float per = 0;         // progress 0 to 1
    int time = 0;          // clock time its flight starts
    float ss = 1;          // full size
    float speed = 0;       // progress per frame unit

    // 1 when the marble counts as arrived.
    int update();
    // Reverses the flight, keeping the progress.
    void zamien();
};

class TGate {
public:
    static constexpr int kMarbles = 300;

    std::array<TImagePtr, 4> img;
    // Closing, opening, resting closed or open, hidden; None before the
    // first use.
    enum class State { None, Close, Open, WaitAfterClose, WaitAfterOpen, Nothing };
    State state = State::None;
    std::vector<TMarble> list;
    int wszystkie = 0;  // every marble finished in the last update

    // The marbles and their pictures; once at start-up. Until then the gate
    // has no marbles and draws nothing, so it is safe to draw at any time.
    void setup();
    void draw();
    void update();
    // Neither drawn nor animated until the next close() or open().
    void hide();
    // Starts closing, unless it is closing already.
    void close();
    void open();
    int opened() const;
    int closed() const;
    void setClosed() { hide(); }
    void setOpened() { hide(); }
};
