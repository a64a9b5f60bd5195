// The main menu's logo: its flight, and the sparkles once it has landed.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "gui/logo.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

class Logo : public ::testing::Test {
protected:
    void SetUp() override {
        media::resetClock(true, 1000);
        SeedRnd(5);
        delta = 1;
        logo.start();
    }
    void TearDown() override { media::resetClock(false, 1000); }
    void frame() {
        Delay(16);
        logo.update(sparkles);
    }

    TLogo logo;
    TParticleList sparkles;
};

TEST_F(Logo, LandsAfterAboutThirtyThreeFramesThenSparklesEveryHalfSecond) {
    int frames = 0;
    frame();
    ++frames;
    EXPECT_GT(logo.scale, 1.9f) << "it starts at twice its size";
    while (logo.per < 1 && frames < 100) {
        frame();
        ++frames;
    }
    EXPECT_NEAR(frames, 33, 1);
    EXPECT_FLOAT_EQ(logo.x, TLogo::kEndX);
    EXPECT_FLOAT_EQ(logo.y, TLogo::kEndY);
    EXPECT_FLOAT_EQ(logo.scale, 1.0f);

    // Two quiet seconds, then a sparkle every 500 ms, never twice in a row
    // on the same spot.
    for (int t = 0; t < 1950; t += 16) frame();
    EXPECT_TRUE(sparkles.empty());
    for (int t = 0; t < 5000; t += 16) frame();
    ASSERT_GE(sparkles.size(), 9u);
    ASSERT_LE(sparkles.size(), 11u);
    std::set<std::pair<float, float>> spots;
    for (size_t i = 0; i < sparkles.size(); ++i) {
        spots.insert({sparkles[i].x, sparkles[i].y});
        if (i > 0) {
            EXPECT_FALSE(sparkles[i].x == sparkles[i - 1].x && sparkles[i].y == sparkles[i - 1].y) << i;
        }
    }
    EXPECT_GE(spots.size(), 3u);
    EXPECT_LE(spots.size(), 6u);
}

TEST_F(Logo, ALongFrameEndsTheFlightAtOnce) {
    delta = 40;
    frame();
    EXPECT_EQ(logo.per, 1.0f);
    EXPECT_FLOAT_EQ(logo.x, TLogo::kEndX);
    EXPECT_FLOAT_EQ(logo.y, TLogo::kEndY);
    EXPECT_FLOAT_EQ(logo.scale, 1.0f);
}

}  // namespace
