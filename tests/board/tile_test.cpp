// One marble's own rules: hover, pulse, cross-fade, the sparkles of the
// highlighted group and of a bonus preview, the removal burst with its
// diamond, and the order in which all of these draw random numbers (the
// board creates tiles in a fixed order, so these draws are part of its
// random sequence).
#include "board_fixture.h"
#include "gui/mouse.h"
#include "shell/media/input.h"

using namespace board_test;

namespace {

class Tiles : public BoardTest {
protected:
    // A colour whose pictures are w x w pixels in set 0 and 2w x 2w in set 1.
    static TTileDataPtr kindWithPictures(int id, int w) {
        auto kind = std::make_shared<TTileData>(*tileKindById(id));
        for (int set = 0; set < 2; ++set) {
            auto pix = std::make_shared<TPixmap>(w * (set + 1), w * (set + 1));
            kind->img[size_t(set)] = LoadImage(pix);
            MidHandleImage(kind->img[size_t(set)]);
        }
        return kind;
    }

    static void pointAt(int x, int y) {
        media::inputMouseMove(x, y);
        objects().mouse.update();
    }

    static int overAt(TTile& t, int x, int y) {
        pointAt(x, y);
        t._updateOver();
        return t.isOver;
    }
};

}  // namespace

TEST_F(Tiles, HoverCoversThePictureOfTheShownSizeEdgesIncluded) {
    TTile t(kindWithPictures(3, 21));
    t.draw(100, 100);
    // 21 pixels wide: the corner is at 100 - 21/2 = 90, the far edge at 111.
    EXPECT_EQ(overAt(t, 90, 90), 1);
    EXPECT_EQ(overAt(t, 111, 111), 1);
    EXPECT_EQ(overAt(t, 89, 100), 0);
    EXPECT_EQ(overAt(t, 100, 112), 0);

    // The picture of the level on the game screen decides: set 1 is 42 wide.
    game().level = makeLevel({"1"});
    game().level->zestaw = 1;
    EXPECT_EQ(overAt(t, 121, 121), 1);
    EXPECT_EQ(overAt(t, 79, 79), 1);
    EXPECT_EQ(overAt(t, 78, 100), 0);
}

TEST_F(Tiles, DrawingRecordsThePositionAndPulsesOnlyBonusMarbles) {
    TTile hidden(tileKindById(2));
    hidden.isVisible = 0;
    hidden.draw(123, 45);
    EXPECT_FLOAT_EQ(hidden.x, 123);
    EXPECT_FLOAT_EQ(hidden.y, 45);

    TTile colour(tileKindById(2));
    for (int f = 0; f < 5; ++f) colour.draw(0, 0);
    EXPECT_EQ(colour.per, 0);

    // A bonus marble swells over 20 frame units and shrinks over the next 20.
    TTile bomb(tileKindById(KIND_BOMB));
    for (int f = 0; f < 19; ++f) bomb.draw(0, 0);
    EXPECT_NEAR(bomb.per, 0.95f, 1e-5f);
    bomb.draw(0, 0);
    EXPECT_EQ(bomb.per, 1);
    bomb.draw(0, 0);
    EXPECT_NEAR(bomb.per, 0.95f, 1e-5f);
    EXPECT_EQ(bomb.dPer, 0);
    // Twice the frame factor, twice the step.
    delta = 2;
    bomb.draw(0, 0);
    EXPECT_NEAR(bomb.per, 0.85f, 1e-5f);

    // Its moving copy keeps the phase and does not advance it in flight.
    TTilePtr flying = std::make_shared<TTile>(tileKindById(KIND_BOMB));
    flying->per = 0.4f;
    flying->dPer = 1;
    createTilePart(nullptr, 0, 0, 40, 40, flying, 1).speed = 0.1f;
    updateTileParts();
    movingMarbles[0].draw();
    EXPECT_FLOAT_EQ(movingMarbles[0].p, 0.4f);
    EXPECT_EQ(movingMarbles[0].dp, 1);
}

TEST_F(Tiles, AColourChangeFadesInOverTwentyFrameUnits) {
    TTile t(tileKindById(1));
    t.changeTo(tileKindById(4));
    for (int f = 0; f < 19; ++f) t.update();
    EXPECT_EQ(t.TD->id, 1);
    EXPECT_NEAR(t.ca, 0.95f, 1e-5f);
    t.update();
    EXPECT_EQ(t.TD->id, 4);
    EXPECT_FALSE(t.dTD);
    EXPECT_EQ(t.ca, 0);
    // Nothing left to fade.
    t.update();
    EXPECT_EQ(t.TD->id, 4);
}

TEST_F(Tiles, TheHighlightedGroupSparklesNowAndThen) {
    TTile plain(tileKindById(5));
    SeedRnd(99);
    for (int f = 0; f < 50; ++f) plain.update();
    EXPECT_TRUE(particles.empty());
    // Not highlighted, it draws no random numbers at all.
    const int next = Rand(1, 1000000);
    SeedRnd(99);
    EXPECT_EQ(Rand(1, 1000000), next);

    TTile found(tileKindById(5));
    found.isFound = 1;
    found.draw(200, 100);
    for (int f = 0; f < 1000; ++f) found.update();
    EXPECT_GT(particles.size(), 60u);
    EXPECT_LT(particles.size(), 140u);
    const TRGB kind = tileKindById(5)->rgb;
    for (size_t i = 0; i < particles.size(); ++i) {
        const TParticle& p = particles[i];
        EXPECT_EQ(p.n, 0);
        EXPECT_EQ(p.blend, 0);
        EXPECT_LE(std::abs(p.rgb.r - kind.r), 15);
        EXPECT_LE(std::abs(p.rgb.b - kind.b), 15);
        EXPECT_LE(std::abs(p.x - 200), 10.4f);
        EXPECT_FLOAT_EQ(p.aSpeed, 0.03f);
    }
}

TEST_F(Tiles, APreviewSparklesAtMostOnceEvery100Ms) {
    TTile t(tileKindById(1));
    t.draw(50, 60);
    t.checkedParticles();
    ASSERT_EQ(particles.size(), 1u);
    EXPECT_EQ(particles[0].n, 1);
    EXPECT_EQ(particles[0].blend, LIGHTBLEND);
    EXPECT_FLOAT_EQ(particles[0].aSpeed, 0.01f);
    EXPECT_EQ(particles[0].rgb.g, 255);
    t.checkedParticles();
    Delay(100);  // not yet past the 100 ms
    t.checkedParticles();
    EXPECT_EQ(particles.size(), 1u);
    Delay(1);
    t.checkedParticles();
    EXPECT_EQ(particles.size(), 2u);

    // The bomb preview lights the 5 x 5 square, the eraser preview the row.
    auto level = makeLevel({"1 2 3 4 1 2 3", "2 3 4 1 2 3 4", "3 4 1 2 3 4 1"});
    clearParticles();
    level->oznaczBombe(level->tiles[0][0]);
    EXPECT_EQ(particles.size(), 9u);
    clearParticles();
    level->oznaczLinie(level->tiles[1][3]);
    EXPECT_EQ(particles.size(), 4u);  // three of the row sparkled just now
    Delay(101);
    clearParticles();
    level->oznaczLinie(level->tiles[1][3]);
    EXPECT_EQ(particles.size(), 7u);
}

TEST_F(Tiles, ARemovedMarbleBurstsAndSendsOneDiamondToTheCounter) {
    game().level = makeLevel({"1"});
    game().level->rozmiar = 45;
    game().levelAdy = 25;
    TTile t(tileKindById(6));
    t.draw(300, 200);
    t.x = 300.7f;
    t.generateEndParticles();
    ASSERT_EQ(particles.size(), 23u);
    const TRGB kind = tileKindById(6)->rgb;
    for (size_t i = 0; i < 23; ++i) {
        const TParticle& p = particles[i];
        EXPECT_EQ(p.n, 8);
        EXPECT_EQ(p.blend, LIGHTBLEND);
        // Offsets within half a 45-pixel cell.
        EXPECT_LE(std::abs(p.y - 200), 22.0f);
        if (i < 17) {
            EXPECT_LE(std::abs(p.rgb.g - kind.g), 10);
        } else {
            EXPECT_EQ(p.rgb.r, 255);
            EXPECT_EQ(p.rgb.g, 255);
        }
    }
    ASSERT_EQ(flyingDiamonds.size(), 1u);
    const TDiamondParticle& d = flyingDiamonds[0];
    EXPECT_EQ(d.x1, 300);  // the centre truncated to whole pixels
    EXPECT_EQ(d.x2, 48);
    EXPECT_EQ(d.y2, 25 + 342);
    EXPECT_EQ(d.rSpeed, 4);
    EXPECT_GE(d.n, 0);
    EXPECT_LE(d.n, 3);
}

TEST_F(Tiles, RandomNumbersAreDrawnInTheGivenOrder) {
    // A new marble: spin direction, then spin speed.
    SeedRnd(31);
    TTile t(tileKindById(1));
    SeedRnd(31);
    EXPECT_EQ(t.znak, Rand(1, 2) == 1 ? -1.0f : 1.0f);
    EXPECT_EQ(t.rotSpeed, Rnd(0.6f, 1.1f));

    // A waiting row of three colours: per column the colour, then the
    // marble's own two draws.
    auto level = makeLevel({". . . . . ."}, "NORMAL", {2, 4, 6});
    SeedRnd(32);
    level->randomDown();
    SeedRnd(32);
    for (int c = 0; c < 6; ++c) {
        const int colour = 2 * Rand(1, 3);
        const float sign = Rand(1, 2) == 1 ? -1.0f : 1.0f;
        const float speed = Rnd(0.6f, 1.1f);
        ASSERT_EQ(level->nextDown[size_t(c)]->TD->id, colour) << c;
        EXPECT_EQ(level->nextDown[size_t(c)]->znak, sign);
        EXPECT_EQ(level->nextDown[size_t(c)]->rotSpeed, speed);
    }

    // A removal: each coloured spark draws blue, green, red, the vertical
    // and horizontal speeds, the vertical and horizontal offsets; the white
    // ones the same without the colour; then the diamond's picture, then
    // the removal sound.
    TTile removed(tileKindById(3));
    removed.draw(100, 100);
    SeedRnd(33);
    TTileList one = {std::make_shared<TTile>(removed)};
    TLevel empty;
    empty.remove(one);
    SeedRnd(33);
    const TRGB kind = tileKindById(3)->rgb;
    for (size_t i = 0; i < 23; ++i) {
        TRGB colour;
        if (i < 17) {
            colour.b = kind.b + Rand(-10, 10);
            colour.g = kind.g + Rand(-10, 10);
            colour.r = kind.r + Rand(-10, 10);
        }
        const float vy = Rnd(-0.4f, 0.4f), vx = Rnd(-0.4f, 0.4f);
        const int oy = Rand(-10, 10), ox = Rand(-10, 10);
        const TParticle& p = particles[i];
        ASSERT_EQ(p.rgb.r, colour.r) << i;
        EXPECT_EQ(p.rgb.g, colour.g);
        EXPECT_EQ(p.rgb.b, colour.b);
        EXPECT_EQ(p.ay, vy);
        EXPECT_EQ(p.ax, vx);
        EXPECT_EQ(p.y, float(100 + oy));
        EXPECT_EQ(p.x, float(100 + ox));
    }
    EXPECT_EQ(flyingDiamonds[0].n, Rand(0, 3));
}

TEST_F(Tiles, AStraightPartEasesAlongItsSegment) {
    auto marble = std::make_shared<TTile>(tileKindById(1));
    TTilePart& part = createTilePart(nullptr, 200, 100, 140, 180, marble, 0);
    part.speed = 0.25f;
    updateTileParts();
    const float s = Sin(22.5f);
    EXPECT_NEAR(movingMarbles[0].x, 200 - 60 * s, 0.01f);
    EXPECT_NEAR(movingMarbles[0].y, 100 + 80 * s, 0.01f);
    updateTileParts();
    EXPECT_NEAR(movingMarbles[0].x, 200 - 60 * Sin(45), 0.01f);
    updateTileParts();
    updateTileParts();
    EXPECT_TRUE(movingMarbles.empty());
    EXPECT_EQ(marble->isVisible, 1);
}
