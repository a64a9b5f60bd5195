#include "minigames/crosshair_motion.h"

#include <algorithm>
#include <cmath>

float TCrosshairMotion::speedAfter(float heldMs) {
    // Eased in: slow at first for a fine aim, then quickly up to the top.
    const float t = std::clamp(heldMs / kRampMs, 0.0f, 1.0f);
    return kStartSpeed + (kTopSpeed - kStartSpeed) * t * t;
}

float TCrosshairMotion::distance(float from, float to) {
    // The speed's integral: the easing's part up to the ramp's end, the top
    // speed after it.
    const auto covered = [](float t) {
        const float ramp = std::min(t, kRampMs);
        const float eased =
            kStartSpeed * ramp + (kTopSpeed - kStartSpeed) * ramp * ramp * ramp / (3 * kRampMs * kRampMs);
        return eased + kTopSpeed * std::max(t - kRampMs, 0.0f);
    };
    return covered(std::max(to, 0.0f)) - covered(std::max(from, 0.0f));
}

TCrosshairMove TCrosshairMotion::step(int dx, int dy, float ms) {
    dx = std::clamp(dx, -1, 1);
    dy = std::clamp(dy, -1, 1);
    const bool turnedBack = dx * dx_ < 0 || dy * dy_ < 0;
    const bool starting = (dx_ == 0 && dy_ == 0) || turnedBack;
    dx_ = dx;
    dy_ = dy;
    if (dx == 0 && dy == 0) {
        heldMs_ = 0;
        return {};
    }
    if (starting) heldMs_ = 0;
    ms = std::max(ms, 0.0f);
    float length = distance(heldMs_, heldMs_ + ms);
    if (starting) length = std::max(length, kTapPx);
    heldMs_ += ms;
    const float along = dx != 0 && dy != 0 ? length / std::sqrt(2.0f) : length;
    return {float(dx) * along, float(dy) * along};
}
