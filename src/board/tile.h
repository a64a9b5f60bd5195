#pragma once
// One marble on the board (or waiting to enter it): its kind, where it was
// last drawn, its grid cell, the wall it clings to, and its small visual
// state (hover, highlight, colour cross-fade, the pulse of bonus marbles).
#include <memory>
#include <string>

#include "board/tile_data.h"

class TTile;
using TTilePtr = std::shared_ptr<TTile>;

class TTile {
public:
    TTileDataPtr TD;
    TTileDataPtr dTD;  // the kind it is fading into, none when no fade runs
    float ca = 0;      // progress of that fade
    float x = 0, y = 0;  // centre at the last draw
    float rot = 0;
    float znak = 0;
    float rotSpeed = 0;
    float memX = 0, memy = 0;  // centre before a board move
    // Grid column and row. The board keeps them in step with the cell the
    // marble is in, and every board draw refreshes them.
    int px = 0, py = 0;
    int przyleg = 0;  // 0 clings to the bottom wall, 1 to the top wall
    float per = 0, dPer = 0;  // pulse phase and target (bonus marbles)
    int eraseTime = 0, time = 0;
    float eraseAlpha = 1;
    int isOver = 0;
    int isFound = 0;
    int isVisible = 1;
    int isErase = 0;
    int partTime = 0;
    std::string state;

    // Draws two random numbers (spin direction and speed), as every new
    // marble does.
    TTile();
    explicit TTile(TTileDataPtr kind, int group = 0);

    int draw(int cx, int cy);
    int updatePer();
    int drawOveredByFind();
    int _drawOver();
    int _updateOver();
    int _updateRotation() { return 0; }
    int _updateTileParticles();
    int endParticles();
    int checkedParticles();
    int generateEndParticles();
    int _updateChange();
    int update();
    int changeTo(TTileDataPtr kind);

    // The picture of the kind for the marble size set of the level on the
    // game screen (none when the kind has no picture there).
    const TImagePtr& picture() const;
};

// The pulse of bonus marbles (a marble's per and dPer, a moving marble's p
// and dp): the phase moves toward its target by 0.05 x delta, never past it;
// once there, the target flips between 0 and 1.
void updatePulse(float& phase, float& target);

// The marble size set (0, 1 or 2) of the level on the game screen; 0 when
// no level is shown.
int currentMarbleSet();
// The cell size in pixels of the level on the game screen; 20 when none.
int currentCellSize();
