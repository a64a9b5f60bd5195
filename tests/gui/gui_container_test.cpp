// The container and the widget base: clicks by name, overlaps, shortcut
// keys, visibility and activity, positions, fading, loading and reloading.
#include <gtest/gtest.h>

#include "fatal_catcher.h"
#include "gui/button.h"
#include "gui/text.h"
#include "widget_harness.h"

namespace {

class GuiContainer : public WidgetTest {
protected:
    // Two 40 x 40 buttons overlapping around (120, 100), and a text.
    std::unique_ptr<TGui> twoButtons() {
        const std::string pic = strip(40, 40, 1);
        return guiOf("BUTTON first { POSITION = \"100 100\" GFX = \"" + pic + "\" }\n" +
                     "TEXT words { POSITION = \"0 0 100\" TXT = hello }\n" +
                     "BUTTON Quit { POSITION = \"130 100\" GFX = \"" + pic + "\" }\n");
    }
};

TEST_F(GuiContainer, OverlappingClickGoesToTheLaterWidgetForOneFrame) {
    auto gui = twoButtons();
    ASSERT_EQ(gui->_listaObiektow.size(), 3u);
    pointAt(115, 100);  // inside both
    click();
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("quit")) << "names compare without letter case";
    EXPECT_FALSE(gui->clickedItem("first"));
    EXPECT_EQ(gui->_over, "Quit");
    EXPECT_EQ(gui->getOvered(), gui->getItem("first")) << "getOvered finds the first one over";
    EXPECT_EQ(gui->getItem("QUIT"), gui->_listaObiektow[2].get());
    EXPECT_EQ(gui->getItem("missing"), nullptr);

    frame(*gui);
    EXPECT_FALSE(gui->clickedItem("quit")) << "a click lasts one frame";
    EXPECT_EQ(gui->_over, "Quit");

    // Hit areas include their edges: x 80..120 for the first button.
    pointAt(80, 80);
    click();
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("first"));
    pointAt(79, 80);
    click();
    frame(*gui);
    EXPECT_EQ(gui->_clicked, "");
    EXPECT_EQ(gui->_over, "");
}

TEST_F(GuiContainer, ShortcutKeysVisibilityAndActivity) {
    auto gui = twoButtons();
    TGuiObject* first = gui->getItem("first");
    first->setKey(KEY_ENTER);
    first->setState(0, 1);  // hidden but active: the key still works
    media::inputKeyDown(KEY_ENTER);
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("first"));
    media::inputKeyUp(KEY_ENTER);

    // Hidden: never under the pointer, never clicked by it.
    pointAt(100, 100);
    click();
    frame(*gui);
    EXPECT_FALSE(gui->clickedItem("first"));
    EXPECT_EQ(first->_over, 0);

    // Inactive: neither the pointer nor the key reach it.
    first->setState(1, 0);
    media::inputKeyDown(KEY_ENTER);
    click();
    frame(*gui);
    EXPECT_FALSE(gui->clickedItem("first"));
    EXPECT_EQ(first->_over, 0);
    EXPECT_EQ(KeyHit(KEY_ENTER), 1) << "an inactive widget leaves its key's press alone";
}

TEST_F(GuiContainer, HoldIsRememberedOnlyWhileOver) {
    auto gui = twoButtons();
    TGuiObject* quit = gui->getItem("quit");
    pointAt(140, 100);
    media::inputMouseDown(1);
    frame(*gui);
    EXPECT_EQ(quit->_holded, 1);
    pointAt(300, 300);
    media::inputMouseUp(1);
    frame(*gui);
    EXPECT_EQ(quit->_holded, 1) << "kept while the pointer is elsewhere";
    pointAt(140, 100);
    frame(*gui);
    EXPECT_EQ(quit->_holded, 0);
}

TEST_F(GuiContainer, PositionsMoveWithWholePixelsAndCornersTruncate) {
    TText text;
    text.dim = createDim(2, 0);
    text.dim.x = 2.5f;
    text.dim.x2 = 5;
    text.setPosition(10, 0);
    EXPECT_FLOAT_EQ(text.dim.x, 9.5f) << "moved by trunc(10 - 2.5) = 7";
    EXPECT_EQ(text.dim.x2, 12);
    text.move(-0.5f, 1.7f);
    EXPECT_FLOAT_EQ(text.dim.x, 9.0f);
    EXPECT_EQ(text.dim.x2, 11) << "11.5 truncated";
    EXPECT_EQ(text.dim.y2, 1);

    TDim d = createDim(3, 4, 10, 20);
    d.x = -2.5f;
    d.update();
    EXPECT_EQ(d.x1, -2) << "toward zero";
    EXPECT_EQ(d.x2, 7);
    EXPECT_EQ(d.y2, 24);
}

TEST_F(GuiContainer, FadingStopsExactlyOnItsTarget) {
    auto gui = twoButtons();
    TGuiObject* words = gui->getItem("words");
    words->fadeOutAlpha();
    frames(*gui, 10);
    EXPECT_NEAR(words->_alpha, 0.7f, 1e-5);
    frames(*gui, 24);
    EXPECT_EQ(words->_alpha, 0.0f);
    words->_dScale = 1.5f;
    delta = 2.0f;  // a slow frame moves twice as far
    frames(*gui, 8);
    EXPECT_NEAR(words->_scale, 1.48f, 1e-4);
    frame(*gui);
    EXPECT_EQ(words->_scale, 1.5f);
}

TEST_F(GuiContainer, LoadingReloadingAndMissingFiles) {
    auto gui = twoButtons();
    gui->addItem(createText("added", "x", 0, 0, 100, nullptr, "LEFT", 1, 1));
    ASSERT_EQ(gui->_listaObiektow.size(), 4u);
    gui->getItem("first")->setState(0, 0);
    gui->reload();
    ASSERT_EQ(gui->_listaObiektow.size(), 3u) << "widgets come back as the file has them";
    EXPECT_EQ(gui->getItem("first")->_v, 1);
    EXPECT_EQ(gui->getItem("added"), nullptr);

    const std::string missing = dir.file("none.gui");
    EXPECT_EQ(fatal_catcher::messageOf([&] { createGui(missing); }), "Plik : " + missing + " nie istenieje!");

    // Unknown kinds, a BAR and a TYP outside the six build nothing.
    auto quiet = guiOf("WINDOW w { }\nBAR b { MENU m { TITLE = t } }\nBUTTON odd { TYP = simple_button }\n");
    EXPECT_TRUE(quiet->_listaObiektow.empty());
}

}  // namespace
