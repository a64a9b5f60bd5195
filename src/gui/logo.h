#pragma once
// The main menu's title logo: it flies in along a curve from the upper right,
// shrinking from twice its size, lands at the top of the screen and then
// throws a sparkle at one of its letters every half second.
#include "shell/media/image.h"

class TParticleList;

class TLogo {
public:
    static constexpr float kEndX = 400, kEndY = 87;

    TImagePtr img;
    float per = 1;  // progress of the flight, 0 to 1
    float docelowaSkala = 1;  // the final scale
    float scale = 1;
    float x1 = 0, x2 = kEndX, y1 = 0, y2 = kEndY;  // start and end of the flight
    float mx = 0, my = 0;  // control point of the curve
    float x = kEndX, y = kEndY;
    int time = 0;       // clock time of the next sparkle
    int lastSpot = 0;   // where the previous sparkle was (1 to 6; 0 none yet)

    void setup();
    // Starts the flight again.
    void start();
    // One frame; once landed, sparkles go into `sparkles`.
    void update(TParticleList& sparkles);
    // Leaves the scale set; the caller resets it.
    void draw();
};
