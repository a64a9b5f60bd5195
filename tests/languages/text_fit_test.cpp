// Every text the screens draw themselves fits its place in every language
// the game offers: the HUD, the results, the help pages, the settings, free
// play, the map, the shop and the name entry, each measured in the font
// that draws it against the room its screen gives it. (The story pages have
// their own check; the pictures with words are fitted by the generator.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/game_objects.h"
#include "gui/button.h"
#include "gui/caption.h"
#include "gui/gui_object.h"
#include "gui/text.h"
#include "menus/settings.h"
#include "quest/free_play.h"
#include "quest/free_play_tab.h"
#include "shell/assets.h"
#include "shell/language.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

class TextFit : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        objects().help.setup();
        objects().settings.setup();
        objects().freePlay.setup();
    }
    void TearDown() override {
        language::use(language::kEnglish);
        objects().teksty.setup();
        ScreenTest::TearDown();
    }

    // The width of `text` in `font` is at most `room`.
    static void fits(const std::string& language, const std::string& where, const std::string& text,
                     const TImageFontPtr& font, int room) {
        ASSERT_TRUE(font) << where;
        EXPECT_LE(font->textWidth(text), room) << language << ", " << where << ": \"" << text << "\"";
    }

    // The language's every text, checked.
    void checkLanguage(const std::string& code) {
        language::use(code);
        TTeksty& t = objects().teksty;
        t.setup();
        // The HUD's panel: its inner edges at x 35 and 215; the ribbon
        // holds about 180 pixels; "Lines left:" ends at x 165, before its number.
        fits(code, "HUD level", t.txtHudLevel + " 99", fonts.font_blueHigh22, 180);
        fits(code, "HUD points", t.txtPunkty, fonts.font_FONT20, 170);
        for (const std::string* label : {&t.txtLinesLeft, &t.txtSteps})
            fits(code, "HUD lines or steps", *label, fonts.font_FONT20, 165 - 35);
        // The results: each label ends at x 480, inside the board's panel (x 245).
        for (const std::string* label : {&t.txtResultDiamonds, &t.txtMatches, &t.txtBiggestMatch, &t.txtCzas,
                                         &t.txtScore, &t.txtTotalScore, &t.txtSteps})
            fits(code, "results", *label, fonts.font_FONT20, 480 - 245);
        for (const std::string* prompt : {&t.txtContinueKeys, &t.txtContinuePad, &t.txtContinueClick})
            fits(code, "continue prompt", *prompt, fonts.font_FONT20, 760);
        // The help pages, in every wording, end above the pop-up's OK.
        TGuiObject* ok = objects().help.gui->getItem("ok");
        TText* page = objects().help.gui->getItemAs<TText>("tekst");
        ASSERT_TRUE(ok && page);
        ok->countDims();
        for (int n = 0; n < 10; ++n) {
            for (const std::string* words : {&t.txtPomoc[size_t(n)], &t.txtPomocKeys[size_t(n)], &t.txtPomocPad[size_t(n)]}) {
                SetImageFont(page->_font);
                int lines = 0;
                layoutTextBlock(*words, int(page->dim.x), int(page->dim.y), page->dim.w, "LEFT", 0, &lines);
                EXPECT_LE(page->dim.y + lines * TextHeight("A"), ok->dim.y1)
                    << code << ", help page " << n << " runs into its OK: \"" << *words << "\"";
            }
        }
        // The settings: the panel's inside is 400 pixels wide; the language's
        // name sits between its arrows; "Fullscreen" beside its switch.
        fits(code, "settings title", t.txtSettings, fonts.font_blueHigh26, 400);
        for (const std::string* label : {&t.txtMusicVolume, &t.txtSoundVolume})
            fits(code, "settings", *label, fonts.font_font16, 400);
        fits(code, "language name", t.txtLanguageName, fonts.font_blueHigh22, 230);
        TGuiObject* on = objects().settings.gui->getItem("on");
        ASSERT_TRUE(on);
        on->countDims();
        const int fullscreenRoom = TSettings::kPanelRight - TSettings::fullscreenLabelX(*on);
        fits(code, "full screen", t.txtFullscreen,
             fittingFont({&t.txtFullscreen}, {fonts.font_blueHigh26, fonts.font_blueHigh22}, fullscreenRoom),
             fullscreenRoom);
        // Free play: the headings across its panel, the game modes in two
        // columns (x 435 to 552 and 560 to 652).
        for (const std::string* heading : {&t.txtMColors, &t.txtMBonus})
            fits(code, "free play heading", *heading, fonts.font_blueHigh22, 480);
        // (Too long for their columns, they take a smaller size together.)
        const auto sizes = {fonts.font_font16, fonts.font_font14, fonts.font_font12};
        for (int column = 0; column < 2; ++column) {
            const std::string* first = column == 0 ? &t._txtTrybNormal : &t._txtTrybChange;
            const std::string* second = column == 0 ? &t._txtTrybTwo : &t._txtTrybStrategy;
            const TImageFontPtr font = fittingFont({first, second}, sizes, TZakladka::kModeColumnWidth[column]);
            for (const std::string* mode : {first, second})
                fits(code, "free play mode", *mode, font, TZakladka::kModeColumnWidth[column]);
        }
        objects().freePlay.readLayout();
        for (const char* tab : {"match3", "strzelanie", "puzzle"}) {
            const auto* b = dynamic_cast<const TButton*>(objects().freePlay.gui->getItem(tab));
            ASSERT_TRUE(b) << tab;
            fits(code, std::string("free play tab ") + tab, b->_txt, b->_font, TFreePlay::kTabTitleRoom);
        }
        fits(code, "free play speed", t.txtLevelSpeed, fonts.font_FONT20, 220);
        fits(code, "free play game mode", t.txtLevelType, fonts.font_FONT20, 240);
        fits(code, "free play title", t.txtFreePlayTitle, fonts.font_blueHigh26, 300);
        // The map: its title and level across the top, the bests card's
        // labels before their numbers.
        fits(code, "map title", t.txtMapTitle, fonts.font_blueHigh22, 780);
        fits(code, "map level", t.txtMapLevel + ": 99", fonts.font_FONT20, 300);
        fits(code, "map marker", t.txtYouAreHere, fonts.font_FONT20, 260);
        for (const std::string* label : {&t.txtBestScore, &t.txtFastestWin, &t.txtTries})
            fits(code, "bests card", *label, fonts.font_font16, 202 - 26 - 50);
        // The shop: its headings and the colour blast's line across its panel.
        fits(code, "shop title", t.txtShopTitle, fonts.font_blueHigh22, 480);
        for (const std::string* label : {&t.txtBonuses, &t.txtPlayerBonuses, &t.txtColourBonus})
            fits(code, "shop", *label, fonts.font_font16, 480);
        // The name entry.
        fits(code, "name prompt", t.txtProfileName, fonts.font_blueHigh22, 400);
        fits(code, "name taken", t.txtNameTaken, fonts.font_font14, 420);
    }
};

TEST_F(TextFit, EveryTextFitsItsPlaceInEveryLanguage) {
    const std::vector<std::string> languages = language::offered();
    EXPECT_EQ(languages.size(), 8u) << "English and the seven translations";
    for (const std::string& code : languages) checkLanguage(code);
}

}  // namespace
