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

struct RecordingSink : media::SpriteBatch::Sink {
    struct Run { int texture, blend; size_t quads; };
    std::vector<Run> runs;
    void drawRun(int texture, int blend, const media::Vertex*, size_t quadCount) override {
        runs.push_back({texture, blend, quadCount});
    }
};

TEST(SpriteBatch, FlushesOnlyWhenTextureOrBlendChanges) {
    RecordingSink sink;
    media::SpriteBatch batch(sink);
    media::Vertex quad[4] = {};
    for (int i = 0; i < 100; ++i) batch.add(1, 3, quad);
    for (int i = 0; i < 50; ++i) batch.add(1, 4, quad);
    for (int i = 0; i < 10; ++i) batch.add(2, 4, quad);
    EXPECT_EQ(sink.runs.size(), 2u) << "the last run waits for the end of the frame";
    batch.flush();
    ASSERT_EQ(sink.runs.size(), 3u);
    EXPECT_EQ(sink.runs[0].quads, 100u);
    EXPECT_EQ(sink.runs[1].blend, 4);
    EXPECT_EQ(sink.runs[2].texture, 2);
    batch.flush();
    EXPECT_EQ(sink.runs.size(), 3u) << "nothing pending, nothing drawn";
}

TEST(SpriteBatch, AFullBufferFlushesBeforeOverflowing) {
    RecordingSink sink;
    media::SpriteBatch batch(sink);
    media::Vertex quad[4] = {};
    for (size_t i = 0; i < media::SpriteBatch::kMaxQuads + 5; ++i) batch.add(0, 3, quad);
    batch.flush();
    ASSERT_EQ(sink.runs.size(), 2u);
    EXPECT_EQ(sink.runs[0].quads, media::SpriteBatch::kMaxQuads);
    EXPECT_EQ(sink.runs[1].quads, 5u);
}

}  // namespace
