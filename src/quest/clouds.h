#pragma once
// The clouds drifting over the quest map: up to 25 at once, all drifting the
// same way, the direction turning by a degree every half second. A cloud that
// drifts off the map is replaced at once by a new one somewhere on it.
#include <array>
#include <vector>

#include "shell/media/image.h"

class TChmura {
public:
    float x = 0, y = 0;  // centre
    float speed = 0;     // pixels per frame
    float a = 0, dA = 0; // alpha and the alpha it fades to
    int n = 0;           // picture 0 to 4

    // Drifts along `angle` (degrees); false once it has left the map.
    bool update(float angle);
    void draw(const std::array<TImagePtr, 5>& images) const;
};

class TChmury {
public:
    static constexpr int kMaxClouds = 25;

    std::array<TImagePtr, 5> images;
    std::vector<TChmura> list;
    float angle = 0;  // drift direction, degrees
    int turn = 1;     // -1 or +1 degree per turn
    int nextTurn = 0; // clock time of the next turn

    TChmury() { list.reserve(kMaxClouds); }
    // The five cloud pictures; once.
    void setup();
    // A new cloud fading in somewhere on the map; none when there are
    // kMaxClouds already. Valid until the next cloud is made.
    TChmura* createNewCloud();
    void updateALL();
    void drawAll() const;
};
