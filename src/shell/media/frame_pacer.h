#pragma once

namespace media {

// Paces presented frames to `hertz` per second in software: steps of
// 1000 / hertz ms with the remainder spread so that `hertz` frames take
// exactly one second. A late frame resets the schedule; it never catches up.
class FramePacer {
public:
    void start(int hertz, int now);
    // Milliseconds to sleep before presenting the next frame (0 when late).
    int nextWait(int now);
    int hertz() const { return hertz_; }

private:
    int hertz_ = 0;
    int due_ = 0;
    int step_ = 0;
    int remainder_ = 0;
    int fraction_ = 0;
};

}  // namespace media
