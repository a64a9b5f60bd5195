// The mouse snapshot and the cursors.
#include <gtest/gtest.h>

#include <unistd.h>

#include "widget_harness.h"

namespace {

using Mouse = WidgetTest;

TEST_F(Mouse, PressesCountInTheirOneFrameAndHoldsWhileDown) {
    TMouse& m = mouse();
    media::inputMouseDown(1);
    media::inputMouseUp(1);
    m.update();
    EXPECT_NE(m.leftPressed, 0) << "a click between two frames is seen";
    EXPECT_EQ(m.leftHolded, 0);
    m.update();
    EXPECT_EQ(m.leftPressed, 0);

    media::inputMouseDown(2);
    media::inputMouseDown(3);
    m.update();
    EXPECT_NE(m.rightPressed, 0);
    EXPECT_NE(m.middleHit, 0);
    m.update();
    EXPECT_EQ(m.rightPressed, 0) << "held: pressed only in the first frame";
    EXPECT_EQ(m.rightHolded, 1);
    EXPECT_EQ(m.middleHold, 1);

    media::inputMouseDown(1);
    m.clear();
    m.update();
    EXPECT_EQ(m.leftPressed, 0) << "clear forgets a press made before it";
    EXPECT_EQ(m.leftHolded, 0);
}

TEST_F(Mouse, MovementAndRectangles) {
    TMouse& m = mouse();
    media::inputMouseMove(50, 40);
    m.update();
    media::inputMouseMove(10, 10);
    m.update();
    EXPECT_EQ(m.px, 50);
    EXPECT_EQ(m.vx, 40) << "positive when the pointer moved left";
    EXPECT_EQ(m.vy, 30);
    EXPECT_TRUE(m.inRect(0, 0, 10, 10)) << "edges included";
    media::inputMouseMove(11, 10);
    m.update();
    EXPECT_FALSE(m.inRect(0, 0, 10, 10));
    TDim d = createDim(5, 5, 6, 6);  // corners left at 0: inDim uses position and size
    EXPECT_TRUE(m.inDim(d));
    d.x = 11.5f;
    EXPECT_FALSE(m.inDim(d)) << "compared as floats";
}

TEST_F(Mouse, CursorsAreChosenByNameAndAnimateOnTheClock) {
    TMouse local;  // the newest mouse is the widgets' mouse while it lives
    EXPECT_EQ(guiMouse, &local);
    const std::string pic = strip(8, 8, 3);
    local.loadCursor("hand", pic, 2, 3);
    TCursor* still = local.cur;
    EXPECT_EQ(still->_img->width, 24) << "frames 0: one picture";
    EXPECT_EQ(still->_img->handle_x, 2);
    EXPECT_EQ(still->_img->handle_y, 3);
    local.loadCursor("spin", pic, 4, 4, 3, 100);
    TCursor* spin = local.cur;
    EXPECT_EQ(spin->_img->width, 8);
    EXPECT_EQ(spin->_maxFrames, 2);
    local.loadCursor("HAND", pic, 0, 0);
    TCursor* second = local.cur;

    local.setCursor("nothing");
    EXPECT_EQ(local.cur, second) << "an unknown name keeps the current cursor";
    local.setCursor("hand");
    EXPECT_EQ(local.cur, second) << "the last of that name";
    local.setCursor("Spin");
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
        local.update();
        frames.push_back(spin->_frame);
        later(100);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(Mouse, GuiMouseReturnsToTheGameMouseAfterALocalOne) {
    TMouse& game = mouse();
    { TMouse local; }
    EXPECT_EQ(guiMouse, &game);
}

TEST_F(Mouse, TheGameRegistersNineCursorsWithThePointerCurrent) {
    const std::string content = testing_support::contentDir();
    ASSERT_EQ(FileType(content), 2) << "no generated working folder";
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(content.c_str()), 0);
    TMouse local;
    registerGameCursors(local);
    ASSERT_EQ(chdir(previous), 0);
    ASSERT_EQ(local.listaKursorow.size(), 9u);
    EXPECT_EQ(local.cur->_id, "podstawowy");
    for (const auto& c : local.listaKursorow) {
        ASSERT_TRUE(c->_img) << c->_id;
        EXPECT_EQ(c->_img->handle_x, c->_hx) << c->_id;
    }
    // The same picture twice keeps two hot spots.
    EXPECT_EQ(local.listaKursorow[1]->_img->handle_x, 12);
    EXPECT_EQ(local.listaKursorow[2]->_img->handle_x, 15);
    local.setCursor("CELOWNIK");
    EXPECT_EQ(local.cur->_hx, 34);
}

}  // namespace
