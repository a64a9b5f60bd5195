#pragma once
// Free play: a single game of the player's own, outside the quest, set up
// on a panel over the main menu with three tabs (the marble board, the
// shooting gallery and the picture puzzle). "graj" closes the gate and plays
// the game of the tab in front; when it ends, the main menu comes back under
// a white veil. Nothing of it is saved: the tabs keep their choices while
// the game runs.
//
// One keyboard focus goes over the panel's buttons, the tab's buttons and
// the tab's own things (the marble tab's colours, bonus marbles and speed
// knob); Enter on a marble picks it as a click does, Left and Right move a
// focused knob. Page Up and Page Down step through the tabs.
#include <memory>
#include <string>
#include <vector>

#include "board/level.h"
#include "gui/gui.h"
#include "quest/free_play_tab.h"
#include "quest/screen_focus.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TFreePlay : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_freeplay.gui";
    // How wide a tab's title may be, inside its tab.
    static constexpr int kTabTitleRoom = 136;
    static constexpr const char* kBackdrop = "gfx/backgrounds/free.jpg";
    // The marble board's size: 15 x 15 cells of 30 pixels.
    static constexpr int kBoardCells = 15;
    // The tabs as their captions stand, left to right.
    static constexpr const char* kTabs[3] = {"match3", "strzelanie", "puzzle"};

    std::unique_ptr<TGui> gui;
    TImagePtr img;     // the panel, drawn at (100, 50)
    TImagePtr border;  // the frame over the puzzle preview; centre handle
    // The tabs; the last one is in front.
    std::vector<std::unique_ptr<TZakladka>> zakladki;
    int goExit = 0;
    // A second copy of the last free marble board, from which the game
    // screen restarts that board.
    TLevelPtr levelCopy;
    // The keyboard focus: the panel's buttons (container 0), the tab's
    // (container 1) and the tab's own things.
    TScreenFocus focus;

    TFreePlay() { _myName = "Free Play Module"; }

    int setup() override;
    // The layout, read (again, after the language changed).
    void readLayout();
    int update() override;
    int draw() override;

    // Sets up and plays a game of the player's own, over the main menu;
    // returns 0 when the player leaves or the game is over.
    int mainLoop();
    void prepare();
    // Brings the tab of that id (letter case ignored) to the front.
    void setTab(const std::string& tabId);
    TZakladka& current() { return *zakladki.back(); }
    // Brings the tab `step` places right (left when negative) of the one in
    // front to the front, round at either end.
    void stepTab(int step);
    TZakladka* tab(const std::string& tabId);
    // The gate has closed over the set-up: plays the game of the tab in
    // front, then readies the main menu's return.
    void graj();
    // Whether the tab in front has a game to start (a puzzle needs a set).
    bool canPlay() const;
    // After each frame: the clicks and keys.
    void react();

    // The levels the tabs' choices make; each call builds a new one.
    TLevelPtr buildBoard(const TZakladka& match3) const;
    TLevelPtr buildShooting(const TZakladka& shooting) const;
    // None when the tab has no set, or its picture cannot be cut.
    TLevelPtr buildPuzzle(const TZakladka& puzzle) const;

private:
    bool starting_ = false;  // "graj" was clicked; the gate is closing

    void _drawBack();
    void _drawTabs();
    void _drawGui();
    void _playBoard();
    // The screen's widgets from their files again (the L key).
    void _reload();
};
