// Texture pages: places never overlap, pages start small and grow only as
// far as their pictures need, and each sampling kind keeps its own pages.
#include <gtest/gtest.h>

#include <random>

#include "shell/media/texture_atlas.h"

namespace {

struct Box {
    int page, x, y, w, h;
};

bool overlap(const Box& a, const Box& b) {
    return a.page == b.page && a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(TextureAtlas, PagesStartSmallAndGrowToWhatTheyHold) {
    media::TextureAtlas atlas(2048);
    const auto first = atlas.add(20, 20, 0, 2);
    EXPECT_TRUE(first.newPage);
    EXPECT_EQ(first.x, 2);
    EXPECT_EQ(first.y, 2);
    ASSERT_EQ(atlas.pages().size(), 1u);
    EXPECT_EQ(atlas.pages()[0].size, media::TextureAtlas::kSmallestPage);

    // A picture the page has no room for makes it grow, not start another.
    const auto big = atlas.add(300, 300, 0, 2);
    EXPECT_FALSE(big.newPage);
    EXPECT_EQ(big.page, 0);
    EXPECT_EQ(big.grownFrom, 256);
    EXPECT_EQ(atlas.pages()[0].size, 512);

    // Another sampling kind never shares the page.
    const auto other = atlas.add(20, 20, 6, 8);
    EXPECT_TRUE(other.newPage);
    EXPECT_EQ(other.page, 1);
    EXPECT_FALSE(atlas.fits(600, 10, 2)) << "large pictures get textures of their own";
}

TEST(TextureAtlas, ManyPicturesNeverOverlapAndPagesStayInBounds) {
    media::TextureAtlas atlas(1024);
    std::mt19937 random(5);
    std::vector<Box> boxes;
    for (int i = 0; i < 600; ++i) {
        const int w = std::uniform_int_distribution<int>(4, 238)(random);
        const int h = std::uniform_int_distribution<int>(4, 238)(random);
        const int kind = i % 3 == 0 ? 6 : 2;
        const int gutter = kind == 6 ? 8 : 2;
        ASSERT_TRUE(atlas.fits(w, h, gutter));
        const auto place = atlas.add(w, h, kind, gutter);
        const auto& page = atlas.pages()[size_t(place.page)];
        EXPECT_EQ(page.kind, kind);
        EXPECT_LE(page.size, 1024);
        EXPECT_GE(place.x - gutter, 0);
        EXPECT_LE(place.x + w + gutter, page.size);
        EXPECT_LE(place.y + h + gutter, page.size);
        const Box box{place.page, place.x - gutter, place.y - gutter, w + 2 * gutter, h + 2 * gutter};
        for (const Box& b : boxes) ASSERT_FALSE(overlap(box, b)) << "picture " << i;
        boxes.push_back(box);
    }
    EXPECT_GT(atlas.pages().size(), 2u);
}

}  // namespace
