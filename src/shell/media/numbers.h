#pragma once
// The game's angle functions take degrees.
float Sin(float degrees);
float Cos(float degrees);
template <typename T> T Abs(T v) { return v < 0 ? -v : v; }
template <typename T> int Sgn(T v) { return (v > 0) - (v < 0); }

// Moves value toward target by step, never past it.
inline void approach(float& value, float target, float step) {
    if (value < target) {
        value += step;
        if (value > target) value = target;
    } else if (value > target) {
        value -= step;
        if (value < target) value = target;
    }
}
