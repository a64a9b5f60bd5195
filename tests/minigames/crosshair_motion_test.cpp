// How the gallery's crosshair answers held direction keys: a tap, a hold up
// to the top speed, letting go, diagonals, turning back, any frame rate.
#include "minigames/crosshair_motion.h"

#include <gtest/gtest.h>

#include <cmath>


namespace {

constexpr float kFrameMs = 1000.0f / 60;

// Holds (dx, dy) for `ms` in frames of `frameMs`; the distance covered along x and y.
TCrosshairMove hold(TCrosshairMotion& motion, int dx, int dy, float ms, float frameMs = kFrameMs) {
    TCrosshairMove total;
    for (float t = 0; t + frameMs / 2 < ms; t += frameMs) {
        const TCrosshairMove m = motion.step(dx, dy, frameMs);
        total.dx += m.dx;
        total.dy += m.dy;
    }
    return total;
}

TEST(CrosshairMotion, ATapMovesAFewPixelsAndAHoldSpeedsUpToTheTopSpeed) {
    TCrosshairMotion motion;
    // A key let go before a frame saw it still moves the least step; a
    // short tap a few pixels.
    EXPECT_FLOAT_EQ(motion.step(1, 0, 1).dx, TCrosshairMotion::kTapPx);
    motion.step(0, 0, kFrameMs);
    const float tap = hold(motion, 1, 0, 50).dx;
    EXPECT_GE(tap, 2);
    EXPECT_LE(tap, 6);
    motion.step(0, 0, kFrameMs);
    // After the first, each frame of a hold moves further than the one
    // before, until the top speed, which it keeps.
    motion.step(1, 0, kFrameMs);
    float last = 0;
    for (int frame = 1; frame * kFrameMs < TCrosshairMotion::kRampMs - kFrameMs; ++frame) {
        const float dx = motion.step(1, 0, kFrameMs).dx;
        EXPECT_GE(dx, last) << "frame " << frame;
        last = dx;
    }
    for (int frame = 0; frame < 30; ++frame) motion.step(1, 0, kFrameMs);
    EXPECT_NEAR(motion.step(1, 0, kFrameMs).dx, TCrosshairMotion::kTopSpeed * kFrameMs, 0.01f);
    // Across the 800-pixel screen in about a second.
    TCrosshairMotion fresh;
    const float second = hold(fresh, 1, 0, 1000).dx;
    EXPECT_GT(second, 600);
    EXPECT_LT(second, 800);
    EXPECT_GT(hold(fresh, 1, 0, 300).dx + second, 800);
}

TEST(CrosshairMotion, LettingGoStopsAtOnceAndTheNextPressStartsSlowly) {
    TCrosshairMotion motion;
    hold(motion, 0, -1, 1000);
    const TCrosshairMove stopped = motion.step(0, 0, kFrameMs);
    EXPECT_EQ(stopped.dx, 0);
    EXPECT_EQ(stopped.dy, 0);
    EXPECT_LE(std::fabs(hold(motion, 0, -1, 50).dy), 6);
    // Turning back along an axis without letting go starts slowly too.
    hold(motion, 1, 0, 1000);
    EXPECT_LT(std::fabs(motion.step(-1, 0, kFrameMs).dx), 3);
    // Adding a direction to one held keeps the speed.
    hold(motion, 1, 0, 1000);
    const TCrosshairMove turned = motion.step(1, 1, kFrameMs);
    EXPECT_NEAR(std::hypot(turned.dx, turned.dy), TCrosshairMotion::kTopSpeed * kFrameMs, 0.01f);
}

TEST(CrosshairMotion, ADiagonalGoesAsFastAsAStraightLine) {
    TCrosshairMotion straight, diagonal;
    const TCrosshairMove s = hold(straight, -1, 0, 700);
    const TCrosshairMove d = hold(diagonal, -1, 1, 700);
    EXPECT_LT(d.dx, 0);
    EXPECT_FLOAT_EQ(d.dx, -d.dy);
    EXPECT_NEAR(std::hypot(d.dx, d.dy), std::fabs(s.dx), 0.01f);
}

TEST(CrosshairMotion, TheSameHoldCoversTheSameDistanceAtAnyFrameRate) {
    for (const float frameMs : {5.0f, 10.0f, 25.0f, 50.0f}) {
        TCrosshairMotion fast, slow;
        EXPECT_NEAR(hold(fast, 1, 0, 800, frameMs).dx, hold(slow, 1, 0, 800, 100).dx, TCrosshairMotion::kTapPx)
            << frameMs << " ms";
    }
}

}  // namespace
