#pragma once
// The three tabs of the free-play set-up and the picture sets of its puzzle
// tab. Each tab keeps its choices for as long as the game runs:
//
//   match3      the marble board: colours, bonus marbles, mode and speed
//   strzelanie  the shooting gallery: number of balloons and gun crates
//   puzzle      the picture puzzle: one of the sets of data/zestawy.dat
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "board/tile_data.h"
#include "gui/gui.h"
#include "quest/screen_focus.h"
#include "shell/media/image.h"

// One picture the puzzle tab offers, with the grid it is cut into.
class TPuzzleSet {
public:
    int rows = 0, cols = 0;
    TImagePtr img;
    std::string name;
    std::string url;  // the picture's file
    float a = 0;      // preview opacity while it fades in
};

class TZakladka {
public:
    static constexpr const char* kSetsFile = "data/zestawy.dat";
    // The colour row shows the first 13 tile kinds; the bonus row every kind
    // from list position 15 on (position 14 is offered in neither).
    static constexpr int kColours = 13;
    static constexpr int kFirstBonus = 15;
    static constexpr int kMinColours = 2;
    // The first colours a new board offers.
    static constexpr int kDefaultColours = 7;
    // The speed slider's knob travels this far from its left end.
    static constexpr int kSliderTravel = 175;
    static constexpr int kSliderX = 165, kSliderY = 447;
    // Balloons of the shooting gallery, in steps of 10.
    static constexpr int kMinBalloons = 20, kMaxBalloons = 2000, kBalloonStep = 10, kDefaultBalloons = 50;
    // The guns whose crates may fall, by crate bonus k = 1 to 4; the crate's
    // tile kind is 100 + k.
    static constexpr const char* kGuns[4] = {"fuckYou", "smg", "shotgun", "rifle"};
    // Sets with a finer cut than this are left out: the pieces would be too
    // small to pick up.
    static constexpr int kMaxCut = 12;

    std::unique_ptr<TGui> gui;
    TImagePtr img;   // the page, drawn at (134, 125)
    std::string id;  // "match3", "strzelanie" or "puzzle"; compared upper-cased

    // Shooting tab.
    std::vector<TTileDataPtr> bonusyButelek;  // the chosen crate kinds
    int butelki = kDefaultBalloons;
    std::array<TImagePtr, 4> bonusImg;  // the guns, by crate bonus - 1

    // Match-3 tab.
    std::string tryb;  // "NORMAL", "TWO", "STRATEGY" or "CHANGE"
    std::vector<TTileDataPtr> tiles;   // the chosen colours
    std::vector<TTileDataPtr> bonusy;  // the chosen bonus marbles
    TTileDataPtr overTile, overBonus;  // under the pointer this frame
    TImagePtr suwak;                   // the slider's knob
    int sliderX = 0;                    // 0 (left) to kSliderTravel
    int sliderOver = 0;                 // 1 while the knob is grabbed or under the pointer

    // The keyboard focus's items of the marble tab: colour i (from 1) is
    // item i, the bonus at list position p item kBonusItems + p, the knob
    // kKnobItem. A step of the knob by the keys.
    static constexpr int kBonusItems = 100, kKnobItem = 1000;
    static constexpr int kKnobStep = 25;
    TFocusGlow glow;

    // Puzzle tab.
    std::vector<TPuzzleSet> zestawy;  // file order
    TPuzzleSet* newPuzzle = nullptr;  // the chosen set, fading in
    TPuzzleSet* oldPuzzle = nullptr;  // the previous one, fading out
    int aktZestaw = 0;                   // 1-based

    // Builds the tab of that id from its page picture and layout.
    void setup(const std::string& tabId, const std::string& page, const std::string& layout);
    // The tab's widgets again from their file, with the tab's choices shown
    // on them (the L key, for laying out the screen).
    void reload();

    // The tab; `focusedItem` has the shown keyboard focus, and while
    // `keyboard` the pointer's marble looks hovered no more.
    int draw(int focusedItem = -1, bool keyboard = false);
    int update();
    // The tab's own things the keyboard focus visits (the marble tab's).
    void focusItems(std::vector<TFocusTarget>& items) const;
    bool hasItem(int item) const;
    // Enter on an item: a marble is picked or put back as a click does.
    void pressItem(int item);
    // Left or Right (dx) on the focused knob moves it; false when `item` is
    // not the knob, and the arrow moves the focus.
    bool slideKnob(int item, int dx);
    bool isMatch3() const;
    bool isShooting() const;
    bool isPuzzle() const;

    // Match-3 tab.
    // Adds or removes a colour; the last two colours always stay.
    void setTile(const TTileDataPtr& kind);
    void setTileBonus(const TTileDataPtr& kind);
    // The colours and bonus marbles of a tab not yet set up.
    void getTiles();
    void setMode(const std::string& mode);
    // The push interval (10 ms units) and colour-change interval the knob's
    // place gives: 100 at the left end to 400 at the right.
    int levelTime() const;
    int levelChangeTime() const;

    // Shooting tab.
    void moreBalloons();
    void fewerBalloons();
    void _addBonus(int k);
    void _removeBonus(int k);

    // Puzzle tab.
    // Reads the sets; a set whose picture is missing or whose cut cannot be
    // played is left out with a console line.
    void loadSets(const std::string& path);
    // Set i (1-based, wrapping round at both ends), which becomes current;
    // none when there are no sets.
    TPuzzleSet* getPuzzle(int i);
    void setPuzzle(int i);
    void getRandomPuzzle();

    // The room of the game modes' two columns of names (x 435 and 560).
    static constexpr int kModeColumnWidth[2] = {552 - 435, 652 - 560};

private:
    // The size the modes' names are drawn in, for language::changes().
    TImageFontPtr modeFont;
    int modeFontLanguage = -1;

    void _drawMatch3(int focusedItem, bool keyboard);
    void _drawShooting();
    void _drawPuzzle();
    void _updateMatch3();
    void _updateShooting();
    void _updatePuzzle();
    // The crate buttons of gun k as chosen or not.
    void _showCrate(int k, bool chosen);
    void _showPuzzleName();
};
