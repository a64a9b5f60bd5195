// The question, the in-game menu, the help page and the play-mode choice,
// driven frame by frame on their real layouts.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "gui/text.h"
#include "menus/help.h"
#include "menus/in_game_menu.h"
#include "menus/play_mode.h"
#include "menus/yes_or_no.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

class PopUps : public testing_support::ScreenTest {
protected:
    static void clickAt(int x, int y) {
        media::inputMouseMove(x, y);
        media::inputMouseDown(1);
        media::inputMouseUp(1);
    }
    // Frames of the pop-up (update, then its reaction) until it is over;
    // the number of frames, or -1 after `limit`.
    template <class PopUp>
    static int framesUntilDone(PopUp& p, int limit = 200) {
        for (int n = 1; n <= limit; ++n) {
            Delay(16);
            mouse().update();
            p.update();
            if (p.react()) return n;
        }
        return -1;
    }
    template <class PopUp>
    static void framesOpen(PopUp& p, int n) {
        for (int i = 0; i < n; ++i) {
            Delay(16);
            mouse().update();
            p.update();
            ASSERT_FALSE(p.react());
        }
    }
};

TEST_F(PopUps, TheQuestionAnswersOnlyOnceItHasClosed) {
    TYesOrNo q;
    q.setup();
    struct Case {
        int key;
        int x, y;  // or a click
        int answer;
    };
    for (const Case& c : {Case{KEY_ENTER, 0, 0, 1}, Case{KEY_ESCAPE, 0, 0, 0}, Case{0, 432, 365, 1},
                          Case{0, 572, 365, 0}}) {
        q.open("Sure?", nullptr);
        framesOpen(q, 45);  // the panel in, then its buttons
        ASSERT_EQ(q.fade.gAlpha, 1.0f);
        if (c.key) press(c.key);
        else clickAt(c.x, c.y);
        const int frames = framesUntilDone(q);
        // The panel and the buttons fade out together: 20 frames.
        EXPECT_GE(frames, 20) << "key " << c.key << " click " << c.x;
        EXPECT_LE(frames, 22);
        EXPECT_EQ(q.result, c.answer) << "key " << c.key << " click " << c.x;
        media::inputMouseMove(0, 0);
    }
}

TEST_F(PopUps, TheQuestionShowsItsTextInBothLayers) {
    TYesOrNo q;
    q.setup();
    q.open("Buy this bonus?", nullptr);
    EXPECT_EQ(q.gui->getItemAs<TText>("tekst1")->_txt, "Buy this bonus?");
    EXPECT_EQ(q.gui->getItemAs<TText>("tekst2")->_txt, "Buy this bonus?");
}

TEST_F(PopUps, TheInGameMenuResumesAndRestarts) {
    GameObjects& o = objects();
    o.gate.setup();
    TInGameMenu menu;
    menu.setup();

    // Escape (or "resume"): the menu fades away and play resumes.
    menu.open(&o.game);
    framesOpen(menu, 45);
    press(KEY_ESCAPE);
    EXPECT_GT(framesUntilDone(menu), 0);
    EXPECT_EQ(menu.where, TInGameMenu::RESUME);

    // "restart" over the game screen: the menu fades away while the gate
    // starts closing over the screen (the game screen waits for the rest).
    menu.open(&o.game);
    framesOpen(menu, 45);
    clickAt(470, 250);
    const int frames = framesUntilDone(menu);
    EXPECT_EQ(menu.where, TInGameMenu::RESTART);
    EXPECT_EQ(o.gate.state, TGate::State::Close);
    EXPECT_GE(frames, 20);
    while (!o.gate.closed()) {
        Delay(16);
        o.gate.update();
    }

    // Over the puzzle the gate is left to the puzzle.
    o.gate.open();
    while (!o.gate.opened()) {
        Delay(16);
        o.gate.update();
    }
    menu.open(&o.puzzleGame);
    framesOpen(menu, 45);
    media::inputMouseMove(0, 0);
    mouse().update();
    clickAt(470, 250);
    EXPECT_GT(framesUntilDone(menu), 0);
    EXPECT_EQ(menu.where, TInGameMenu::RESTART);
    EXPECT_EQ(o.gate.opened(), 1);
}

TEST_F(PopUps, ThePlayModeChoiceCountsTheLastChoiceMadeBeforeItHasGone) {
    TPlay play;
    play.setupObject();
    // Escape backs out, as "main" does.
    play.open();
    framesOpen(play, 34);
    ASSERT_EQ(play.per, 1.0f);
    ASSERT_EQ(play.alpha, 1.0f);
    press(KEY_ESCAPE);
    EXPECT_NEAR(framesUntilDone(play), 34, 1);
    EXPECT_EQ(play.wynik, TPlay::BACK);

    // The buttons show only in the second half of the opening.
    play.open();
    framesOpen(play, 16);
    EXPECT_EQ(play.alpha, 0.0f);
    framesOpen(play, 18);
    // "new", then "resume" while the panel is closing: resume it is.
    clickAt(400, 350);
    framesOpen(play, 5);
    EXPECT_EQ(play.wynik, TPlay::NEW_QUEST);
    clickAt(400, 290);
    EXPECT_GT(framesUntilDone(play), 0);
    EXPECT_EQ(play.wynik, TPlay::RESUME);
}

TEST_F(PopUps, AHelpPageCountsAsSeenEvenWhenClosedAtOnce) {
    THelp help;
    help.setup();
    TProfile player;
    objects().profileManager.profile = &player;
    help.prepare(3, nullptr);
    EXPECT_EQ(player.hint[3], 1);
    EXPECT_EQ(player.porada(3), 0);
    EXPECT_EQ(help.text->_txt, objects().teksty.txtPomoc[3]);
    press(KEY_ESCAPE);
    EXPECT_EQ(framesUntilDone(help), 1);
    EXPECT_EQ(help.getText(10), "");
    EXPECT_EQ(help.getText(-1), "");
}

TEST_F(PopUps, AHelpPageNamesWhatThePlayerPlaysWithAndFollowsAChange) {
    THelp help;
    help.setup();
    media::inputPadButton(PadButton::A, true);
    media::inputPadButton(PadButton::A, false);
    help.prepare(1, nullptr);
    EXPECT_EQ(help.text->_txt, objects().teksty.txtPomocPad[1]);
    press(KEY_SPACE);
    help.update();
    EXPECT_EQ(help.text->_txt, objects().teksty.txtPomocKeys[1]);
    // Every page has its three wordings, and the ones about controls differ.
    for (int page = 0; page < 10; ++page) {
        for (InputDevice device : {InputDevice::Mouse, InputDevice::Keyboard, InputDevice::Gamepad})
            EXPECT_GT(help.getText(page, device).size(), 80u) << page;
    }
    for (int page : {0, 1, 2, 7, 8, 9}) {
        EXPECT_NE(help.getText(page, InputDevice::Keyboard), help.getText(page, InputDevice::Mouse)) << page;
        EXPECT_NE(help.getText(page, InputDevice::Gamepad), help.getText(page, InputDevice::Keyboard)) << page;
    }
}

TEST_F(PopUps, AHelpPageTooLongForThePanelTakesTheSmallerFontAndEndsAboveItsOk) {
    THelp help;
    help.setup();
    const TImageFontPtr pageFont = help.text->_font;
    help.showWords(objects().teksty.txtPomoc[1]);
    EXPECT_EQ(help.text->_font, pageFont);
    std::string longer;
    for (int i = 0; i < 3; ++i) longer += objects().teksty.txtPomoc[2] + " ";
    help.showWords(longer);
    EXPECT_EQ(help.text->_txt, longer);
    ASSERT_TRUE(help.text->_font);
    EXPECT_LT(help.text->_font->size(), pageFont->size());
    // Back to a page that fits: the page font again.
    help.showWords(objects().teksty.txtPomoc[1]);
    EXPECT_EQ(help.text->_font, pageFont);
}

}  // namespace
