// Particles and flying diamonds: how long they live, how they fade, grow and
// turn, and that a warm particle list allocates nothing per frame.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

// Counts allocations while `counting` is set. Replacing the global operators
// pairs them with malloc and free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long> allocations{0};
std::atomic<bool> counting{false};
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

class Particles : public ::testing::Test {
protected:
    void SetUp() override {
        clearParticles();
        flyingDiamonds.clear();
        media::resetClock(true, 1000);
        delta = 1;
        SeedRnd(7);
    }
    void TearDown() override { clearParticles(); }

    // Updates the global list n times; the number of particles left.
    size_t frames(int n) {
        for (int i = 0; i < n; ++i) updateParticles();
        return particles.size();
    }
};

}  // namespace

TEST_F(Particles, AFadingParticleDiesWhenFullyFadedLongBeforeItsLifeEnds) {
    createParticle(1, 0, 0, 100000, 0, 0, 1, 0, 1, 1, 0.1f, 0.02f);
    EXPECT_EQ(frames(9), 1u);
    EXPECT_EQ(frames(1), 0u);

    // Shrinking to nothing ends it the same way.
    createParticle(1, 0, 0, 100000, 0, 0, 1, 1, 1, 0, 0.02f, 0.5f);
    EXPECT_EQ(frames(1), 1u);
    EXPECT_EQ(frames(1), 0u);
}

TEST_F(Particles, ASteadyParticleLivesUntilItsLifeRunsOut) {
    TParticle* p = createParticle(1, 10, 20, 500, 2, -1, 1, 1, 1, 1, 0.02f, 0.02f);
    EXPECT_EQ(frames(3), 1u);
    EXPECT_FLOAT_EQ(p->x, 16);
    EXPECT_FLOAT_EQ(p->y, 17);
    Delay(450);
    EXPECT_EQ(frames(1), 1u);
    Delay(100);
    EXPECT_EQ(frames(1), 0u);
}

TEST_F(Particles, ADelayedParticleWaitsStillAndInvisibleAndLivesFromItsStart) {
    TParticle* p = createParticle(1, 10, 10, 300, 1, 0, 1, 1, 1, 1, 0.02f, 0.02f);
    p->startTime = MilliSecs() + 1000;
    Delay(900);
    EXPECT_EQ(frames(5), 1u);
    EXPECT_FLOAT_EQ(p->x, 10);
    Delay(200);  // past its start: its 300 ms begin now
    EXPECT_EQ(frames(1), 1u);
    EXPECT_EQ(p->startTime, 0);
    Delay(250);
    EXPECT_EQ(frames(1), 1u);
    Delay(100);
    EXPECT_EQ(frames(1), 0u);
}

TEST_F(Particles, AFadeInParticleTurnsBackAndFadesOut) {
    TParticle* p = createParticle(1, 0, 0, 100000, 0, 0, 0, 1, 1, 1, 0.25f, 0.02f);
    p->typ = 1;
    EXPECT_EQ(frames(4), 1u);
    EXPECT_FLOAT_EQ(p->a, 1);
    EXPECT_EQ(p->da, 0);
    EXPECT_EQ(frames(3), 1u);
    EXPECT_EQ(frames(1), 0u);
}

TEST_F(Particles, RotationWrapsPastAFullTurn) {
    TParticle* p = createParticle(1, 0, 0, 100000, 0, 0, 1, 1, 1, 1, 0.02f, 0.02f);
    p->rot = 359;
    p->rSpeed = 4;
    frames(1);
    EXPECT_FLOAT_EQ(p->rot, 3);
}

TEST_F(Particles, ATextParticleFadesOutAndIsGone) {
    createTextParticle("Ready", 500, 300, 0, -1, 1, 0, 0.01f, nullptr, TRGB{0, 0, 0}, TRGB{});
    EXPECT_EQ(frames(98), 1u);
    EXPECT_FLOAT_EQ(particles[0].y, 202);
    EXPECT_EQ(frames(3), 0u);
}

TEST_F(Particles, PresetsAndPrivateLists) {
    TParticle* cloud = createCloudParticle(100, 100);
    EXPECT_GE(cloud->n, 30);
    EXPECT_LE(cloud->n, 32);
    EXPECT_EQ(cloud->blend, ALPHABLEND);
    EXPECT_EQ(cloud->typ, 1);
    TParticle* flake = createSmokeParticle(100, 100);
    EXPECT_FLOAT_EQ(flake->y, 50);
    EXPECT_FLOAT_EQ(flake->ay, flake->s * 0.5f);
    TParticleList logo;
    createLogoParticle(5, 6, TRGB{1, 2, 3}, logo);
    EXPECT_EQ(logo.size(), 1u);
    EXPECT_EQ(particles.size(), 2u);
    updateParticles(&logo);
    drawParticles(&logo);
    EXPECT_EQ(logo[0].rgb.g, 2);
}

TEST_F(Particles, AWarmListAllocatesNothingPerFrame) {
    auto burst = [] {
        for (int i = 0; i < 400; ++i) createParticle(8, 1, 1, 100000, 0.1f, 0.1f, 1, 0, 1, 1, 0.1f, 0.02f);
    };
    burst();
    frames(12);
    ASSERT_TRUE(particles.empty());
    allocations = 0;
    counting = true;
    for (int round = 0; round < 5; ++round) {
        burst();
        for (int f = 0; f < 12; ++f) {
            updateParticles();
            drawParticles();
        }
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

TEST_F(Particles, ADiamondArrivesAfter34FramesAndCountsOnce) {
    TGame& game = objects().game;
    game.zebraneKapsle = 0;
    TDiamondParticle& d = createDiamond(2, 480, 300, 48, 342);
    d.rSpeed = 4;
    for (int f = 0; f < 33; ++f) TDiamondParticle::_updateDiamonds();
    ASSERT_EQ(flyingDiamonds.size(), 1u);
    EXPECT_LT(flyingDiamonds[0].a, 0.2f);  // fading over the last part of the way
    TDiamondParticle::_updateDiamonds();
    EXPECT_TRUE(flyingDiamonds.empty());
    EXPECT_EQ(game.zebraneKapsle, 1);

    // One that has not started yet waits where it is.
    createDiamond(0, 480, 300, 48, 342).startTime = MilliSecs() + 50;
    TDiamondParticle::_updateDiamonds();
    EXPECT_EQ(flyingDiamonds[0].per, 0);
    Delay(60);
    TDiamondParticle::_updateDiamonds();
    EXPECT_GT(flyingDiamonds[0].per, 0);
}
