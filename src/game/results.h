#pragma once
// The results panel of a won board level: rows of captions and values slide
// in from both sides over the darkened board, then the level's bonus is
// counted up into the total, one unit a frame. Showing the panel pays the
// diamonds and the bonus into the current profile, once, and a quest level's
// win into the player's bests; a best beaten is marked beside its value.
#include <array>
#include <string>

#include "players/bests.h"

// "New best!" as a gold caption whose left edge is at x, over the line at y.
void drawNewBestTag(int x, int y, float alpha);

class TWyniki {
public:
    static constexpr int kRows = 6;

    std::array<float, kRows> x{};  // slide offset of each row, up to -1
    std::array<float, kRows> y{};
    std::array<float, kRows> a{};  // alpha of each row
    std::array<std::string, kRows> txt;
    // Values: diamonds, matches, biggest match, (time), score, counted bonus.
    std::array<int, kRows> points{};
    std::string timeText;  // row 3
    int rows = 0;          // 6, or 3 for a picture-puzzle board
    int v = 0;             // 1 while shown
    TBests::NewBest newBest;  // what this win improved

    // Fills the rows from the game screen's attempt and pays the profile.
    void show();
    void hide() { v = 0; }
    void update();
    // One step of counting the bonus into row 5.
    void licz();
    void draw() const;

    // What a won attempt earns on top of its score: each diamond 1, each
    // removal 2, each marble of the biggest removal 5.
    static int bonusFor(int diamonds, int matches, int biggest) { return diamonds + 2 * matches + 5 * biggest; }

private:
    bool puzzle_ = false;
};
