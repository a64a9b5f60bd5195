#pragma once
// The gamepad's right stick as cursor steps where a screen's cursor jumps
// between places: pushed past half way it steps once at once, then, held
// there, again after the arrow keys' pause and steadily at their rate, as a
// held arrow key does.
#include "gui/direction_keys.h"

class TStickSteps {
public:
    static constexpr float kPushed = 0.5f;

    // This frame's step for the stick at (x, y) (each -1 to 1) at clock time
    // `now` (ms): along the axis it is pushed further, if past kPushed.
    TStep read(float x, float y, int now);

private:
    TStep held_;
    int nextStep_ = 0;
};
