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

// Watches whether waiting for the vertical blank really paces the frames:
// some drivers and virtual displays return from the swap at once, and a game
// relying on them would run as fast as it can draw. Frames presented faster
// than `hertz` a second (a second's worth in under 0.7 s) mean it does not.
class VblankWatch {
public:
    void start(int hertz);
    // After each frame presented on the vertical blank, with the real time.
    void presented(int now);
    bool paces() const { return paces_; }

private:
    int hertz_ = 0;
    int since_ = -1;
    int frames_ = 0;
    bool paces_ = true;
};

}  // namespace media
