#include "minigames/stick_steps.h"

#include <cmath>

#include "gui/gui_object.h"

TStep TStickSteps::read(float x, float y, int now) {
    TStep pushed;
    if (std::fabs(x) >= std::fabs(y)) {
        if (std::fabs(x) > kPushed) pushed.dx = x > 0 ? 1 : -1;
    } else if (std::fabs(y) > kPushed) {
        pushed.dy = y > 0 ? 1 : -1;
    }
    if (!pushed.any()) {
        held_ = {};
        return {};
    }
    if (pushed.dx != held_.dx || pushed.dy != held_.dy) {
        held_ = pushed;
        nextStep_ = clockAfter(now, TDirectionKeys::kFirstRepeatMs);
        return pushed;
    }
    if (now < nextStep_) return {};
    nextStep_ = clockAfter(now, TDirectionKeys::kRepeatMs);
    return pushed;
}
