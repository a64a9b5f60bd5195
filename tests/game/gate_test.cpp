// The gate: how long it takes, when it reports closed or opened, and what it
// does to the screen's particles.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/gate.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

class Gate : public ::testing::Test {
protected:
    void SetUp() override {
        media::resetClock(true, 1000);
        SeedRnd(7);
        delta = 1;
        gate.setup();
    }
    // One frame at 60 frames a second.
    void frame() {
        Delay(16);
        gate.update();
    }
    // Frames until `done` holds, at most `limit`.
    template <class Done>
    int framesUntil(Done done, int limit = 400) {
        int n = 0;
        while (!done() && n < limit) {
            frame();
            ++n;
        }
        return n;
    }
    TGate gate;
};

TEST_F(Gate, IsSafeToDrawBeforeItsSetUp) {
    TGate fresh;
    fresh.draw();
    fresh.update();
    EXPECT_EQ(fresh.opened(), 0);
    EXPECT_EQ(fresh.closed(), 0);
}

TEST_F(Gate, ClosingTakesThirtyFourToFiftyFramesAndClearsTheParticles) {
    ASSERT_EQ(gate.list.size(), size_t(TGate::kMarbles));
    createParticle(7, 100, 100, 100000, 0, 0, 1, 1, 1, 1, 0.02f, 0.02f);
    gate.close();
    int frames = 0;
    while (!gate.closed() && frames < 200) {
        EXPECT_EQ(particles.size(), 1u) << "particles stay until the gate has closed";
        frame();
        ++frames;
        // Closed only once every marble has arrived.
        if (gate.closed()) {
            for (const TMarble& m : gate.list) EXPECT_EQ(m.per, 1.0f);
        }
    }
    EXPECT_GE(frames, 34);
    EXPECT_LE(frames, 50);
    EXPECT_TRUE(particles.empty());
    for (const TMarble& m : gate.list) {
        EXPECT_EQ(m.x, m.x2);
        EXPECT_EQ(m.y, m.y2);
    }
}

TEST_F(Gate, ClosingAgainWhileClosingDoesNotRestartIt) {
    gate.close();
    for (int i = 0; i < 20; ++i) frame();
    const float progress = gate.list[0].per;
    gate.close();
    EXPECT_EQ(gate.list[0].per, progress);
    EXPECT_LE(framesUntil([&] { return gate.closed() != 0; }), 31);
}

TEST_F(Gate, OpeningFromTheRestSpotsEndsWhenEveryMarbleIsOffTheScreen) {
    // A gate just set up rests closed: its first opening flies the marbles out.
    gate.open();
    EXPECT_EQ(gate.opened(), 0);
    const int frames = framesUntil([&] { return gate.opened() != 0; });
    EXPECT_LT(frames, 100) << "slower than closing, but done once all are past half-way and off-screen";
    for (const TMarble& m : gate.list) {
        const bool off = m.x < 0 || m.x > 800 || m.y < 0 || m.y > 600;
        EXPECT_TRUE(m.per == 1 || (off && m.per > 0.5f));
        EXPECT_EQ(m.normal, 0);
    }
    EXPECT_EQ(gate.closed(), 0);
    // And closes again from outside the screen.
    gate.close();
    for (const TMarble& m : gate.list) EXPECT_EQ(m.normal, 1);
    EXPECT_GE(framesUntil([&] { return gate.closed() != 0; }), 34);
}

TEST_F(Gate, AHiddenGateReportsNeitherUntilANewAnimationEnds) {
    gate.close();
    framesUntil([&] { return gate.closed() != 0; });
    gate.hide();
    EXPECT_EQ(gate.closed(), 0);
    EXPECT_EQ(gate.opened(), 0);
    frame();
    EXPECT_EQ(gate.closed(), 0);
    gate.open();
    framesUntil([&] { return gate.opened() != 0; });
    EXPECT_EQ(gate.opened(), 1);
}

TEST_F(Gate, AClosedGateStillCoversTheScreenWhenItStartsOpening) {
    gate.close();
    framesUntil([&] { return gate.closed() != 0; });
    std::vector<std::pair<float, float>> rest;
    for (const TMarble& m : gate.list) rest.emplace_back(m.x, m.y);
    // The next screen opens it and draws it before a millisecond has passed.
    gate.open();
    gate.update();
    for (size_t i = 0; i < gate.list.size(); ++i) {
        EXPECT_EQ(gate.list[i].x, rest[i].first) << i;
        EXPECT_EQ(gate.list[i].y, rest[i].second) << i;
    }
}

TEST_F(Gate, NothingMovesInTheMillisecondTheAnimationStarts) {
    gate.close();
    gate.update();  // same clock time as close()
    for (const TMarble& m : gate.list) EXPECT_EQ(m.per, 0.0f);
}

}  // namespace
