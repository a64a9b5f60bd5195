// The story screen on the game's own story files and layout: every story the
// quest tells is there and fits its page frame, pages come in order with the
// buttons the page calls for, and a story that cannot be shown is passed by.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "gui/gui.h"
#include "gui/gui_object.h"
#include "gui/text.h"
#include "quest/story.h"
#include "shell/language.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using testing_support::writeFile;

class Story : public testing_support::ScreenTest {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(ScreenTest::SetUp());
        objects().gate.setup();
        objects().gate.hide();
        story.setup();
    }

    // One frame of the story: the mouse snapshot, update, then the reaction.
    void frame() {
        Delay(16);
        mouse().update();
        story.update();
        story.react();
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) frame();
    }
    static void clickAt(int x, int y) {
        media::inputMouseMove(x, y);
        media::inputMouseDown(1);
        media::inputMouseUp(1);
    }
    // Which of "skip", "next" and "ok" are shown, in that order.
    std::string buttons() const {
        std::string shown;
        for (const char* name : {"skip", "next", "ok"}) {
            const TGuiObject* b = story.gui->getItem(name);
            if (b && b->_v) shown += std::string(shown.empty() ? "" : " ") + name;
        }
        return shown;
    }
    // Adds a story read from this text under that name.
    void addStory(const std::string& name, const std::string& text) {
        writeFile(dir.file(name), text);
        story.storys.push_back(readStory(dir.file(name), name));
    }
    static std::string page(int j, const std::string& img, const std::string& text) {
        return "\tstory" + std::to_string(j) + " {\n\t\timg = \"" + img + "\"\n\t\tt1 = \"" + text +
               "\"\n\t\todl = 0\n\t\tname = \"Page\"\n\t\tstartY = 475\n\t\tfont = 1\n\t}\n";
    }

    testing_support::TempDir dir;
    TStory story;
};

TEST_F(Story, EveryStoryIsThereWithItsPicturesAndItsTextFitsThePageInEveryLanguage) {
    // The buttons sit in the panel's lower right corner; text must end above them.
    int buttonsTop = 600;
    for (const char* name : {"skip", "next", "ok"}) {
        TGuiObject* b = story.gui->getItem(name);
        ASSERT_TRUE(b) << name;
        b->countDims();
        buttonsTop = std::min(buttonsTop, b->dim.y1);
    }
    const std::vector<std::string> languages = language::available();
    EXPECT_GE(languages.size(), 9u) << "English, the seven translations and the pseudo-language";
    for (const std::string& code : languages) {
      language::use(code);
      story.readStories();
      ASSERT_EQ(story.storys.size(), TStory::kFiles.size());
      for (const TMyStory& s : story.storys) {
        ASSERT_FALSE(s.storyLine.empty()) << s.url;
        for (size_t j = 0; j < s.storyLine.size(); ++j) {
            const TStoryPart& p = s.storyLine[j];
            const std::string where = code + ": " + s.url + " page " + std::to_string(j + 1);
            TPixmapPtr picture = LoadPixmap(p.imgUrl);
            ASSERT_TRUE(picture) << where << ": " << p.imgUrl;
            EXPECT_EQ(picture->width, 800) << where;
            EXPECT_EQ(picture->height, 600) << where;
            ASSERT_TRUE(p.font) << where;
            EXPECT_FALSE(p.lines.empty()) << where;
            EXPECT_EQ(TStory::kTextBottom, buttonsTop);
            EXPECT_GE(p.lines.front().y, TStory::kTextTop) << where << ": the text starts above the page frame";
            EXPECT_LE(int(p.lines.front().y) + p.textHeight, buttonsTop) << where << ": the text runs into the buttons";
            SetImageFont(p.font);
            for (const PlacedText& line : p.lines)
                EXPECT_LE(line.x + float(TextWidth(line.text)), TStory::kTextX + TStory::kTextWidth)
                    << where << ": \"" << line.text << "\" is wider than the page";
        }
      }
    }
}

TEST_F(Story, PagesComeInOrderWithTheButtonsEachPageCallsFor) {
    ASSERT_TRUE(story.prepare("oldTown.dat"));
    ASSERT_EQ(story.storyLine->size(), 3u);
    EXPECT_EQ(story.newStory, &story.storyLine->at(0));
    EXPECT_EQ(story.newStory->a, 1.0f) << "the first page is there at once";
    EXPECT_FALSE(story.oldStory);
    EXPECT_EQ(buttons(), "skip next");

    // "next" brings the second page in over the first.
    frames(2);
    clickAt(700, 574);
    frame();
    EXPECT_EQ(story.ind, 1);
    EXPECT_EQ(story.oldStory, &story.storyLine->at(0));
    EXPECT_EQ(story.newStory, &story.storyLine->at(1));
    frames(10);
    EXPECT_NEAR(story.newStory->a, 0.3f, 0.001f);
    // Going on while it still fades in: it becomes the page going out, the
    // last page fades in from nothing and offers only "ok".
    press(KEY_ENTER);
    frame();
    EXPECT_EQ(story.oldStory, &story.storyLine->at(1));
    EXPECT_EQ(story.newStory, &story.storyLine->at(2));
    EXPECT_EQ(story.newStory->a, 0.0f);
    EXPECT_EQ(story.lastStoryPart(), 1);
    frame();
    EXPECT_EQ(buttons(), "ok");
    frames(40);
    EXPECT_EQ(story.newStory->a, 1.0f);
    // Nothing lies beyond the last page.
    story.nextStory();
    EXPECT_EQ(story.ind, 2);

    // Shown again, the story starts over from its first page.
    ASSERT_TRUE(story.prepare("OLDTOWN.DAT"));
    EXPECT_EQ(story.newStory, &story.storyLine->at(0));
    EXPECT_FALSE(story.oldStory);
    EXPECT_EQ(buttons(), "skip next");

    // A story of one page offers only "ok".
    addStory("one.dat", "story {\n\ti = 1\n" + page(1, "gfx/story/story1.jpg", "Once.") + "}\n");
    ASSERT_TRUE(story.prepare("One.dat"));
    EXPECT_EQ(buttons(), "ok");
}

TEST_F(Story, SkipOkAndEscapeCloseTheGateAndTheStoryEnds) {
    TGate& gate = objects().gate;
    struct Case {
        const char* how;
        int key;
        int x, y;
        bool lastPage;
    };
    for (const Case& c : {Case{"skip", 0, 572, 574, false}, Case{"Escape", KEY_ESCAPE, 0, 0, false},
                          Case{"ok", 0, 700, 574, true}, Case{"Enter on the last page", KEY_ENTER, 0, 0, true}}) {
        gate.hide();
        ASSERT_TRUE(story.prepare("baza.dat"));
        if (c.lastPage) {
            story.nextStory();
            story.nextStory();
        }
        frames(2);
        if (c.key) press(c.key);
        else clickAt(c.x, c.y);
        frame();
        media::inputMouseMove(0, 0);
        EXPECT_EQ(gate.state, TGate::State::Close) << c.how;
        EXPECT_EQ(story.goExit, 0) << c.how << ": the story waits for the gate";
        int n = 0;
        while (!story.goExit && n < 400) frame(), ++n;
        EXPECT_EQ(story.goExit, 1) << c.how;
        EXPECT_EQ(gate.closed(), 1) << c.how;
    }
}

TEST_F(Story, SpaceAndTheGamepadsAGoOnAsEnterDoesUnlessAFocusedButtonTakesThem) {
    ASSERT_TRUE(story.prepare("oldTown.dat"));
    frames(2);
    press(KEY_SPACE);
    frame();
    media::inputPadButton(PadButton::A, true);
    media::inputPadButton(PadButton::A, false);
    frame();
    EXPECT_EQ(story.ind, 2);
    // With the keyboard focus on "skip", Enter skips.
    press(KEY_LEFT);
    frame();
    press(KEY_ENTER);
    frame();
    EXPECT_EQ(objects().gate.state, TGate::State::Close);
    EXPECT_EQ(story.ind, 2);
}

TEST_F(Story, TheClosingStoryIsKnownInAnyLetterCase) {
    for (const char* name : {"koniec.dat", "KONIEC.DAT"}) {
        ASSERT_TRUE(story.prepare(name)) << name;
        EXPECT_EQ(story.EndStory, 1) << name;
        EXPECT_EQ(story.storyLine->size(), 4u);
    }
    ASSERT_TRUE(story.prepare("story.dat"));
    EXPECT_EQ(story.EndStory, 0);
}

TEST_F(Story, AStoryThatCannotBeShownIsPassedBy) {
    // Missing, empty, unreadable, and a page count beyond the pages written.
    story.storys.push_back(readStory(dir.file("missing.dat"), "missing.dat"));
    addStory("empty.dat", "story {\n\ti = 0\n}\n");
    addStory("broken.dat", "story { i = 2 story1 { img = \"x\" ");
    addStory("short.dat", "story {\n\ti = 2000000000\n" + page(1, "gfx/story/story1.jpg", "Only one.") + "}\n");
    EXPECT_EQ(story.storys.back().storyLine.size(), 1u);

    for (const char* name : {"missing.dat", "empty.dat", "broken.dat", "no-such-story.dat"}) {
        ASSERT_TRUE(story.prepare("oldTown.dat"));
        EXPECT_FALSE(story.prepare(name)) << name;
        EXPECT_FALSE(story.storyLine) << name << ": the pages of the story shown before are not shown again";
        EXPECT_FALSE(story.newStory) << name;
        // Drawing and updating without a page is harmless; the loop returns at once.
        story.update();
        story.draw();
        EXPECT_EQ(story.mainLoop(name), 1) << name;
    }
    ASSERT_TRUE(story.prepare("short.dat"));
    EXPECT_EQ(buttons(), "ok");
}

}  // namespace
