// The gallery's crosshair under held direction keys (a tap, a hold up to
// the top speed, letting go, a diagonal, any frame rate), and the right
// stick as the puzzle cursor's steps.
#include <gtest/gtest.h>

#include <cmath>

#include "minigames/crosshair_motion.h"
#include "minigames/stick_steps.h"

namespace {

constexpr float kFrameMs = 1000.0f / 60;

// (dx, dy) held for `ms` in frames of `frameMs`: the way covered.
TCrosshairMove hold(TCrosshairMotion& motion, int dx, int dy, float ms, float frameMs = kFrameMs) {
    TCrosshairMove total;
    for (float t = 0; t + frameMs / 2 < ms; t += frameMs) {
        const TCrosshairMove m = motion.step(dx, dy, frameMs);
        total.dx += m.dx;
        total.dy += m.dy;
    }
    return total;
}

TEST(CrosshairMotion, ATapNudgesAHoldSpeedsUpToTheTopAndLettingGoStops) {
    TCrosshairMotion motion;
    // A press no frame saw held still moves the least step; a tap a few pixels.
    EXPECT_FLOAT_EQ(motion.step(1, 0, 1).dx, TCrosshairMotion::kTapPx);
    motion.step(0, 0, kFrameMs);
    const float tap = hold(motion, 1, 0, 50).dx;
    EXPECT_GE(tap, 2);
    EXPECT_LE(tap, 6);
    // Held, it crosses the 800-pixel screen in about a second, then keeps the top speed.
    const float second = hold(motion, 1, 0, 1000).dx;
    EXPECT_GT(second, 600);
    EXPECT_LT(second, 800);
    EXPECT_NEAR(motion.step(1, 0, kFrameMs).dx, TCrosshairMotion::kTopSpeed * kFrameMs, 0.01f);
    // Let go, it stops; pressed again or turned back, it starts slowly.
    EXPECT_EQ(motion.step(0, 0, kFrameMs).dx, 0);
    EXPECT_LE(hold(motion, 0, -1, 50).dy, -2);
    hold(motion, 0, -1, 1000);
    EXPECT_LE(motion.step(0, 1, kFrameMs).dy, TCrosshairMotion::kTapPx);
    // The same hold covers the same way at any frame rate.
    TCrosshairMotion fast, slow;
    EXPECT_NEAR(hold(fast, 1, 0, 800, 5).dx, hold(slow, 1, 0, 800, 50).dx, TCrosshairMotion::kTapPx);
}

TEST(CrosshairMotion, ADiagonalGoesAsFastAsAStraightLine) {
    TCrosshairMotion straight, diagonal;
    const TCrosshairMove s = hold(straight, -1, 0, 700);
    const TCrosshairMove d = hold(diagonal, -1, 1, 700);
    EXPECT_FLOAT_EQ(d.dx, -d.dy);
    EXPECT_NEAR(std::hypot(d.dx, d.dy), -s.dx, 0.01f);
}

TEST(StickSteps, APushedStickStepsOnceThenRepeatsLikeAHeldArrow) {
    TStickSteps stick;
    EXPECT_FALSE(stick.read(0.4f, -0.3f, 1000).any()) << "inside half way";
    EXPECT_EQ(stick.read(0.9f, 0.3f, 1000).dx, 1) << "the axis pushed further";
    int steps = 0, now = 1016;
    for (; now < 1000 + TDirectionKeys::kFirstRepeatMs; now += 16) steps += stick.read(0.9f, 0.3f, now).dx;
    EXPECT_EQ(steps, 0) << "a pause before the repeat";
    for (; now < 1000 + TDirectionKeys::kFirstRepeatMs + 4 * TDirectionKeys::kRepeatMs; now += 16)
        steps += stick.read(0.9f, 0.3f, now).dx;
    EXPECT_NEAR(steps, 4, 1);
    EXPECT_EQ(stick.read(0.1f, -0.8f, now).dy, -1) << "another way steps at once";
}

}  // namespace
