#pragma once
// Flying diamonds: each leaves a removed marble (or a cleared board) and
// flies in an eased curve to the HUD's diamond counter, where it adds 1 to the
// diamonds collected in the attempt. The list is never emptied: a diamond in
// flight when a level ends counts toward whatever is played next.
#include <vector>

class TDiamondParticle {
public:
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;
    float x2 = 0, y2 = 0;
    float mx = 0, my = 0;  // control point of the curve
    float per = 0;
    float perSpeed = 0.03f;
    float rot = 0;
    float rSpeed = 0;
    int n = 0;  // picture in diamondImages
    float a = 1;
    int startTime = 0;  // waits until then

    // 1 when it has arrived (and been counted).
    int update();
    int generateParticles() { return 0; }
    int draw() const;

    static void _updateDiamonds();
    static void _drawDiamonds();
};

// Every diamond in flight, in creation order.
extern std::vector<TDiamondParticle> flyingDiamonds;

// From (x1, y1) to (x2, y2) through the control point (x1, y2). The returned
// reference stays valid until the next diamond is created or the list is
// updated; callers set rSpeed, perSpeed and startTime through it at once.
TDiamondParticle& createDiamond(int n, int x1, int y1, int x2, int y2);
