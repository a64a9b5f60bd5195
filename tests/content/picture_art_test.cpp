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
        if (testing_support::contentDir().empty()) GTEST_FAIL() << testing_support::kNoContent;
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
        "gfx/gui/map/duzyPodklad.png", "gfx/gui/map/duzyPodklad2.png", "gfx/gui/shooting/parachute.png",
        "gfx/gui/shooting/rzutka.png", "gfx/gui/shooting/smg.png", "gfx/gui/shooting/balony/balon_czarny.png"};
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

TEST_F(PictureArt, ThePuzzleFrameLeavesExactlyTheBoardOpen) {
    TPixmapPtr p = load("gfx/gui/puzzle/panel.png");
    ASSERT_TRUE(p);
    // The darkened picture shows through the board, 500 x 375 from (148, 103).
    for (int y = 103; y < 478; y += 7)
        for (int x = 148; x < 648; x += 7) ASSERT_EQ(alphaAt(p, x, y), 0) << x << ", " << y;
    for (const auto& [x, y] : {std::pair{147, 200}, {648, 200}, {400, 102}, {400, 478}, {20, 20}, {780, 580}})
        EXPECT_EQ(alphaAt(p, x, y), 255) << x << ", " << y;
}

TEST_F(PictureArt, EveryPieceOfAPuzzlePictureCanBeToldApart) {
    // The quest's pictures as their levels cut them.
    const struct {
        const char* path;
        int rows, cols;
    } puzzles[] = {{"gfx/puzzles/puzzle1.jpg", 3, 4}, {"gfx/puzzles/puzzle2.jpg", 4, 5},
                   {"gfx/puzzles/puzzle3.jpg", 4, 5}, {"gfx/puzzles/puzzle4.jpg", 5, 6}};
    for (const auto& puzzle : puzzles) {
        TPixmapPtr p = load(puzzle.path);
        ASSERT_TRUE(p);
        ASSERT_EQ(p->width, 500);
        ASSERT_EQ(p->height, 375);
        // Each piece as a 6 x 6 grid of mean colours.
        const int w = 500 / puzzle.cols, h = 375 / puzzle.rows;
        std::vector<std::vector<double>> pieces;
        for (int r = 0; r < puzzle.rows; ++r)
            for (int c = 0; c < puzzle.cols; ++c) {
                std::vector<double> cells(6 * 6 * 3, 0.0);
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const uint32_t px = ReadPixel(p, c * w + x, r * h + y);
                        const size_t cell = size_t((y * 6 / h) * 6 + x * 6 / w) * 3;
                        cells[cell] += (px >> 16) & 255;
                        cells[cell + 1] += (px >> 8) & 255;
                        cells[cell + 2] += px & 255;
                    }
                for (double& v : cells) v /= double(w * h) / 36.0;
                pieces.push_back(cells);
            }
        // Any two pieces differ clearly somewhere, not only in noise.
        for (size_t i = 0; i < pieces.size(); ++i)
            for (size_t j = i + 1; j < pieces.size(); ++j) {
                double difference = 0;
                for (size_t k = 0; k < pieces[i].size(); ++k) difference += std::fabs(pieces[i][k] - pieces[j][k]);
                EXPECT_GT(difference / double(pieces[i].size()), 12.0)
                    << puzzle.path << ": pieces " << i << " and " << j << " look alike " << difference / double(pieces[i].size());
            }
    }
}

}  // namespace
