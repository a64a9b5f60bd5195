#pragma once
// Whoever plays a board: the board asks it where the board stands and which
// level is on it, and reports to it what play does (points scored, marbles
// set moving, diamonds counted, the level won or lost). The game screen is
// the player; the board knows nothing more of it.
#include <memory>
#include <string>

class TLevel;

class TBoardPlayer {
public:
    virtual ~TBoardPlayer() = default;

    // The level on the board (none between levels).
    virtual const std::shared_ptr<TLevel>& boardLevel() const = 0;
    // The screen point of the board's top-left corner.
    virtual int boardLeft() const = 0;
    virtual int boardTop() const = 0;
    // Where diamonds freed by removed marbles fly to: the HUD's counter.
    virtual int diamondCounterY() const = 0;

    // A group of `size` marbles was removed by the player.
    virtual void groupRemoved(int size) = 0;
    // Marbles start moving; play waits until they rest.
    virtual void boardMoving() = 0;
    // A flying diamond reached the counter.
    virtual void diamondCounted() = 0;
    // The last row was called in with the board still standing.
    virtual void boardWon() = 0;
    // Marbles were pushed out ("NORMAL") or the two halves met ("TWO").
    virtual void boardLost(const std::string& reason) = 0;
    // One of the board's sounds, by name.
    virtual void boardSound(const char* name) = 0;
};

// The board's player. Until one is given (and after nullptr) it is a silent
// one: no level, the board at the origin, nothing scored or heard.
TBoardPlayer& boardPlayer();
void setBoardPlayer(TBoardPlayer* player);
