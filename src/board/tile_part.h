#pragma once
// Moving marbles: when the board moves a marble, its cell changes at once and
// the marble hides while a copy of its picture slides from the old place to
// the new one. The game waits until none is left in flight.
#include <vector>

#include "board/tile.h"
#include "shell/media/image.h"

class TTilePart {
public:
    float x = 0, y = 0;
    float rot = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;  // control point of the curve
    float per = 0;
    float p = 0, dp = 0;  // pulse phase and target, held while it flies
    TImagePtr img;
    TTilePtr tile;
    int typ = 0;  // 0 straight, 1 curved
    float speed = 0;
    bool arrived = false;

    // 1 once it has landed (the marble shows again).
    int update();
    int draw();
    int updatePer();
    int remove();
};

// Every marble in flight.
extern std::vector<TTilePart> movingMarbles;

// Starts a marble sliding from (x1, y1) to (x2, y2): the curve leaves
// horizontally and arrives vertically. The reference stays valid until the
// next part is created or the list is updated.
TTilePart& createTilePart(const TImagePtr& img, int x1, int y1, int x2, int y2, const TTilePtr& tile, int typ);
// Moves every part and drops those that landed.
void updateTileParts();
void drawTileParts();
