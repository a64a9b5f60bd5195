// Properties of the generated pictures that players depend on: colours that
// stay apart at the smallest marble size, sprites on transparent ground, an
// opaque splash, and cursor hot spots that land on the cursor's point.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gui/mouse.h"
#include "shell/media/image.h"
#include "test_support.h"

namespace {

const char* const kColours[14] = {"red",    "blue",  "green", "yellow", "purple", "orange", "cyan",
                                  "pink",   "lime",  "brown", "navy",   "silver", "black",  "pearl"};

TPixmapPtr load(const std::string& relative) {
    const std::string dir = testing_support::contentDir();
    TPixmapPtr p = LoadPixmap(dir + "/" + relative);
    EXPECT_TRUE(p) << relative << " missing from " << dir;
    return p;
}

int alphaAt(const TPixmapPtr& p, int x, int y) { return int(ReadPixel(p, x, y) >> 24); }

struct Mean {
    double r = 0, g = 0, b = 0;
};

// Average colour of the clearly opaque pixels.
Mean meanColour(const TPixmapPtr& p) {
    Mean m;
    int n = 0;
    for (uint32_t px : p->pixels) {
        if ((px >> 24) < 200) continue;
        m.r += (px >> 16) & 255;
        m.g += (px >> 8) & 255;
        m.b += px & 255;
        ++n;
    }
    if (n) m = {m.r / n, m.g / n, m.b / n};
    return m;
}

class PictureArt : public ::testing::Test {
protected:
    void SetUp() override {
        if (testing_support::contentDir().empty()) GTEST_SKIP() << "VORNELL_TEST_CONTENT_DIR not set";
    }
};

TEST_F(PictureArt, SmallestMarblesKeepTheirColoursApart) {
    std::vector<Mean> means;
    for (const char* c : kColours) {
        TPixmapPtr p = load(std::string("gfx/tiles/marbles/") + c + "_20.png");
        ASSERT_TRUE(p);
        means.push_back(meanColour(p));
    }
    for (size_t i = 0; i < means.size(); ++i)
        for (size_t j = i + 1; j < means.size(); ++j) {
            const double d = std::hypot(means[i].r - means[j].r, means[i].g - means[j].g, means[i].b - means[j].b);
            EXPECT_GT(d, 35.0) << kColours[i] << " and " << kColours[j] << " look alike at 20 pixels";
        }
}

TEST_F(PictureArt, MarblesFillMostOfTheirCell) {
    // A marble drawn much smaller than its cell leaves gaps on the board and
    // a hover area far larger than what the player sees.
    for (const char* size : {"20", "30", "45"})
        for (const char* c : kColours) {
            const std::string path = std::string("gfx/tiles/marbles/") + c + "_" + size + ".png";
            TPixmapPtr p = load(path);
            ASSERT_TRUE(p);
            const int mid = p->height / 2;
            int left = 0;
            while (left < p->width && alphaAt(p, left, mid) < 128) ++left;
            int right = p->width - 1;
            while (right > 0 && alphaAt(p, right, mid) < 128) --right;
            EXPECT_GE(right - left + 1, p->width * 8 / 10) << path;
        }
}

TEST_F(PictureArt, SpritesStandOnTransparentGround) {
    std::vector<std::string> sprites = {
        "gfx/gui/mouse.png",          "gfx/gui/shooting/celownik.png", "gfx/tiles/bonus/bonusy_poziom.png",
        "gfx/tiles/bonus/b_uniwersalna_mala.png", "gfx/particles/particle1.png", "gfx/particles/star.png",
        "gfx/particles/3.png",        "gfx/particles/d1.png",          "gfx/gui/map/diamond.png",
        "gfx/gui/gate/0.png",         "gfx/gui/cyfry/0.png",           "gfx/tiles/bonus/back.png",
        "gfx/gui/game/howMany.png",   "gfx/gui/mainMenu/logo.png",     "gfx/splash/on.png",
        "gfx/gui/map/chmury/chmura1.png", "gfx/particles/cleanup.png", "gfx/tiles/bonus/button_red.png",
        "gfx/tiles/bonus/button_red_off.png", "gfx/gui/map/level1.png", "gfx/gui/map/level2.png",
        "gfx/gui/map/duzyPodklad.png", "gfx/gui/map/duzyPodklad2.png"};
    for (const char* c : kColours) {
        sprites.push_back(std::string("gfx/tiles/marbles/") + c + "_20.png");
        sprites.push_back(std::string("gfx/tiles/bonus/blast_") + c + "_45.png");
    }
    for (const std::string& path : sprites) {
        TPixmapPtr p = load(path);
        ASSERT_TRUE(p);
        const int w = p->width - 1, h = p->height - 1;
        // At most an anti-aliased edge (the pointer's tip sits in its corner).
        for (int corner = 0; corner < 4; ++corner)
            EXPECT_LT(alphaAt(p, corner % 2 ? w : 0, corner / 2 ? h : 0), 64) << path << " has a painted corner";
    }
}

TEST_F(PictureArt, SplashIsOpaqueEverywhere) {
    TPixmapPtr p = load("gfx/splash/loadscreen.png");
    ASSERT_TRUE(p);
    for (uint32_t px : p->pixels) ASSERT_EQ(px >> 24, 255u) << "the loading screen shows through";
}

TEST_F(PictureArt, CursorHotSpotsLieOnTheCursor) {
    for (const GameCursor& c : kGameCursors) {
        TPixmapPtr p = load(c.picture);
        ASSERT_TRUE(p);
        EXPECT_GT(alphaAt(p, c.hotX, c.hotY), 128) << c.id << " at " << c.hotX << ", " << c.hotY;
    }
}

}  // namespace
