// Frame pacing and the sprite batcher's draw-call grouping.
#include <gtest/gtest.h>

#include <vector>

#include "shell/media/frame_pacer.h"
#include "shell/media/sprite_batch.h"

namespace {

TEST(FramePacer, SixtyHertzStepsBy16Or17AndTakesExactlyASecond) {
    media::FramePacer pacer;
    int now = 5000;
    pacer.start(60, now);
    std::vector<int> steps;
    for (int i = 0; i < 60; ++i) {
        int wait = pacer.nextWait(now);
        steps.push_back(wait);
        now += wait;  // an instant frame: only the pacer's sleep passes
    }
    int total = 0;
    for (int s : steps) {
        EXPECT_TRUE(s == 16 || s == 17) << s;
        total += s;
    }
    EXPECT_EQ(total, 1000);
}

TEST(FramePacer, ALateFrameDoesNotCatchUp) {
    media::FramePacer pacer;
    int now = 0;
    pacer.start(60, now);
    now += pacer.nextWait(now);
    now += 500;  // a long pause
    EXPECT_EQ(pacer.nextWait(now), 0);
    // The schedule restarts from now: the next frame waits a normal step.
    int wait = pacer.nextWait(now);
    EXPECT_TRUE(wait == 16 || wait == 17) << wait;
}

TEST(FramePacer, ZeroHertzNeverWaits) {
    media::FramePacer pacer;
    pacer.start(0, 100);
    EXPECT_EQ(pacer.nextWait(100), 0);
}

// Presents at a steady interval; returns whether the vertical blank still
// counts as pacing after `frames` of them.
bool vblankPacesAfter(media::VblankWatch& watch, int intervalMs, int frames, int& now) {
    for (int i = 0; i < frames; ++i) {
        now += intervalMs;
        watch.presented(now);
    }
    return watch.paces();
}

TEST(VblankWatch, SwapsThatDoNotWaitAreFoundWithinASecondsFramesAndStaySo) {
    media::VblankWatch watch;
    int now = 1000;
    watch.start(60);
    // A real vertical blank, then one a little late now and then, then long frames.
    EXPECT_TRUE(vblankPacesAfter(watch, 17, 300, now));
    EXPECT_TRUE(vblankPacesAfter(watch, 33, 100, now));
    EXPECT_TRUE(vblankPacesAfter(watch, 250, 10, now));
    // Swaps returning at once (125 a second): caught after a second's worth.
    EXPECT_FALSE(vblankPacesAfter(watch, 8, 125, now));
    EXPECT_FALSE(vblankPacesAfter(watch, 17, 300, now));
    // A new display is watched afresh.
    watch.start(60);
    EXPECT_TRUE(vblankPacesAfter(watch, 16, 120, now));
}

struct RecordingSink : media::SpriteBatch::Sink {
    std::vector<std::vector<media::SpriteBatch::Run>> uploads;
    size_t vertices = 0;
    void drawRuns(const std::vector<media::Vertex>& v, const std::vector<media::SpriteBatch::Run>& runs) override {
        uploads.push_back(runs);
        vertices += v.size();
    }
};

TEST(SpriteBatch, RunsBreakOnlyWhereTextureOrBlendChangesAndGoUpTogether) {
    RecordingSink sink;
    media::SpriteBatch batch(sink);
    media::Vertex quad[4] = {};
    for (int i = 0; i < 100; ++i) batch.add(1, 3, quad);
    for (int i = 0; i < 50; ++i) batch.add(1, 4, quad);
    for (int i = 0; i < 10; ++i) batch.add(2, 4, quad);
    batch.add(2, 4, quad);
    EXPECT_TRUE(sink.uploads.empty()) << "nothing reaches the GPU before the frame ends";
    batch.flush();
    ASSERT_EQ(sink.uploads.size(), 1u);
    const auto& runs = sink.uploads[0];
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].quadCount, 100u);
    EXPECT_EQ(runs[1].blend, 4);
    EXPECT_EQ(runs[1].firstQuad, 100u);
    EXPECT_EQ(runs[2].texture, 2);
    EXPECT_EQ(runs[2].quadCount, 11u);
    EXPECT_EQ(sink.vertices, 161u * 4);
    batch.flush();
    EXPECT_EQ(sink.uploads.size(), 1u) << "nothing pending, nothing drawn";
}

TEST(SpriteBatch, AFullBufferFlushesBeforeOverflowing) {
    RecordingSink sink;
    media::SpriteBatch batch(sink);
    media::Vertex quad[4] = {};
    for (size_t i = 0; i < media::SpriteBatch::kMaxQuads + 5; ++i) batch.add(0, 3, quad);
    batch.flush();
    ASSERT_EQ(sink.uploads.size(), 2u);
    EXPECT_EQ(sink.uploads[0][0].quadCount, media::SpriteBatch::kMaxQuads);
    EXPECT_EQ(sink.uploads[1][0].quadCount, 5u);
    EXPECT_EQ(sink.uploads[1][0].firstQuad, 0u);
}

}  // namespace
