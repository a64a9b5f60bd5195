// The shared random sequence and the degree-based angle functions.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "shell/media/numbers.h"
#include "shell/media/random.h"

namespace {

TEST(Random, RandCoversTheClosedRangeInEitherOrder) {
    SeedRnd(12345);
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        int r = Rand(1, 6);
        ASSERT_GE(r, 1);
        ASSERT_LE(r, 6);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 6u);

    std::set<int> reversed;
    for (int i = 0; i < 5000; ++i) {
        int r = Rand(5, -5);
        ASSERT_GE(r, -5);
        ASSERT_LE(r, 5);
        reversed.insert(r);
    }
    EXPECT_EQ(reversed.size(), 11u);
    EXPECT_EQ(Rand(7, 7), 7);
}

TEST(Random, RndNeverReachesItsUpperBound) {
    SeedRnd(99);
    float lowest = 1, highest = 0;
    for (int i = 0; i < 200000; ++i) {
        float r = Rnd(0.2f, 0.4f);
        ASSERT_GE(r, 0.2f);
        ASSERT_LT(r, 0.4f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.201f);
    EXPECT_GT(highest, 0.399f);
}

TEST(Random, SameSeedSameSequenceAndDegenerateSeedsAreReplaced) {
    auto draw = [](int seed) {
        SeedRnd(seed);
        std::vector<int> v;
        for (int i = 0; i < 20; ++i) v.push_back(Rand(0, 1000000));
        return v;
    };
    EXPECT_EQ(draw(42), draw(42));
    EXPECT_NE(draw(42), draw(43));
    // The top bit is cleared; 0 and 2^31 - 1 would stall the generator.
    EXPECT_EQ(draw(int(0x80000000u | 42u)), draw(42));
    EXPECT_EQ(draw(0), draw(4660));
    EXPECT_EQ(draw(0x7FFFFFFF), draw(4660));
    EXPECT_NE(draw(0), std::vector<int>(20, 0));
}

TEST(Numbers, AnglesAreInDegrees) {
    EXPECT_NEAR(Sin(90), 1.0f, 1e-6f);
    EXPECT_NEAR(Cos(180), -1.0f, 1e-6f);
    EXPECT_EQ(Abs(-3), 3);
    EXPECT_EQ(Sgn(-2.5f), -1);
    EXPECT_EQ(Sgn(0), 0);
}

}  // namespace
