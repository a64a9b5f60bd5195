// Buttons under scripted input: hover zoom and click snap, the four-step
// frames, the blend cross-fade, named animations and their rules, the text
// and wave captions, and what a declaration builds.
#include <gtest/gtest.h>

#include "fatal_catcher.h"
#include "gui/button.h"
#include "widget_harness.h"

namespace {

class Buttons : public WidgetTest {
protected:
    TButton* only(TGui& gui) { return dynamic_cast<TButton*>(gui._listaObiektow.at(0).get()); }

    std::unique_ptr<TGui> pictureButton(const std::string& typ, const std::string& gfx, const std::string& more = "") {
        return guiOf("BUTTON b { TYP = " + typ + " POSITION = \"200 100\" GFX = \"" + gfx + "\" " + more + " }");
    }
    std::unique_ptr<TGui> animButton(const std::string& scheme, int frames) {
        return pictureButton("ANIM_BUTTON", strip(10, 10, frames), "SCHEMAT = \"" + scheme + "\"");
    }
    // The strip frame shown in each of `steps` frames, `ms` apart.
    static std::vector<int> run(TGui& gui, const TButton& b, int steps, int ms) {
        std::vector<int> shown;
        for (int i = 0; i < steps; ++i) {
            frame(gui);
            shown.push_back(b.shownFrame());
            later(ms);
        }
        return shown;
    }
    std::unique_ptr<TGui> captionButton(const std::string& typ, const std::string& caption,
                                        const std::string& more = "") {
        return guiOf("FONT f16 { URL = \"" + fontFile() + "\" SIZE = 16 }\n" + "BUTTON b { TYP = " + typ +
                     " POSITION = \"300 200\" TXT = \"" + caption + "\" FONT = f16 " + more + " }");
    }
};

TEST_F(Buttons, SimpleButtonGrowsWhileHoveredAndSnapsBackOnAClick) {
    auto gui = pictureButton("SIMPLE_BUTTON", strip(40, 20, 1));
    TButton* b = only(*gui);
    EXPECT_EQ(b->dim.x1, 180);  // centred on its position
    EXPECT_EQ(b->dim.y2, 110);
    EXPECT_EQ(b->dim.w, 40);

    pointAt(200, 100);
    frame(*gui);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f);
    frames(*gui, 3);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f) << "stops at 1.1";

    click();
    frame(*gui);
    EXPECT_TRUE(gui->clickedItem("b"));
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f) << "snapped to 1.0, then one step back up";
    frame(*gui);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);

    pointAt(10, 300);
    frames(*gui, 2);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.0f);
}

TEST_F(Buttons, FourStepButtonShowsNormalHoveredPressedAndInactiveFrames) {
    auto gui = pictureButton("FSTEP_BUTTON", strip(30, 20, 4));
    TButton* b = only(*gui);
    EXPECT_EQ(b->dim.w, 30);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 0);
    pointAt(200, 100);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 1);
    media::inputMouseDown(1);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 2) << "pressed";
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 2) << "still held";
    media::inputMouseUp(1);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 1);
    b->setState(1, 0);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 3) << "inactive, never hovered";

    // The strip is always cut side by side, whatever DIR says.
    auto stacked = pictureButton("FSTEP_BUTTON", strip(30, 20, 4, true), "DIR = V");
    EXPECT_EQ(only(*stacked)->dim.w, 7);
    EXPECT_EQ(only(*stacked)->dim.h, 80);
}

TEST_F(Buttons, BlendButtonCrossFadesItsSecondFrame) {
    auto gui = pictureButton("BLEND_BUTTON", strip(30, 20, 2));
    TButton* b = only(*gui);
    EXPECT_EQ(b->_buttonAlpha, 0.0f);
    pointAt(200, 100);
    frames(*gui, 12);
    EXPECT_NEAR(b->_buttonAlpha, 0.96f, 1e-5) << "0.03 and 0.05 a frame";
    frame(*gui);
    EXPECT_EQ(b->_buttonAlpha, 1.0f);
    pointAt(10, 300);
    frames(*gui, 5);
    EXPECT_NEAR(b->_buttonAlpha, 0.6f, 1e-5);
    frames(*gui, 10);
    EXPECT_EQ(b->_buttonAlpha, 0.0f);

    auto stacked = pictureButton("BLEND_BUTTON", strip(30, 20, 2, true), "DIR = V");
    EXPECT_EQ(only(*stacked)->dim.w, 30);
    EXPECT_EQ(only(*stacked)->dim.h, 20);
}

TEST_F(Buttons, AnimationSchemeNamesFramesAndTimes) {
    auto gui = animButton("[NORMAL] 1 2 3 2 [OVER(80)] 4 5 6 [ACTIVE( 60 )] 7 8", 8);
    TButton* b = only(*gui);
    EXPECT_EQ(b->frames, 8);
    EXPECT_EQ(b->dim.w, 10) << "eight frames cut from an 80 pixel strip";
    EXPECT_EQ(b->_animData.anims, 3);
    EXPECT_EQ(b->_animData.frameDelta[0], 500) << "the default frame time";
    EXPECT_EQ(b->_animData.frameDelta[1], 80);
    EXPECT_EQ(b->_animData.frameDelta[2], 60);
    // NORMAL steps every 500 ms through the numbers 1 2 3 2 (frames from 0).
    EXPECT_EQ(run(*gui, *b, 5, 500), (std::vector<int>{0, 1, 2, 1, 0}));

    // Only NORMAL: hovering and clicking change nothing.
    auto plain = animButton("[NORMAL(100)] 1 2 3 4", 4);
    TButton* p = only(*plain);
    pointAt(200, 100);
    click();
    EXPECT_EQ(run(*plain, *p, 5, 100), (std::vector<int>{0, 1, 2, 3, 0}));

    // NORMAL named after another animation still plays first; a repeated
    // name continues its list; numbers before any name are left out.
    auto late = animButton("9 [OVER(50)] 3 [NORMAL] 1 [over] 4 [normal] 2", 4);
    TButton* l = only(*late);
    EXPECT_EQ(l->currentAnim, l->_animNormal);
    EXPECT_EQ(l->_animData.frames[l->_animNormal], 2);
    EXPECT_EQ(l->_animData.frames[l->_animOver], 2);
    EXPECT_EQ(l->frames, 4);
}

TEST_F(Buttons, AnimationRulesFollowPointerClickAndActivity) {
    auto gui = animButton("[NORMAL(100)] 1 2 [OVER(100)] 3 4 [ACTIVE(100)] 5 6 [UNACTIVE(100)] 7", 7);
    TButton* b = only(*gui);
    pointAt(10, 300);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 0);
    pointAt(200, 100);
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animOver);
    EXPECT_EQ(b->shownFrame(), 2);
    click();
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animActive);
    EXPECT_EQ(b->shownFrame(), 4);
    // ACTIVE runs to its end, then OVER again while the pointer stays.
    later(100);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 5);
    later(100);
    frame(*gui);
    EXPECT_EQ(b->_wykonano, 1);
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animOver);
    pointAt(10, 300);
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animNormal);

    b->setState(1, 0);
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animUnActive);
    EXPECT_EQ(b->shownFrame(), 6);
    b->setState(1, 1);
    later(100);
    frames(*gui, 2);
    EXPECT_EQ(b->currentAnim, b->_animNormal) << "back to NORMAL once UNACTIVE has run";
}

TEST_F(Buttons, WithoutActiveOverWaitsForNormalToFinishItsCycle) {
    // ACTIVE unset keeps index 0, NORMAL's, so NORMAL follows ACTIVE's row:
    // nothing changes until NORMAL has run through once.
    auto gui = animButton("[NORMAL(100)] 1 2 [OVER(100)] 3 4", 4);
    TButton* b = only(*gui);
    pointAt(200, 100);
    click();
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animNormal) << "neither hover nor click switch at once";
    later(100);
    frame(*gui);
    EXPECT_EQ(b->shownFrame(), 1);
    later(100);
    frame(*gui);  // NORMAL runs past its end
    frame(*gui);
    EXPECT_EQ(b->currentAnim, b->_animOver);
    EXPECT_EQ(b->shownFrame(), 2);
}

TEST_F(Buttons, BrokenSchemesAreFatal) {
    const std::string pic = strip(10, 10, 2);
    auto build = [&](const std::string& scheme) {
        return fatal_catcher::messageOf([&] { TButton::createAnimButton("b", pic, 0, 0, scheme, 0, 1, 1); });
    };
    EXPECT_EQ(build(""), "Nieprawidlowy schemat :");
    EXPECT_EQ(build("[OVER] 1 2"), "Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:[OVER] 1 2");
    EXPECT_EQ(build("[NORMAL] 1 [A] [B] [C] [D] [E] [F] [G] [H] [I] [J]"), "Nie mozna dodac wiecej niz 10 animacji!");
    EXPECT_EQ(build("[NORMAL] 1 [A)5] 2"), "BLAD! Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :A)5");
    auto ok = TButton::createAnimButton("b", pic, 0, 0, "[NORMAL] 1 2", 0, 1, 1);
    EXPECT_EQ(fatal_catcher::messageOf([&] { ok->playAnim("jump"); }),
              "Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :jump");
    // A listed 0 or an animation without frames shows nothing rather than
    // reading outside the strip.
    auto empty = TButton::createAnimButton("b", pic, 0, 0, "[NORMAL] 0 [OVER]", 0, 1, 1);
    EXPECT_EQ(empty->shownFrame(), -1);
    // A frame time past the clock's range waits for good instead of overflowing.
    auto slow = TButton::createAnimButton("b", pic, 0, 0, "[NORMAL(99999999999)] 1 2", 0, 1, 1);
    slow->animUpdate();
    EXPECT_EQ(slow->shownFrame(), 0);
}

TEST_F(Buttons, TextButtonReachesOneTextHeightAroundItsAnchor) {
    auto gui = captionButton("TEXT_BUTTON", "Play");
    TButton* b = only(*gui);
    SetImageFont(b->_font);
    const int w = TextWidth("Play"), h = TextHeight("A");
    EXPECT_EQ(b->dim.x1, 300 - w / 2);
    EXPECT_EQ(b->dim.y1, 200 - h);
    EXPECT_EQ(b->dim.y2, 200 + h);
    pointAt(300, 200 + h);
    frames(*gui, 2);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.1f);
    media::inputMouseDown(1);
    frames(*gui, 3);
    EXPECT_FLOAT_EQ(b->_buttonScale, 1.05f) << "held down it stays near 1.0";
    media::inputMouseUp(1);
    pointAt(300, 200 + h + 1);
    frame(*gui);
    EXPECT_EQ(b->_over, 0);

    auto off = captionButton("TEXT_BUTTON", "Play", "ACTIVE = false OUTLINE = NONE RGB = \"-1 0 0\"");
    TButton* o = only(*off);
    EXPECT_FALSE(o->outLine.has_value());
    EXPECT_EQ(o->rgb.g, 255) << "no colour of its own: white";
    pointAt(300, 200);
    click();
    frame(*off);
    EXPECT_FALSE(off->clickedItem("b"));
}

TEST_F(Buttons, WaveRunsThroughTheLettersAndSkipsSpaces) {
    auto gui = captionButton("TEXT_SPEC_BUTTON1", "Go on");
    TButton* b = only(*gui);
    EXPECT_EQ(b->dim.y2, 200) << "the wave caption's area lies above its anchor";
    EXPECT_EQ(b->dim.y1, 200 - int(b->_textHeight));
    EXPECT_EQ(b->outLine->r, 255) << "white outline unless told otherwise";

    pointAt(300, 195);
    frame(*gui);
    EXPECT_NEAR(b->_textScale[0], 1.16f, 1e-4);
    frames(*gui, 5);  // f = 0.48
    EXPECT_NEAR(b->_textScale[0], 1.96f, 1e-4);
    frame(*gui);  // f = 0.56: past the middle it settles back without a jump
    EXPECT_NEAR(b->_textScale[0], 1.88f, 1e-4);

    bool wrapped = false;
    float previous = b->_chrN;
    for (int i = 0; i < 80; ++i) {
        frame(*gui);
        const int at = int(b->_chrN);
        ASSERT_NE(at, 2) << "the space is skipped";
        const bool swelling = b->_chrN > float(at);
        for (int k = 0; k < 5; ++k) ASSERT_EQ(b->_textScale[k] > 1.0f, swelling && k == at) << "one letter at a time";
        ASSERT_LE(b->_textScale[at], 2.0f);
        if (b->_chrN < previous) wrapped = true;
        previous = b->_chrN;
    }
    EXPECT_TRUE(wrapped) << "the wave starts over after the last letter";

    pointAt(300, 201);
    frame(*gui);
    EXPECT_EQ(b->_chrN, 0.0f);
    EXPECT_EQ(b->_textScale[0], 1.0f);

    // A trailing space: the wave runs off the end, enlarging nothing it draws.
    auto trailing = captionButton("TEXT_SPEC_BUTTON1", "Go ");
    TButton* t = only(*trailing);
    pointAt(300, 195);
    for (int i = 0; i < 60; ++i) {
        frame(*trailing);
        ASSERT_EQ(t->_textScale[2], 1.0f);
    }
}

TEST_F(Buttons, DeclarationsReadTheirSettings) {
    auto gui = captionButton("TEXT_BUTTON", "[" + dir.file("lines.txt") + "|2]",
                             "VISIBLE = FALSE DESCRIPTION = \"Starts the game\" OUTLINE = \"1 2 3\"");
    TButton* b = only(*gui);
    EXPECT_EQ(b->_txt, "(BEYOND TEXT ARRAY LENGTH!)") << "a reference to a missing file";
    EXPECT_EQ(b->_v, 0);
    EXPECT_EQ(b->_a, 1);
    EXPECT_EQ(b->opis, "Starts the game");
    EXPECT_EQ(b->outLine->b, 3);
    EXPECT_EQ(fatal_catcher::messageOf([&] { guiOf("BUTTON b { TYP = TEXT_BUTTON FONT = nofont }"); }),
              "Nie znaleziono czcionki : nofont");
}

}  // namespace
