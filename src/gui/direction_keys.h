#pragma once
// The arrow keys (and, where no name is typed, W A S D) as steps of a
// cursor: a press steps once at once; a key held steps again after a pause,
// then steadily, as a desktop's key repeat does. The gamepad's d-pad and
// left stick arrive as the arrow keys and repeat the same way.

// One frame's step: each of dx, dy is -1, 0 or 1.
struct TStep {
    int dx = 0, dy = 0;
    bool any() const { return dx != 0 || dy != 0; }
};

class TDirectionKeys {
public:
    static constexpr int kFirstRepeatMs = 320;
    static constexpr int kRepeatMs = 80;

    explicit TDirectionKeys(bool wasd = true) : wasd_(wasd) {}
    // This frame's step at clock time `now` (ms). Reads and takes the keys' hits.
    TStep read(int now);
    // Forgets held keys, so a key still down from another screen steps only
    // when pressed again.
    void reset();

private:
    bool wasd_;
    // Per direction (left, up, right, down): held since a hit, and when it
    // steps next.
    bool held_[4] = {};
    int nextStep_[4] = {};
};
