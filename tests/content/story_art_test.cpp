// The story's pictures as the player sees them through the page frame: the
// frame shows the picture above and covers the text panel below; every page
// has a picture of its own, with something to see in the part that shows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "quest/story.h"
#include "shell/media/image.h"
#include "test_support.h"

namespace {

// The frame's window, where a page's picture shows.
constexpr int kLeft = 12, kTop = 12, kRight = 788, kBottom = 444;

struct Block {
    double r, g, b;
    double luminance() const { return 0.3 * r + 0.59 * g + 0.11 * b; }
};

// Mean colours of 8 x 4 blocks of the window.
std::vector<Block> blocksOf(const TPixmapPtr& p) {
    std::vector<Block> blocks;
    const int bw = (kRight - kLeft) / 8, bh = (kBottom - kTop) / 4;
    for (int by = 0; by < 4; ++by)
        for (int bx = 0; bx < 8; ++bx) {
            Block m{0, 0, 0};
            int n = 0;
            for (int y = kTop + by * bh; y < kTop + (by + 1) * bh; y += 3)
                for (int x = kLeft + bx * bw; x < kLeft + (bx + 1) * bw; x += 3, ++n) {
                    const uint32_t px = ReadPixel(p, x, y);
                    m.r += (px >> 16) & 255;
                    m.g += (px >> 8) & 255;
                    m.b += px & 255;
                }
            blocks.push_back({m.r / n, m.g / n, m.b / n});
        }
    return blocks;
}

TEST(StoryArt, TheFrameShowsThePictureAndCoversThePanel) {
    const std::string dir = testing_support::contentDir();
    if (dir.empty()) GTEST_FAIL() << testing_support::kNoContent;
    TPixmapPtr frame = LoadPixmap(dir + "/gfx/gui/story/strona.png");
    ASSERT_TRUE(frame);
    for (int y = kTop + 30; y < kBottom - 30; y += 40)
        for (int x = kLeft + 30; x < kRight - 30; x += 40)
            EXPECT_EQ(ReadPixel(frame, x, y) >> 24, 0u) << x << ", " << y << " hides the picture";
    // Under the text and the buttons nothing of the picture shows through.
    for (int y = 452; y < 600; y += 6)
        for (int x = 0; x < 800; x += 10) EXPECT_EQ(ReadPixel(frame, x, y) >> 24, 255u) << x << ", " << y;
}

TEST(StoryArt, EveryPageHasAPictureOfItsOwnWithSomethingToSee) {
    const std::string dir = testing_support::contentDir();
    if (dir.empty()) GTEST_FAIL() << testing_support::kNoContent;
    std::vector<std::string> names;
    std::vector<std::vector<Block>> pages;
    for (const char* file : TStory::kFiles) {
        const TMyStory story = readStory(dir + "/" + TStory::kFolder + file, file);
        for (const TStoryPart& page : story.storyLine) {
            TPixmapPtr p = LoadPixmap(dir + "/" + page.imgUrl);
            ASSERT_TRUE(p) << page.imgUrl;
            names.push_back(page.imgUrl);
            pages.push_back(blocksOf(p));
            // Not a flat fill, and even a night scene is not black.
            double mean = 0, spread = 0;
            for (const Block& b : pages.back()) mean += b.luminance() / 32;
            for (const Block& b : pages.back()) spread += std::pow(b.luminance() - mean, 2) / 32;
            EXPECT_GT(mean, 35) << page.imgUrl << " is too dark to see";
            EXPECT_GT(std::sqrt(spread), 8) << page.imgUrl << " is nearly flat";
        }
    }
    EXPECT_GE(names.size(), 26u);
    for (size_t i = 0; i < pages.size(); ++i)
        for (size_t j = i + 1; j < pages.size(); ++j) {
            double sum = 0;
            for (size_t k = 0; k < pages[i].size(); ++k)
                sum += std::hypot(pages[i][k].r - pages[j][k].r, pages[i][k].g - pages[j][k].g,
                                  pages[i][k].b - pages[j][k].b);
            EXPECT_GT(sum / pages[i].size(), 8.0) << names[i] << " and " << names[j] << " look alike";
        }
}

}  // namespace
