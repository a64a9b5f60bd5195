// The frame factor and the stopwatch, on the virtual clock.
#include <gtest/gtest.h>

#include "shell/delta_time.h"
#include "shell/media/clock.h"

namespace {

class FrameTiming : public ::testing::Test {
protected:
    void SetUp() override { media::resetClock(true, 10000); }
    void TearDown() override { media::resetClock(false, 1000); }
};

TEST_F(FrameTiming, DeltaIsElapsedTimeOverTheReferenceFrame) {
    auto timing = TDeltaTime::Create(60);
    timing->Update();
    Delay(200);
    timing->Update();
    EXPECT_FLOAT_EQ(timing->CurrDelta(), 12.0f) << "a 200 ms frame is not clamped";
    timing->Update();
    EXPECT_FLOAT_EQ(timing->CurrDelta(), 0.0f) << "two updates in the same millisecond";
    Delay(16);
    timing->Update();
    EXPECT_NEAR(timing->CurrDelta(), 0.96f, 1e-6);
    Delay(17);
    timing->Update();
    EXPECT_NEAR(timing->CurrDelta(), 1.02f, 1e-6);
}

TEST_F(FrameTiming, FpsCountsTheUpdatesOfThePreviousSecondLessOne) {
    TDeltaTime timing;
    timing.SetFPS(60);
    timing.Update();  // opens the first second
    for (int i = 0; i < 60; ++i) {
        Delay(i % 3 == 2 ? 16 : 17);
        timing.Update();
    }
    // 61 updates fell within that second, both ends included.
    Delay(20);
    timing.Update();
    EXPECT_EQ(timing.FPS(), 60);
}

TEST_F(FrameTiming, InstancesAreListedUntilDestroyed) {
    size_t before = TDeltaTime::instances().size();
    {
        TDeltaTime a;
        TDeltaTime b;
        EXPECT_EQ(TDeltaTime::instances().size(), before + 2);
        a.Destroy();
        EXPECT_EQ(TDeltaTime::instances().size(), before + 1);
        EXPECT_EQ(TDeltaTime::instances().back(), &b);
    }
    EXPECT_EQ(TDeltaTime::instances().size(), before);
}

TEST_F(FrameTiming, StopwatchMeasuresSinceReset) {
    ATimer timer;
    Delay(250);
    EXPECT_EQ(timer.ticks(), 250);
    timer.reset();
    EXPECT_EQ(timer.ticks(), 0);
}

}  // namespace
