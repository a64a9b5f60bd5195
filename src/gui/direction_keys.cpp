#include "gui/direction_keys.h"

#include "gui/gui_object.h"
#include "shell/media/input.h"

namespace {

constexpr int kArrows[4] = {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN};
constexpr int kLetters[4] = {KEY_A, KEY_W, KEY_D, KEY_S};

}  // namespace

TStep TDirectionKeys::read(int now) {
    bool steps[4] = {};
    for (int i = 0; i < 4; ++i) {
        const bool hit = KeyHit(kArrows[i]) + (wasd_ ? KeyHit(kLetters[i]) : 0) > 0;
        const bool down = KeyDown(kArrows[i]) || (wasd_ && KeyDown(kLetters[i]));
        if (hit) {
            steps[i] = true;
            held_[i] = down;
            nextStep_[i] = clockAfter(now, kFirstRepeatMs);
        } else if (!down) {
            held_[i] = false;
        } else if (held_[i] && now >= nextStep_[i]) {
            steps[i] = true;
            nextStep_[i] = clockAfter(now, kRepeatMs);
        }
    }
    TStep step;
    step.dx = (steps[2] ? 1 : 0) - (steps[0] ? 1 : 0);
    step.dy = (steps[3] ? 1 : 0) - (steps[1] ? 1 : 0);
    return step;
}

void TDirectionKeys::reset() {
    for (bool& h : held_) h = false;
}
