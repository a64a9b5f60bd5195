// The painted scenes as the player meets them: the quest map's markers sit
// on its road, in the part of the screen the map leaves them and apart from
// each other; each land's backdrop is its own picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "datafiles/rcm_file.h"
#include "shell/media/image.h"
#include "test_support.h"

namespace {

struct Rgb {
    double r = 0, g = 0, b = 0;
};

// The mean colour of the (2k+1)-square around (x, y).
Rgb meanAround(const TPixmapPtr& p, int x, int y, int k) {
    Rgb m;
    int n = 0;
    for (int dy = -k; dy <= k; ++dy)
        for (int dx = -k; dx <= k; ++dx) {
            const uint32_t px = ReadPixel(p, std::clamp(x + dx, 0, p->width - 1), std::clamp(y + dy, 0, p->height - 1));
            m.r += (px >> 16) & 255;
            m.g += (px >> 8) & 255;
            m.b += px & 255;
            ++n;
        }
    return {m.r / n, m.g / n, m.b / n};
}

struct Marker {
    int nr, x, y, typ;
};

class SceneArt : public ::testing::Test {
protected:
    void SetUp() override {
        dir = testing_support::contentDir();
        if (dir.empty()) GTEST_FAIL() << testing_support::kNoContent;
    }

    TPixmapPtr load(const std::string& relative) {
        TPixmapPtr p = LoadPixmap(dir + "/" + relative);
        EXPECT_TRUE(p) << relative << " missing from " << dir;
        return p;
    }

    std::vector<Marker> markers() {
        TRCMFile catalogue;
        catalogue.Load(dir + "/data/levels.dat");
        std::vector<Marker> list;
        const int count = catalogue.getInt("levels::ilosc");
        for (int i = 1; i <= count; ++i) {
            const std::string group = "levels::level" + std::to_string(i) + "::";
            list.push_back({i, catalogue.getInt(group + "dim", 0), catalogue.getInt(group + "dim", 1),
                            catalogue.getInt(group + "typ")});
        }
        return list;
    }

    std::string dir;
};

TEST_F(SceneArt, QuestMarkersSitApartOnTheMapsRoadBetweenTitleAndPanel) {
    const std::vector<Marker> list = markers();
    ASSERT_EQ(list.size(), 97u);
    TPixmapPtr map = load("gfx/gui/map/mapa.jpg");
    ASSERT_TRUE(map);
    for (const Marker& m : list) {
        // Below the title and the level caption, above the bottom panel, and
        // far enough from the sides for "You are here" under the marker.
        EXPECT_GE(m.y, 80) << "level " << m.nr;
        EXPECT_LE(m.y, 495) << "level " << m.nr;
        EXPECT_GE(m.x, 60) << "level " << m.nr;
        EXPECT_LE(m.x, 740) << "level " << m.nr;
        // The last level of each land and of the quest has the big marker.
        EXPECT_EQ(m.typ, m.nr % 10 == 0 || m.nr == 97 ? 1 : 0) << "level " << m.nr;
        // The road is pale sand: bright, warm, and never as saturated as the
        // dunes or as blue as snow and water. The lands around it are not.
        const Rgb c = meanAround(map, m.x, m.y, 1);
        const double top = std::max({c.r, c.g, c.b});
        EXPECT_GT(top, 150) << "level " << m.nr << " at " << m.x << ", " << m.y;
        EXPECT_NEAR(c.g / top, 232.0 / 250, 0.09) << "level " << m.nr << " is not on the road";
        EXPECT_NEAR(c.b / top, 178.0 / 250, 0.12) << "level " << m.nr << " is not on the road";
    }
    // Markers (about 30 pixels across) must not cover each other.
    for (size_t i = 0; i < list.size(); ++i)
        for (size_t j = i + 1; j < list.size(); ++j)
            EXPECT_GE(std::hypot(list[i].x - list[j].x, list[i].y - list[j].y), 26.0)
                << "levels " << list[i].nr << " and " << list[j].nr << " overlap";
}

TEST_F(SceneArt, EachLandHasABackdropOfItsOwn) {
    // Compared as 8 x 6 blocks of mean colour: two lands that look alike at
    // a glance have close blocks everywhere.
    std::vector<std::vector<Rgb>> blocks;
    for (int n = 1; n <= 10; ++n) {
        TPixmapPtr p = load("gfx/backgrounds/land" + std::to_string(n) + ".jpg");
        ASSERT_TRUE(p);
        ASSERT_EQ(p->width, 800);
        ASSERT_EQ(p->height, 600);
        std::vector<Rgb> b;
        for (int by = 0; by < 6; ++by)
            for (int bx = 0; bx < 8; ++bx) b.push_back(meanAround(p, bx * 100 + 50, by * 100 + 50, 49));
        blocks.push_back(b);
    }
    for (size_t i = 0; i < blocks.size(); ++i)
        for (size_t j = i + 1; j < blocks.size(); ++j) {
            double sum = 0;
            for (size_t k = 0; k < blocks[i].size(); ++k)
                sum += std::hypot(blocks[i][k].r - blocks[j][k].r, blocks[i][k].g - blocks[j][k].g,
                                  blocks[i][k].b - blocks[j][k].b);
            EXPECT_GT(sum / blocks[i].size(), 20.0)
                << "the backdrops of lands " << i + 1 << " and " << j + 1 << " look alike";
        }
}

}  // namespace
