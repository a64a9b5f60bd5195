#include "shell/media/frame_pacer.h"

namespace media {

void FramePacer::start(int hertz, int now) {
    hertz_ = hertz;
    due_ = now;
    fraction_ = 0;
    if (hertz <= 0) {
        step_ = remainder_ = 0;
        return;
    }
    step_ = 1000 / hertz;
    remainder_ = 1000 - step_ * hertz;
}

int FramePacer::nextWait(int now) {
    if (hertz_ <= 0) return 0;
    due_ += step_;
    fraction_ += remainder_;
    if (fraction_ >= hertz_) {
        fraction_ -= hertz_;
        due_ += 1;
    }
    int wait = due_ - now;
    if (wait > 0) return wait;
    due_ = now;
    return 0;
}

void VblankWatch::start(int hertz) {
    hertz_ = hertz;
    since_ = -1;
    frames_ = 0;
    paces_ = true;
}

void VblankWatch::presented(int now) {
    if (!paces_ || hertz_ <= 0) return;
    if (since_ < 0) {
        since_ = now;
        return;
    }
    if (++frames_ < hertz_) return;
    if (now - since_ < 700) paces_ = false;
    since_ = now;
    frames_ = 0;
}

}  // namespace media
