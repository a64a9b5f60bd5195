// Word-wrapped text blocks, text widgets, declared fonts, the text entry
// and the outlined caption.
#include <gtest/gtest.h>

#include "fatal_catcher.h"
#include "gui/caption.h"
#include "gui/rgm_font.h"
#include "gui/text.h"
#include "gui/text_entry.h"
#include "widget_harness.h"

namespace {

class Texts : public WidgetTest {
protected:
    void SetUp() override {
        WidgetTest::SetUp();
        f14 = font(14);
        SetImageFont(f14);
        lineHeight = TextHeight("A");
    }
    TImageFontPtr f14;
    int lineHeight = 0;
    const std::string story = "Click three or more touching marbles of one colour to clear them away";
};

TEST_F(Texts, BlocksWrapToTheirWidthInEveryAlignment) {
    const float width = 150;
    for (const char* align : {"LEFT", "RIGHT", "CENTER", "JUSTIFY", " justify ", "sideways"}) {
        SCOPED_TRACE(align);
        int lines = 0;
        std::vector<PlacedText> placed = layoutTextBlock(story, 10, 20, width, align, 2, &lines);
        EXPECT_GT(lines, 2);
        EXPECT_EQ(drawTextBlock(story, 10, 20, width, align, f14, 2), (lineHeight + 2) * lines);
        std::string words;
        for (const PlacedText& p : placed) {
            EXPECT_GE(p.x, 10 - 0.01f);
            EXPECT_LE(p.x + float(TextWidth(p.text)), 10 + width + 0.5f) << p.text;
            EXPECT_EQ(int(p.y - 20) % (lineHeight + 2), 0);
            words += (words.empty() ? "" : " ") + p.text;
        }
        EXPECT_EQ(words, story) << "every word once, in order";
    }
    // Right-aligned and justified lines end at the right edge; the last
    // justified line is left-aligned.
    auto right = layoutTextBlock(story, 10, 20, width, "RIGHT", 0);
    for (const PlacedText& p : right) EXPECT_NEAR(p.x + float(TextWidth(p.text)), 160, 0.01);
    auto justified = layoutTextBlock(story, 10, 20, width, "JUSTIFY", 0);
    const float lastY = justified.back().y;
    for (size_t i = 0; i + 1 < justified.size(); ++i) {
        if (justified[i + 1].y != justified[i].y && justified[i].y != lastY) {
            EXPECT_NEAR(justified[i].x + float(TextWidth(justified[i].text)), 160, 1.0) << justified[i].text;
        }
    }
    EXPECT_EQ(justified.back().x, 10.0f) << "the last line, whole, at the left edge";
    auto centred = layoutTextBlock("Hi", 0, 0, 101, "CENTER", 0);
    EXPECT_EQ(centred[0].x, 50.5f - float(TextWidth("Hi") / 2));
}

TEST_F(Texts, OneLineEmptyTextAndWordsWiderThanTheBlock) {
    int lines = 0;
    layoutTextBlock(story, 0, 0, 10000000, "LEFT", 0, &lines);
    EXPECT_EQ(lines, 1) << "the default width never wraps";
    EXPECT_EQ(drawTextBlock("", 0, 0, 100, "LEFT", nullptr, 0), lineHeight) << "one empty line";

    // A word wider than the block gets a line of its own instead of hanging.
    auto placed = layoutTextBlock("a Supercalifragilistic b", 0, 0, 40, "JUSTIFY", 0, &lines);
    EXPECT_EQ(lines, 3);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[1].text, "Supercalifragilistic");
    EXPECT_EQ(placed[1].x, 0.0f);
    layoutTextBlock("Supercalifragilistic", 0, 0, 1, "LEFT", 0, &lines);
    EXPECT_EQ(lines, 1);
}

TEST_F(Texts, TextDeclarationsAndFonts) {
    auto gui = guiOf("FONT t14 { URL = \"" + fontFile() + "\" SIZE = 14 }\n"
                     "FONT t14 { SIZE = 30 URL = \"" + fontFile() + "\" }\n"
                     "TEXT a { POSITION = \"5 6 120\" TXT = \"" + story + "\" FONT = t14 ALIGN = justify RGB = \"10 20 30\" }\n"
                     "TEXT b { POSITION = \"7\" RGB = \"-1 5 5\" ALIGN = middle }\n");
    ASSERT_EQ(gui->_listaObiektow.size(), 2u) << "fonts add no widgets";
    EXPECT_EQ(TRGMFont::getByID("T14")->_font->size(), 14) << "the first declaration of an id wins";
    auto* a = gui->getItemAs<TText>("a");
    EXPECT_EQ(a->dim.w, 120);
    EXPECT_EQ(a->_align, ALIGN_JUSTIFY);
    EXPECT_EQ(a->rgb.b, 30);
    a->draw(0, 0);
    int lines = 0;
    layoutTextBlock(story, 5, 6, 120, "JUSTIFY", 0, &lines);
    EXPECT_EQ(a->dim.h, lineHeight * lines) << "drawing measures the block";
    // Pop-ups change a text's words and font between frames.
    a->_txt = "Short";
    a->draw(0, 0);
    EXPECT_EQ(a->dim.h, lineHeight) << "new words, measured again";
    a->_txt = story;
    a->_font = font(30);
    a->draw(0, 0);
    layoutTextBlock(story, 5, 6, 120, "JUSTIFY", 0, &lines);
    EXPECT_EQ(a->dim.h, TextHeight("A") * lines) << "a new font, measured again";
    EXPECT_GT(TextHeight("A"), lineHeight);
    auto* b = gui->getItemAs<TText>("b");
    EXPECT_EQ(b->dim.y, 0.0f) << "a missing number reads as 0";
    EXPECT_EQ(b->dim.w, 10000000);
    EXPECT_EQ(b->rgb.r, 255) << "no colour of its own: white";
    EXPECT_EQ(b->_align, ALIGN_LEFT);

    EXPECT_EQ(fatal_catcher::messageOf([&] { guiOf("FONT f { SIZE = 3 }"); }), "Nie podano scierzki do czcionki.");
    EXPECT_EQ(fatal_catcher::messageOf([&] { guiOf("FONT f { URL = nothing.ttf }"); }),
              "Nie moge znalezc czcionki : nothing.ttf");
    EXPECT_EQ(fatal_catcher::messageOf([&] { guiOf("TEXT t { FONT = unknown }"); }),
              "Nie znaleziono czcionki : unknown");
}

class Entry : public Texts {
protected:
    void SetUp() override {
        Texts::SetUp();
        gui.addItem(createTextEntry("entry", f14, 100, 50, 120, 25, 1, 1));
        entry = gui.getItemAs<TTextEntry>("entry");
    }
    void type(const std::string& text) {
        for (char c : text) {
            media::inputChar(static_cast<unsigned char>(c));
            frame(gui);
        }
    }
    TGui gui;
    TTextEntry* entry = nullptr;
};

TEST_F(Entry, TakesLettersAndSpacesUpToItsLimit) {
    type("Ann 2 Lee!-_.");
    EXPECT_EQ(entry->getTxt(), "Ann  Lee") << "digits and punctuation are dropped";
    type("abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(entry->getTxt().size(), 25u);
    EXPECT_EQ(entry->getTxt(), "Ann  Leeabcdefghijklmnopq") << "the 26th letter is ignored";

    // One character a frame: the rest waits in the queue.
    entry->setTxt("");
    media::inputChar('x');
    media::inputChar('y');
    frame(gui);
    EXPECT_EQ(entry->getTxt(), "x");
    frame(gui);
    EXPECT_EQ(entry->getTxt(), "xy");

    // A hidden, inactive entry still takes what is typed.
    entry->setState(0, 0);
    type("z");
    EXPECT_EQ(entry->getTxt(), "xyz");
}

TEST_F(Entry, BackspaceAndEnter) {
    type("Bo");
    media::inputChar(KEY_BACKSPACE);
    frame(gui);
    EXPECT_EQ(entry->getTxt(), "B");
    for (int i = 0; i < 3; ++i) {
        media::inputChar(KEY_BACKSPACE);
        frame(gui);
    }
    EXPECT_EQ(entry->getTxt(), "") << "an empty text stays empty";
    entry->setTxt("Zoë");
    media::inputChar(KEY_BACKSPACE);
    frame(gui);
    EXPECT_EQ(entry->getTxt(), "Zo") << "a whole character goes";

    media::inputChar(KEY_ENTER);
    frame(gui);
    EXPECT_TRUE(gui.clickedItem("ENTRY"));
    EXPECT_EQ(entry->getTxt(), "Zo");
    frame(gui);
    EXPECT_FALSE(gui.clickedItem("entry"));
}

TEST_F(Entry, CursorBlinksAndLongTextsShowTheirEnd) {
    EXPECT_EQ(entry->_trigger, 1);
    EXPECT_EQ(entry->dim.h, lineHeight);
    std::vector<int> blink;
    for (int i = 0; i < 4; ++i) {
        later(301);
        frame(gui);
        blink.push_back(entry->_trigger);
    }
    EXPECT_EQ(blink, (std::vector<int>{0, 1, 0, 1}));

    const std::string name = "Maximilian Alexander Long";
    const std::string shown = drawTextTail(name, 0, 0, 120);
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(0, 2), "..");
    EXPECT_EQ(name.substr(name.size() - (shown.size() - 2)), shown.substr(2));
    EXPECT_LE(TextWidth(shown), 120);
    EXPECT_GT(TextWidth(".." + name.substr(name.size() - shown.size() + 1)), 120) << "as much as fits";
    EXPECT_EQ(drawTextTail(name, 0, 0, 2), "") << "nothing fits";
}

TEST_F(Texts, OutlinedCaptionLeavesItsColourAndAlpha) {
    SetAlpha(1);
    drawSpecText("Score", 400, 300, createRGB(10, 20, 30), createRGB(1, 2, 3), 0, 0.5f);
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(b, 30);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
}

}  // namespace
