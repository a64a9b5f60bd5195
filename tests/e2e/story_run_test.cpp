// The story screen in the real program (vornell --story FILE): pages shown
// through their frame with their text and buttons, the cross-fade, leaving
// by "ok" or Escape, and the closing story ending in the credits.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game_runner.h"
#include "shell/media/files.h"
#include "test_support.h"

namespace {

int distance(uint32_t p, uint32_t q) {
    int d = 0;
    for (int shift : {0, 8, 16}) d += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
    return d;
}

// How many of a grid of points inside the picture window match the picture.
int matching(const TPixmapPtr& shot, const TPixmapPtr& picture) {
    int n = 0;
    for (int y = 40; y < 430; y += 30)
        for (int x = 40; x < 770; x += 30)
            if (distance(ReadPixel(shot, x, y), ReadPixel(picture, x, y)) < 30) ++n;
    return n;  // of 13 x 25 = 325
}

// Nearly white pixels in the text panel's lines: the page's words.
int lettering(const TPixmapPtr& shot) {
    int n = 0;
    for (int y = 475; y < 540; ++y)
        for (int x = 30; x < 760; ++x)
            if ((ReadPixel(shot, x, y) & 0xFFFFFF) > 0xE8E8E8 && distance(ReadPixel(shot, x, y), 0xFFFFFF) < 40) ++n;
    return n;
}

bool violet(uint32_t argb) {
    const int r = (argb >> 16) & 255, g = (argb >> 8) & 255, b = argb & 255;
    return b > 60 && b > r && r > g;
}
// The "skip" pill's light purple, brighter than the panel's glass.
bool lilac(uint32_t argb) {
    const int r = (argb >> 16) & 255, g = (argb >> 8) & 255, b = argb & 255;
    return r > 120 && b > 150 && g < r;
}
bool green(uint32_t argb) {
    const int r = (argb >> 16) & 255, g = (argb >> 8) & 255, b = argb & 255;
    return g > 110 && g > r + 30 && g > b + 30;
}

TPixmapPtr picture(const std::string& name) {
    return LoadPixmap(testing_support::contentDir() + "/gfx/story/" + name);
}

TEST(StoryRun, PagesFadeIntoEachOtherAndOkLeaves) {
    GameRun run;
    runGame(run,
            // Up, then its gate open; the pointer off the pages.
            "waitfor SCREEN : open story\nmove 790 300\nwait 1500\nshot page1.png\n"
            "click 700 574\nwait 250\nshot fading.png\nwait 1000\nshot page2.png\n"
            "key Return\nwait 1200\nshot page3.png\n"
            "click 700 574\nwaitfor SCREEN : close story\n",
            {}, 60, {"--story", "oldTown.dat"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("END OF STORY"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("story viewer: oldTown.dat closed"), std::string::npos) << run.output;

    const TPixmapPtr first = picture("oldTown1.jpg"), second = picture("oldTown2.jpg");
    ASSERT_TRUE(first && second);
    for (const char* name : {"page1.png", "fading.png", "page2.png", "page3.png"}) ASSERT_TRUE(run.shot(name)) << name;
    // Each page shows its own picture through the frame, its words on the panel.
    EXPECT_GT(matching(run.shot("page1.png"), first), 300);
    EXPECT_GT(matching(run.shot("page2.png"), second), 300);
    EXPECT_GT(matching(run.shot("page3.png"), picture("oldTown3.jpg")), 300);
    // Half way through the cross-fade the picture is neither page.
    EXPECT_LT(matching(run.shot("fading.png"), first), 200);
    EXPECT_LT(matching(run.shot("fading.png"), second), 200);
    for (const char* name : {"page1.png", "page2.png", "page3.png"}) {
        EXPECT_GT(lettering(run.shot(name)), 800) << name;
        EXPECT_TRUE(violet(ReadPixel(run.shot(name), 400, 580))) << name;
    }
    // "skip" and "next" until the last page, which offers only "ok".
    EXPECT_TRUE(lilac(ReadPixel(run.shot("page1.png"), 525, 574))) << "skip is shown";
    EXPECT_TRUE(green(ReadPixel(run.shot("page1.png"), 735, 574))) << "next is shown";
    const uint32_t whereSkipWas = ReadPixel(run.shot("page3.png"), 525, 574);
    EXPECT_TRUE(violet(whereSkipWas) && !lilac(whereSkipWas)) << "skip is gone on the last page";
    EXPECT_TRUE(green(ReadPixel(run.shot("page3.png"), 735, 574))) << "ok is shown";
}

TEST(StoryRun, TheClosingStoryEndsInTheCredits) {
    GameRun run;
    // The credits shot once their veil has come in.
    runGame(run,
            "waitfor SCREEN : open story\nwait 1500\nkey Escape\nwaitfor SCREEN : open credits\nwait 1500\n"
            "shot credits.png\nclick 400 300\nwaitfor SCREEN : close credits\n",
            {}, 60, {"--story", "KONIEC.DAT"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const size_t storyEnd = run.output.find("END OF STORY");
    ASSERT_NE(storyEnd, std::string::npos) << run.output;
    EXPECT_NE(run.output.find("story viewer: KONIEC.DAT closed", storyEnd), std::string::npos) << run.output;

    // The credits: a white page hiding the main menu, the red heading at the
    // top of the left column and lines in the right column too.
    const TPixmapPtr credits = run.shot("credits.png");
    ASSERT_TRUE(credits);
    int white = 0;
    for (int y = 10; y < 600; y += 20)
        for (int x = 10; x < 800; x += 20) white += distance(ReadPixel(credits, x, y), 0xFFFFFF) < 30;
    // Of 30 x 40 points about 870 are white (the rest are letters); the main
    // menu alone has a handful.
    EXPECT_GT(white, 700) << "the page is not white: the main menu shows through";
    int red = 0;
    for (int y = 50; y < 80; ++y)
        for (int x = 100; x < 300; ++x) {
            const uint32_t p = ReadPixel(credits, x, y);
            if (((p >> 16) & 255) > 150 && ((p >> 8) & 255) < 90) ++red;
        }
    EXPECT_GT(red, 100) << "the heading";
    int outline = 0;
    for (int y = 50; y < 580; ++y)
        for (int x = 410; x < 790; ++x) outline += distance(ReadPixel(credits, x, y), 0) < 60;
    EXPECT_GT(outline, 2000) << "the right column's lines";
}

}  // namespace
