#pragma once
// The short intro after loading: marbles roll in from both sides and gather
// under the "Vornell" logo, which pops up and sparkles, then everything fades
// into the plain backdrop colour. About two and a half seconds; Space, Enter,
// Escape or a click ends it at once; no key or click made during it reaches a
// screen. It runs after start-up, on pictures loaded then.
#include <array>

#include "gui/particle.h"
#include "shell/media/image.h"

class TStudioIntro {
public:
    static constexpr int kLength = 2600;  // ms

    // Runs the intro to its end or until skipped.
    void run();
    // The picture at `t` ms into the intro.
    void draw(int t);

private:
    TImagePtr logo;
    TImagePtr shine;
    std::array<TImagePtr, 4> marbles;
    TParticleList sparkles;
    int nextSparkle = 0;
    bool popped = false;

    void load();
    // Sparkles and the logo's pop, as time passes.
    void update(int t);
};
