// The right stick as the steps of a cursor that jumps between places.
#include <gtest/gtest.h>

#include "minigames/stick_steps.h"

namespace {

TEST(StickSteps, APushedStickStepsOnceThenRepeatsLikeAHeldArrow) {
    TStickSteps stick;
    int now = 1000;
    // Inside half way nothing happens.
    EXPECT_FALSE(stick.read(0.4f, -0.3f, now).any());
    const TStep first = stick.read(0.9f, 0.3f, now);
    EXPECT_EQ(first.dx, 1);
    EXPECT_EQ(first.dy, 0) << "the axis pushed further wins";
    int steps = 1;
    for (now += 16; now < 1000 + TDirectionKeys::kFirstRepeatMs; now += 16) steps += stick.read(0.9f, 0.3f, now).dx;
    EXPECT_EQ(steps, 1) << "a pause before the repeat";
    for (; now < 1000 + TDirectionKeys::kFirstRepeatMs + 4 * TDirectionKeys::kRepeatMs; now += 16)
        steps += stick.read(0.9f, 0.3f, now).dx;
    EXPECT_GE(steps, 4);
    EXPECT_LE(steps, 6);
    // Another direction steps at once; back in the middle, the next push too.
    EXPECT_EQ(stick.read(0.1f, -0.8f, now).dy, -1);
    EXPECT_FALSE(stick.read(0, 0, now + 16).any());
    EXPECT_EQ(stick.read(0, -0.8f, now + 32).dy, -1);
}

}  // namespace
