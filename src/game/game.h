#pragma once
// The screen on which a board level is played: the level's state machine,
// the timers that push rows in, the player's clicks on marbles, waiting rows
// and bonus buttons, the win and loss sequences, and the HUD around the
// board. Levels of the shooting and picture-puzzle kinds are handed on to
// their mini-games.
//
// States: BEGIN while the gate opens, GO in play, WAIT while marbles settle
// (the board sends the screen there), WAIT-STRATEGY while they settle after a
// removal in a strategy level, LOST with the lost pop-up up, WIN during the
// end-of-level effect, AFTERWIN2 with the results shown, END once they were
// clicked away.
//
// The keyboard and the gamepad play it too: a ring on the board (the arrow
// keys, W A S D or the d-pad move it) stands for the pointer while the
// keyboard is in use; Enter or Space (the pad's A) clicks the marble under
// it; N (the pad's X) calls the next row in; 1 to 9 use the bonus column's
// items from the top; the pad's Y chooses the next usable item and A uses
// it; Escape (the pad's B) lets go of a chosen or armed item, else opens the
// menu, as P and Pause (the pad's Start) do.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "board/board_player.h"
#include "board/level.h"
#include "game/board_cursor.h"
#include "game/bonus_button.h"
#include "gui/dim.h"
#include "gui/direction_keys.h"
#include "gui/gui.h"
#include "players/profile.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TMyMusic;

class TGame : public TEkran, public TBoardPlayer {
public:
    // Anchor of the board; its top-left corner is (x + _adX, y + _adY).
    int x = 275;
    int y = 75;
    int darkX = 240, darkY = 41;  // the board's dark backdrop
    TImagePtr poleGry;            // the side panel in use
    TImagePtr diament;            // the HUD diamond, mid-handled
    TImagePtr darkImg;
    std::array<TImagePtr, 2> paneleGry;  // one-sided and two-sided levels
    TImagePtr stripImg;  // the well of a waiting row
    TImagePtr barImg;    // the time bar, tinted and stretched
    TImagePtr slotImg;   // the socket of a bonus button
    TImagePtr glowImg;   // behind a bonus button under the pointer
    TImagePtr badgeImg;  // a bonus button's count
    TImagePtr ringImg;   // the keyboard cursor's ring, mid-handled
    std::unique_ptr<TGui> gui;  // holds the button "menu"
    std::vector<std::unique_ptr<TBonusButton>> bonusButtons;  // every button, file order
    std::vector<TBonusButton*> bonusbuttonsList;              // the column of this level
    TLevelPtr level;
    TImagePtr back;  // the level's background picture
    // The level's state machine (the header says what each state is);
    // None only before a level was prepared.
    enum class State { None, Begin, Go, Wait, WaitStrategy, Lost, Win, AfterWin2, End };
    State state = State::None;
    State lastState = State::None;  // where Wait returns to
    // The state's name as the board viewer shows it ("WAIT-STRATEGY").
    static const char* stateName(State state);
    int active = 0;         // 1 while the board takes clicks
    std::string levelMode;  // NORMAL, CHANGE, STRATEGY, TWO or PUZZLE
    TTilePtr over;          // the marble under the pointer
    int goExit = 0;         // 1 leaves the screen's loop
    int wynik = 0;          // what mainLoop returns
    int bAdx = 728, bAdy = 68;  // the first bonus button
    // Vertical offset of the HUD texts and the diamond counter.
    int levelAdy = 0;
    int ChangeTime = 0;   // clock time of the next colour change
    int actTime = 0;      // clock time of the next timed push
    TTileList znalezione; // the group under the pointer
    int bonusCredit = 0;     // credit toward a bonus marble
    int zebraneKapsle = 0;  // diamonds collected in this attempt
    // Clock time play began; after a win, how long the level took (ms).
    int czas = 0;
    int punkty = 0;
    int biggestMatch = 0;  // most marbles removed at once
    int matches = 0;          // number of removals
    int steps = 0;            // group clicks
    int _adX = 0;
    int _adY = 0;
    std::array<TRGB, 2> rgb{};
    std::array<TRGB, 2> outline{};
    TBonusButton* clickedBonus = nullptr;  // clicked this frame
    // The keyboard's and the pad's cursor on the board, and its keys.
    TBoardCursor cursor;
    TDirectionKeys cursorKeys;
    // The item of the bonus column the pad's Y chose: it glows and tells
    // what it does, and A (Enter) uses it. Kept while the keyboard's
    // cursor is hidden.
    TBonusButton* chosenBonus = nullptr;
    // The profile's bonus items when the level was set (quest), given back
    // on a restart.
    std::array<int, TProfile::kBonusKinds> bonusy{};
    TMyMusic* myMusic = nullptr;

    static constexpr const char* kBonusFile = "data/bonusy_tiles.dat";

    TGame() { _myName = "Game"; }

    // Pictures, widgets and bonus buttons; once at start-up.
    int setup() override;
    int update() override;
    int draw() override;
    void holdTimers(int ms) override;

    // The level the next attempt plays; a missing level is refused and the
    // screen keeps the one it has.
    int setLevel(const TLevelPtr& newLevel);
    // A fresh attempt of the current level; with a non-zero argument the
    // gate opens over it.
    int resetStartData(int openGate);
    // Plays the level: 1 when it was won and the results clicked away, 0
    // when the player left it. Other kinds of level go to their mini-game,
    // whose result it returns.
    int mainLoop();

    // The player's input of one frame, read after the frame's update and
    // drawing: the lost pop-up's buttons, or, in play with the gate open,
    // the marbles, the waiting rows, the bonus column and the menu, or the
    // keys that leave the results. The simulated player steps the screen
    // through update, draw and this.
    int controlFrame();

    // The level is won.
    int WYGRANA();
    // The level is lost: "NORMAL" (pushed out), "TWO" (pushed into the other
    // group) or "NO-MATCH".
    int PRZEGRANA(const std::string& reason);
    // What the board asks of and reports to the screen that plays it.
    const TLevelPtr& boardLevel() const override { return level; }
    int boardLeft() const override { return x + _adX; }
    int boardTop() const override { return y + _adY; }
    int diamondCounterY() const override { return levelAdy + 342; }
    void groupRemoved(int size) override;
    void boardMoving() override;
    void diamondCounted() override { zebraneKapsle += 1; }
    void boardWon() override { WYGRANA(); }
    void boardLost(const std::string& reason) override { PRZEGRANA(reason); }
    void boardSound(const char* name) override;

    // Pushes the next row now (the timers, the cleared-board reward, a
    // click on a waiting row), with a bonus marble once the credit is high
    // enough. Picture-puzzle boards never push.
    int giveNext();
    // czas as MM:SS.
    std::string obliczCzas() const;

    // The pieces of a level's start: layout, music and widgets by mode,
    // then the bonus column.
    int prepare(const std::string& mode);
    int _prepareLevelType();
    std::vector<TBonusButton*> _prepareBonusesList();
    int _prepareBonuses();

    // The keys of one frame in play. Reading them takes their hits, so a
    // key pressed while marbles settle is lost, as a click then is.
    struct PlayKeys {
        bool press = false;      // Enter or Space with the cursor shown
        bool useChosen = false;  // the same with an item chosen: it is used
        bool nextRow = false;    // N or the pad's X
        int item = -1;           // 1 to 9: that entry of the column, from 0
        bool nextItem = false;   // the pad's Y
    };
    PlayKeys readPlayKeys();

    // The player's input in state GO with the gate open. `keyPressed` is
    // the keyboard's press (Enter or Space, N or X), which does what the
    // left click does.
    int _controlTiles(bool keyPressed = false);
    int _controlUpDown(bool keyPressed = false);
    // The number keys and the pad's Y and A over the bonus column.
    int _controlItemKeys(const PlayKeys& keys);
    int _controlBonuses();
    int _controlGui();
    // A lone bonus marble clicked on the board fires; 1 when it did, 0 for a
    // marble of an ordinary colour. The caller then empties its list of the
    // group under the pointer.
    int _controlTileBonus(const TTilePtr& t);

    // The bomb or the eraser becomes the cursor: the next click on the board
    // fires it.
    int setBomb();
    int setEraseLine();
    // KIND_BOMB or KIND_LINE_ERASER while one is armed, else 0.
    int armedBonus() const;
    // A bonus button shown and usable now.
    static bool usable(const TBonusButton* b) { return b && b->v == 1 && b->a == 1; }
    // The pad's Y: the next usable item of the column after the chosen one
    // (the first one when none is chosen), round the column's end. The
    // first press after the cursor was hidden only shows it again.
    void chooseNextBonus();

    // Per-frame pieces.
    int _updateState();
    // The arrow keys (and W A S D) move the board's cursor; the first key
    // after the mouse moved only shows it again.
    int _updateCursor();
    // The cursor is drawn and picks the marble: the keyboard is in use and
    // the board is in play, not under a pop-up.
    bool cursorShown() const;
    int _updateTiles();
    int _updateOver();
    int _updateEmpty();
    int _updateMatch();
    int _updateTime();
    int _updateBonuses();
    int _updateMusic();
    int __updateBegin();
    int __updateWait();
    int __updateWaitStrategy();
    int __updateLost();
    int __updateWin();
    int __updateAfterWin2();
    // Pushes come on a timer in the modes NORMAL, TWO and CHANGE.
    bool _levelWithTime() const;
    int change();

    // Drawing (game_hud.cpp).
    int _drawBack();
    int _drawLevel();
    // The cursor's ring, with the armed bomb or eraser in it.
    int _drawCursor();
    int _drawNext();
    int _drawGui();
    int _drawDiamondCounter();
    int _drawLevelAndLines();
    int _drawBonuses();
    int _drawResults();
    // How full the time bar is, 0 to 1: full when the push is due.
    float timeBarFraction() const;

    // Restarts.
    // A new attempt of the same level behind the gate, the items spent in
    // the abandoned attempt given back (from the in-game menu and from the
    // lost pop-up alike).
    int restartAttempt();
    int closeGateQuick();
    // A fresh copy of the level for the next attempt.
    int getRestartLevel();
    // Quest: the profile's items as they were when the level was set.
    int restartBonuses();
    TBonusButton* getBonusButtonById(int k) const;
    TBonusButton* getBonusButtonThatIsNotOnList(const std::vector<TBonusButton*>& list) const;

private:
    // A pop-up the screen opened (the in-game menu, a help page) is up:
    // no cursor is shown behind it.
    bool covered_ = false;
    // The start of play, on the first frame the gate is open: help pages,
    // intro text, then the clocks.
    void startPlay();
    // The armed bomb or eraser goes back into the profile's stock.
    void disarm();
    // The results clicked away: the gate closes over the level.
    void leaveResults();
    // What every way out of mainLoop does.
    int leave(int result);
};
