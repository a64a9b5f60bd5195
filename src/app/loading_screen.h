#pragma once
// The splash shown while start-up loads: one progress dot lights per step,
// and a step presents a frame (start-up runs no frame loop) unless one was
// presented a moment ago.
#include <string>

#include "shell/ekran.h"
#include "shell/media/image.h"

class TLoadingScreen : public TEkran {
public:
    int counter = 0;
    int maxCounter = 16;
    static constexpr int kStepFrameMs = 100;
    int time = 0;  // when a step last presented a frame
    TImagePtr dot[2];  // unlit, lit
    TImagePtr img;

    int setup() override;
    int draw() override;
    // One progress step; the name is not shown.
    void addField(const std::string& name);
    // The closing fade to black; the splash's pictures are let go after it.
    void start();
};
