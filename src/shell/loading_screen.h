#pragma once
// The splash shown while start-up loads: one progress dot lights per step and
// each step presents a frame, since start-up runs no frame loop.
#include <string>

#include "shell/ekran.h"
#include "shell/media/image.h"

class TLoadingScreen : public TEkran {
public:
    int counter = 0;
    int maxCounter = 16;
    int time = 0;
    TImagePtr dot[2];  // unlit, lit
    TImagePtr img;

    int setup() override;
    int draw() override;
    // One progress step; the name is not shown.
    void addField(const std::string& name);
    // The closing fade to black.
    void start();
};
