#pragma once
// The picture puzzle: the level's picture is cut into a grid of pieces that
// lie scattered over the screen. A click picks a piece up, a second click
// puts it down; put down with the pointer over its own cell, it snaps into
// place and stays there. By keys, a cursor goes from loose piece to loose
// piece, and with a piece in hand from empty cell to empty cell; Enter or
// Space picks up and puts down as the clicks do. The darkened whole picture under the board shows
// where every piece belongs. When all are placed, the results show the
// pieces, the time, the clicks and the points, which go to the current
// player.
#include <memory>
#include <string>
#include <vector>

#include "board/level.h"
#include "game/result_text.h"
#include "gui/direction_keys.h"
#include "gui/gui.h"
#include "gui/keyboard_focus.h"
#include "minigames/stick_steps.h"
#include "players/bests.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TPuzzleGame;

// One piece of the picture.
class TPuzel {
public:
    int id = 0;         // its home cell: row x cols + column
    int f = 0;          // the frame of the cut picture it shows (always id)
    float x = 0, y = 0;  // centre on screen
    int done = 0;       // 1 once placed; a placed piece stays where it is

    void draw(const TPuzzleGame& game) const;
};

class TPuzzleGame : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_puzzleGame.gui";
    // The board: the rectangle the picture's grid fills.
    static constexpr int kBoardW = 500, kBoardH = 375;
    // Result lines read back while the pieces are counted into points.
    static constexpr int kPiecesLine = 3, kTimeLine = 4, kPointsLine = 5;

    // The gate opening, play, the results, starting over; None before the
    // first puzzle.
    enum class State { None, Open, Go, Results, Restart };
    State state = State::None;
    std::unique_ptr<TGui> gui;
    TImagePtr img;    // the puzzle's backdrop without a board
    TImagePtr panel;  // the frame around the board, drawn over the guide picture
    float fade = 0, dFade = 0;
    TLevelPtr level;
    // Every piece; list order is drawing order, so later pieces lie on top.
    std::vector<std::unique_ptr<TPuzel>> listaPuzzli;
    std::string lastTime;  // the play time frozen when the puzzle was solved
    TBests::NewBest newBest;  // what the solving improved
    float adx = 0, ady = 0;  // from the pointer to the carried piece's centre
    TPuzel* over = nullptr;    // the loose piece under the pointer
    TPuzel* picked = nullptr;  // the piece being carried
    std::vector<TResultText> listaWynikow;
    int goExit = 0;
    int klikniecia = 0;  // one per pick-up and one per put-down
    int counterTime = 0;  // next counting step of the results, ms
    int time = 0;         // clock at the start of the game, ms
    int wynik = 0;        // 1 solved, 0 left for the main menu
    // 1 once solved during this visit; it stays solved (and paid) through a
    // restart of the finished puzzle.
    int solved = 0;
    float startX = 148, startY = 103;
    // The keys' cursor. Without a piece in hand it rests on a loose piece;
    // with one, on an empty cell (-1: still where the piece was taken up,
    // until a key moves it), and the piece goes with it. It keeps its
    // place while the mouse is used.
    TPuzel* cursorPiece = nullptr;
    int cursorCell = -1;
    float cursorX = 400, cursorY = 300;  // the middle of the place it rests on
    float takenX = 0, takenY = 0;        // where the piece in hand was taken up
    bool covered = false;                // a pop-up is up over the puzzle

    TPuzzleGame() { _myName = "Puzzle Game"; }

    int setupObject() override;
    int update() override;
    int draw() override;
    void holdTimers(int ms) override;

    // Plays the level: 1 when solved, 0 when left for the main menu.
    int mainLoop(const TLevelPtr& level);
    // A fresh shuffle of the level behind the opening gate; the clock and
    // the clicks start again.
    void prepare(const TLevelPtr& level);
    // The frame's reaction to the mouse and keys, after update and draw;
    // true when the game is over.
    bool react();

    // Puts the carried piece down where the pointer is.
    void upusc();
    // Puts the carried piece down with the point (px, py) deciding, as the
    // pointer does: over the piece's own cell it snaps in.
    void putDownAt(int px, int py);
    // The puzzle is solved: results, veil, applause. Once.
    void WYGRANA();
    // The play time as minutes and seconds ("03:07", "75:00").
    std::string obliczCzas() const;
    // The in-game menu over the puzzle, and what its choice does.
    void goMenu();
    void afterMenu(int choice);
    // Starts the restart: the gate closes, then the level is shuffled anew.
    void restart() { state = State::Restart; }
    void restartLevel() { prepare(level); }
    // The cell under the point as row x cols + column, or -1 outside the
    // grid's rows and columns.
    int cellAt(int px, int py) const;

    // The keys' cursor. An arrow goes to the nearest place that way (a
    // piece, or with a piece in hand an empty cell); `step` 1 or -1 to the
    // next or previous place in reading order, round the end.
    void moveCursor(int dx, int dy);
    void cycleCursor(int step);
    // Enter: takes up the piece under the cursor, or puts the one in hand
    // down on the cursor's place.
    void pressCursor();
    // Escape with a piece in hand: back where it was taken up.
    void putBack();
    // The places the cursor may rest on now, by piece index in the list or
    // by cell, with hit areas half a piece wide around their middles.
    std::vector<TFocusTarget> cursorPlaces() const;
private:
    void _prepareSelf(const TLevelPtr& level);
    void _preparePuzzles();
    void _preparePuzzlesRandom();
    void _preparePuzzlesPosition();
    void _prepareDelta();
    void _prepareResults();
    void _updateState();
    void _updatePuzzles();
    void _updateResults();
    void _updateFade();
    void _drawBack();
    void _drawPuzzles();
    void _drawGui();
    void _drawFade();
    void _drawResults();
    void _burst(const TPuzel& piece);
    // This frame's cursor keys in play; a first key only shows the cursor.
    void _playKeys(TStep step, int cycle, bool press);
    // The cursor back on a place that still is one: the loose piece nearest
    // to where it was, or with a piece in hand an empty cell or none.
    void _settleCursor();
    void _restOn(int place);
    bool _cellFilled(int cell) const;
    void _drawCursor() const;

    TDirectionKeys arrows_;
    TStickSteps stickSteps_;
};
