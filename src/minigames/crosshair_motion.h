#pragma once
// The gallery's crosshair under held direction keys: a tap nudges it a few
// pixels for a fine aim, a key held speeds it up smoothly to a top speed
// that crosses the screen in about a second, and letting go stops it at
// once. Only arithmetic over what is held and for how long, so its feel is
// the same at any frame rate and can be checked without a window.

struct TCrosshairMove {
    float dx = 0, dy = 0;
};

class TCrosshairMotion {
public:
    // Pixels per millisecond as a key goes down, and once held kRampMs.
    static constexpr float kStartSpeed = 0.05f;
    static constexpr float kTopSpeed = 1.0f;
    static constexpr float kRampMs = 450;
    // However short, a press moves the crosshair at least this far.
    static constexpr float kTapPx = 2;

    // This frame's move for the held directions (each -1, 0 or 1) over the
    // frame's `ms`. A diagonal goes as fast as a straight line; turning back
    // along an axis starts slowly again.
    TCrosshairMove step(int dx, int dy, float ms);
    // The speed (px per ms) after a key has been held `heldMs`.
    static float speedAfter(float heldMs);
    // The distance covered while the held time goes from `from` to `to` ms.
    static float distance(float from, float to);

private:
    float heldMs_ = 0;
    int dx_ = 0, dy_ = 0;  // the directions held last frame
};
