// Free play's set-up on the real layouts and pictures: the choices each tab
// keeps within their limits, the picture sets, and the levels the tabs build.
#include <gtest/gtest.h>

#include <algorithm>

#include "gui/text.h"
#include "quest/free_play.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using testing_support::TempDir;
using testing_support::writeFile;

class FreePlay : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        SeedRnd(5);
        loadTileKindsFrom("data/tiles1.dat");
        fp.setup();
    }

    TZakladka& tab(const char* id) { return *fp.tab(id); }
    void frame() {
        Delay(16);
        mouse().update();
        fp.update();
    }
    // Presses at (x, y), moves to (toX, y) with the button held, lets go.
    void drag(int x, int y, int toX) {
        media::inputMouseMove(x, y);
        frame();
        media::inputMouseDown(1);
        frame();
        media::inputMouseMove(toX, y);
        frame();
        media::inputMouseUp(1);
        frame();
    }
    void click(int x, int y) {
        media::inputMouseMove(x, y);
        frame();
        media::inputMouseDown(1);
        frame();
        media::inputMouseUp(1);
        frame();
    }

    TFreePlay fp;
};

TEST_F(FreePlay, TheSpeedKnobCoversTheWholeRangeOfPushIntervals) {
    TZakladka& m = tab("match3");
    m.sliderX = 0;
    EXPECT_EQ(m.levelTime(), 100);
    EXPECT_EQ(m.levelChangeTime(), 62);
    m.sliderX = TZakladka::kSliderTravel;
    EXPECT_EQ(m.levelTime(), 400);
    EXPECT_EQ(m.levelChangeTime(), 250);
    m.sliderX = 87;
    EXPECT_EQ(m.levelTime(), 249);
    // Every step of the knob slows the rows a little more.
    for (int x = 1; x <= TZakladka::kSliderTravel; ++x) {
        m.sliderX = x - 1;
        const int before = m.levelTime();
        m.sliderX = x;
        EXPECT_GT(m.levelTime(), before) << "at " << x;
    }
}

TEST_F(FreePlay, TheColoursChangeEveryFiveEighthsOfTheRowInterval) {
    // The colour-change interval of a free board is the row interval / 1.6
    // at every place of the knob, rounded down, and the board built from
    // the tab carries both.
    TZakladka& m = tab("match3");
    for (int x = 0; x <= TZakladka::kSliderTravel; ++x) {
        m.sliderX = x;
        const int rows = m.levelTime();
        ASSERT_EQ(m.levelChangeTime(), rows * 5 / 8) << "knob at " << x << ", rows every " << rows;
    }
    m.getTiles();
    for (int x : {0, 37, TZakladka::kSliderTravel}) {
        m.sliderX = x;
        const TLevelPtr level = fp.buildBoard(m);
        ASSERT_TRUE(level);
        EXPECT_EQ(level->time, m.levelTime()) << x;
        EXPECT_EQ(level->changeTime, level->time * 5 / 8) << x;
    }
}

TEST_F(FreePlay, TheKnobIsDraggedAndStopsAtTheTrackEnds) {
    fp.setTab("match3");
    TZakladka& m = fp.current();
    drag(TZakladka::kSliderX, TZakladka::kSliderY, 700);
    EXPECT_EQ(m.sliderX, TZakladka::kSliderTravel);
    drag(TZakladka::kSliderX + m.sliderX, TZakladka::kSliderY, 250);
    EXPECT_EQ(m.sliderX, 250 - TZakladka::kSliderX);
    drag(TZakladka::kSliderX + m.sliderX, TZakladka::kSliderY, 10);
    EXPECT_EQ(m.sliderX, 0);
    // Pressing beside the knob does not grab it.
    drag(TZakladka::kSliderX + 100, TZakladka::kSliderY, 300);
    EXPECT_EQ(m.sliderX, 0);
    // Nor does a press elsewhere right after the pointer rested on it: a
    // click on a colour leaves the speed alone.
    media::inputMouseMove(TZakladka::kSliderX, TZakladka::kSliderY);
    frame();
    media::inputMouseMove(140 + 37 * 10, 249);
    media::inputMouseDown(1);
    frame();
    media::inputMouseUp(1);
    frame();
    EXPECT_EQ(m.sliderX, 0);
    EXPECT_EQ(m.tiles.size(), 8u);
}

TEST_F(FreePlay, TwoColoursAlwaysStayChosenAndBonusesToggleFreely) {
    fp.setTab("match3");
    frame();
    TZakladka& m = fp.current();
    ASSERT_EQ(m.tiles.size(), 7u);
    // Every default bonus stands in the bonus row, so the player can see
    // and remove it.
    for (const TTileDataPtr& bonus : m.bonusy) {
        const auto at = std::find(tileKinds.begin(), tileKinds.end(), bonus);
        EXPECT_GE(at - tileKinds.begin() + 1, TZakladka::kFirstBonus);
    }
    // Clicking the colours off one by one leaves the last two.
    for (int i = 1; i <= 7; ++i) click(140 + 37 * i, 249);
    ASSERT_EQ(m.tiles.size(), 2u);
    EXPECT_EQ(m.tiles[0]->id, 6);
    EXPECT_EQ(m.tiles[1]->id, 7);
    // A colour not chosen is added; then one of three may go again.
    click(140 + 37 * 13, 249);
    ASSERT_EQ(m.tiles.size(), 3u);
    EXPECT_EQ(m.tiles.back()->id, 13);
    m.setTile(m.tiles.front());
    EXPECT_EQ(m.tiles.size(), 2u);

    const size_t bonuses = m.bonusy.size();
    click(174, 356);  // the first bonus marble, id 101
    EXPECT_EQ(m.bonusy.size(), bonuses + 1);
    click(174, 356);
    EXPECT_EQ(m.bonusy.size(), bonuses);
    for (const TTileDataPtr& b : std::vector<TTileDataPtr>(m.bonusy)) m.setTileBonus(b);
    EXPECT_TRUE(m.bonusy.empty());
}

TEST_F(FreePlay, TheModeButtonsWorkAsOneGroup) {
    TZakladka& m = tab("match3");
    m.setMode("STRATEGY");
    for (const char* mode : {"normalny", "podwojny", "zmienny"}) {
        EXPECT_EQ(m.gui->getItem(std::string(mode) + "_on")->_v, 0) << mode;
        EXPECT_EQ(m.gui->getItem(std::string(mode) + "_off")->_a, 1) << mode;
    }
    EXPECT_EQ(m.gui->getItem("strategia_on")->_v, 1);
    EXPECT_EQ(m.gui->getItem("strategia_off")->_a, 0);
}

TEST_F(FreePlay, TheBalloonCountStepsByTenBetweenItsLimits) {
    TZakladka& s = tab("strzelanie");
    EXPECT_EQ(s.butelki, 50);
    for (int i = 0; i < 10; ++i) s.fewerBalloons();
    EXPECT_EQ(s.butelki, 20);
    s.moreBalloons();
    EXPECT_EQ(s.butelki, 30);
    for (int i = 0; i < 300; ++i) s.moreBalloons();
    EXPECT_EQ(s.butelki, 2000);
    // A count off the steps (set elsewhere) still stays within the limits.
    s.butelki = 1995;
    s.moreBalloons();
    EXPECT_EQ(s.butelki, 2000);
    s.butelki = 25;
    s.fewerBalloons();
    EXPECT_EQ(s.butelki, 20);
}

TEST_F(FreePlay, CratesAreChosenByTheirSwitches) {
    TZakladka& s = tab("strzelanie");
    EXPECT_TRUE(s.bonusyButelek.empty());
    EXPECT_EQ(s.gui->getItem("smg_on")->_v, 0);
    EXPECT_EQ(s.gui->getItem("smg_off")->_v, 1);
    s._addBonus(2);
    s._addBonus(4);
    s._addBonus(2);
    ASSERT_EQ(s.bonusyButelek.size(), 2u);
    EXPECT_EQ(s.bonusyButelek[0]->id, 102);
    EXPECT_EQ(s.bonusyButelek[1]->id, 104);
    EXPECT_EQ(s.gui->getItem("smg_on")->_v, 1);
    EXPECT_EQ(s.gui->getItem("smg_off")->_v, 0);
    s._removeBonus(2);
    ASSERT_EQ(s.bonusyButelek.size(), 1u);
    EXPECT_EQ(s.bonusyButelek[0]->id, 104);
    EXPECT_EQ(s.gui->getItem("smg_off")->_a, 1);
}

TEST_F(FreePlay, PictureSetsWrapRoundAtBothEnds) {
    TZakladka& p = tab("puzzle");
    const int n = int(p.zestawy.size());
    ASSERT_GE(n, 8);
    p.setPuzzle(n);
    p.setPuzzle(p.aktZestaw + 1);
    EXPECT_EQ(p.aktZestaw, 1);
    EXPECT_EQ(p.newPuzzle, &p.zestawy[0]);
    EXPECT_EQ(p.oldPuzzle, &p.zestawy[size_t(n - 1)]);
    EXPECT_EQ(p.gui->getItemAs<TText>("txt")->_txt, p.zestawy[0].name);
    p.setPuzzle(p.aktZestaw - 1);
    EXPECT_EQ(p.aktZestaw, n);
    // Bringing the tab to the front picks a set afresh, with no old one.
    fp.setTab("puzzle");
    EXPECT_EQ(&fp.current(), &p);
    EXPECT_TRUE(p.newPuzzle);
    EXPECT_FALSE(p.oldPuzzle);
    EXPECT_EQ(p.newPuzzle->a, 0);
    // The sets run from 2 x 2 to 6 x 8.
    EXPECT_EQ(p.zestawy.front().rows * p.zestawy.front().cols, 4);
    EXPECT_EQ(p.zestawy.back().rows * p.zestawy.back().cols, 48);
}

TEST_F(FreePlay, EverySetsNameFitsItsPlaqueOnOneLine) {
    const TText* txt = tab("puzzle").gui->getItemAs<TText>("txt");
    ASSERT_TRUE(txt && txt->_font);
    SetImageFont(txt->_font);
    for (const TPuzzleSet& set : tab("puzzle").zestawy) {
        EXPECT_GT(TextWidth(set.name), 0);
        EXPECT_LE(TextWidth(set.name), int(txt->dim.w)) << set.name;
    }
}

TEST_F(FreePlay, SetsThatCannotBePlayedAreLeftOutAndNoSetMeansNoPuzzle) {
    TempDir dir;
    writeFile(dir.file("sets.dat"),
              "zestawy {\n\tilosc = 4\n"
              "\tzestaw1 {\n\t\trows = 0\n\t\tcols = 3\n\t\timg = \"gfx/puzzles/set1.jpg\"\n\t\tname = \"a\"\n\t}\n"
              "\tzestaw2 {\n\t\trows = 2\n\t\tcols = 2\n\t\timg = \"gfx/puzzles/none.jpg\"\n\t\tname = \"b\"\n\t}\n"
              "\tzestaw3 {\n\t\trows = 3\n\t\tcols = 999\n\t\timg = \"gfx/puzzles/set1.jpg\"\n\t\tname = \"c\"\n\t}\n"
              "\tzestaw4 {\n\t\trows = 2\n\t\tcols = 2\n\t\timg = \"gfx/puzzles/set1.jpg\"\n\t\tname = \"d\"\n\t}\n"
              "}\n");
    TZakladka& p = tab("puzzle");
    p.loadSets(dir.file("sets.dat"));
    ASSERT_EQ(p.zestawy.size(), 1u);
    EXPECT_EQ(p.zestawy[0].name, "d");

    p.loadSets(dir.file("missing.dat"));
    fp.setTab("puzzle");
    EXPECT_FALSE(p.newPuzzle);
    EXPECT_FALSE(fp.canPlay());
    EXPECT_FALSE(fp.buildPuzzle(p));
    frame();
    EXPECT_EQ(fp.gui->getItem("graj")->_a, 0);
    fp.setTab("match3");
    frame();
    EXPECT_TRUE(fp.canPlay());
    EXPECT_EQ(fp.gui->getItem("graj")->_a, 1);
}

TEST_F(FreePlay, TheMarbleTabBuildsAnEndlessBoardOfItsChoices) {
    TZakladka& m = tab("match3");
    m.getTiles();
    m.setMode("TWO");
    m.sliderX = TZakladka::kSliderTravel;
    const TLevelPtr level = fp.buildBoard(m);
    EXPECT_EQ(level->nr, -1);
    EXPECT_EQ(level->rows, 15);
    EXPECT_EQ(level->cols, 15);
    EXPECT_EQ(level->rozmiar, 30);
    EXPECT_EQ(level->zestaw, 1);
    EXPECT_EQ(level->typ, "NORMAL-TWO");
    EXPECT_LT(level->lines, 0);
    EXPECT_EQ(level->time, 400);
    EXPECT_EQ(level->changeTime, 250);
    EXPECT_TRUE(level->img);
    EXPECT_EQ(level->available, m.tiles);
    EXPECT_EQ(level->bonusy, m.bonusy);
    // The board starts with marbles of the chosen colours only.
    int marbles = 0;
    for (int r = 0; r < level->rows; ++r)
        for (int c = 0; c < level->cols; ++c)
            if (const TTilePtr& t = level->at(r, c)) {
                ++marbles;
                EXPECT_TRUE(std::count(m.tiles.begin(), m.tiles.end(), t->TD)) << r << "," << c;
            }
    EXPECT_GT(marbles, 0);
    // The copy a restart starts from is a board of its own.
    EXPECT_NE(fp.buildBoard(m), level);
}

TEST_F(FreePlay, TheShootingAndPuzzleTabsBuildTheirLevels) {
    TZakladka& s = tab("strzelanie");
    s.butelki = 20;
    s._addBonus(3);
    const TLevelPtr gallery = fp.buildShooting(s);
    EXPECT_EQ(gallery->nr, -1);
    EXPECT_EQ(gallery->lines, 20);
    ASSERT_EQ(gallery->bonusy.size(), 1u);
    EXPECT_EQ(gallery->bonusy[0]->id, 103);
    EXPECT_TRUE(gallery->img);

    TZakladka& p = tab("puzzle");
    p.setPuzzle(int(p.zestawy.size()));
    const TLevelPtr puzzle = fp.buildPuzzle(p);
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->nr, -1);
    EXPECT_EQ(puzzle->rows, p.newPuzzle->rows);
    EXPECT_EQ(puzzle->cols, p.newPuzzle->cols);
    ASSERT_TRUE(puzzle->img2);
    // The pieces fill the board but for a sliver narrower than a piece.
    EXPECT_EQ(int(puzzle->minW), 500 / puzzle->cols);
    EXPECT_EQ(int(puzzle->minH), 375 / puzzle->rows);
    EXPECT_TRUE(puzzle->img);
}

}  // namespace
