#pragma once
// The quest's illustrated story: full-screen pictures with a few lines of
// text on the page frame below them, one page after another, each new page
// fading in over the old one. A story opens a new quest, greets every new
// land of the map and closes the quest; the closing story plays the victory
// music and ends in the credits.
//
// Every story file is read once at start-up. A page's picture is loaded when
// its story opens and let go when it closes, so the thirty-odd full-screen
// paintings do not sit in memory for the whole game.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/gui.h"
#include "gui/text.h"
#include "shell/ekran.h"
#include "shell/media/font.h"
#include "shell/media/image.h"

// One page.
class TStoryPart {
public:
    std::string imgUrl;  // the picture's file
    TImagePtr img;       // drawn at (0, 0) while its story is shown
    std::string tekst;
    int startY = 0;      // read from the file; the page frame places the text
    int odl = 0;         // read from the file; not used by the screen
    TImageFontPtr font;
    std::string name;    // read from the file; not shown
    float a = 0;         // opacity while fading in, 0 to 1
    // The text laid out in its font at its place on the page frame, once.
    std::vector<PlacedText> lines;
    int textHeight = 0;
};

// One story file.
class TMyStory {
public:
    std::string url;  // the file name without folder, such as "story.dat"
    std::vector<TStoryPart> storyLine;
};

class TStory : public TEkran {
public:
    static constexpr const char* kFolder = "data/story/";
    // Every story the quest tells, in the order they are read.
    static constexpr std::array<const char*, 12> kFiles = {
        "story.dat", "oldTown.dat", "pustkowie.dat", "gory.dat",  "gruzowisko.dat", "jeziora.dat",
        "zlomowisko.dat", "wybrzeze.dat", "wydmy.dat", "ziemie.dat", "koniec.dat", "baza.dat"};
    static constexpr const char* kClosingStory = "koniec.dat";
    static constexpr const char* kLayout = "data/gui_story.gui";
    static constexpr const char* kMapLayout = "data/gui_story2.gui";
    // Where a page's text goes on the page frame: from kTextY down, ending
    // above the buttons (kTextBottom); a text too long for that starts
    // higher, at most up to the frame's top edge (kTextTop).
    static constexpr int kTextX = 30, kTextY = 475, kTextTop = 462, kTextBottom = 552;
    static constexpr float kTextWidth = 730;

    TImagePtr img;     // the page frame, over every picture
    TImagePtr ekr;     // the story screen's backdrop; not drawn
    TImagePtr panel2;  // the small story panel of the map
    std::unique_ptr<TGui> gui;   // "skip", "next" and "ok"
    std::unique_ptr<TGui> gui2;  // the small panel's "go"
    std::vector<TMyStory> storys;
    std::vector<TStoryPart>* storyLine = nullptr;  // the pages being shown
    TStoryPart* newStory = nullptr;  // the page shown, or fading in
    TStoryPart* oldStory = nullptr;  // the page fading out, or none
    int goExit = 0;
    int ind = 0;  // newStory's place in storyLine
    std::string _url;
    int EndStory = 0;  // 1 while the closing story is shown

    TStory() { _myName = "Story"; }

    // Loads the frame and the layouts, then reads every story file.
    int setup() override;
    // Reads every story file (again, after the language changed). Only
    // while no story is shown.
    void readStories();
    int update() override;
    int draw() override;

    // Shows the story of that file (compared without regard to case) until
    // the player leaves it; after the closing story the credits run.
    // Returns 1. A story that is missing or has no pages is not shown.
    int mainLoop(const std::string& file);

    // The loop's pieces. prepare selects the story and shows its first page;
    // false when there is nothing to show.
    bool prepare(const std::string& file);
    // Settles the frame timing, opens the gate and starts the story's music.
    void prepare3();
    // After each frame: the buttons and keys. Escape leaves, as "skip" and
    // "ok" do; Enter or Space goes on, as "next" does (and "ok" on the last
    // page).
    void react();
    // Lets go of the story's pictures and of the keys and clicks that left it.
    void finish();
    // The story of that file gives its pages to storyLine; none matching
    // leaves no pages. The closing story starts the victory music.
    void getStoryByUrl(const std::string& file);
    // The next page starts fading in over the one shown.
    void nextStory();
    int lastStoryPart() const;

private:
    void _drawStory();
    void _drawText(const TStoryPart& page, float alpha);
    void _updateGui();
    void _updateStory();
    void _leave();
};

// The pages of a story file in file order, each with its picture's name, its
// text laid out in its font, and no picture loaded. A file that is missing or
// unreadable gives no pages; a page count larger than the pages the file
// holds stops at the last page there is.
TMyStory readStory(const std::string& path, const std::string& url);
