#pragma once
// The bonus items beside the board: one button per kind of item a player can
// hold (colour blasts 1-14, shuffle, bomb, line eraser). A click spends one
// of the current profile's items. The buttons are read once from
// data/bonusy_tiles.dat:
//
//   bonusy {
//       i = 17
//       img1 = "gfx/tiles/bonus/button_red.png"       usable
//       gimg1 = "gfx/tiles/bonus/button_red_off.png"  not usable
//       txt1 = "Removes every red marble"             its tooltip
//   }
//
// Button i spends profile entry i - 1.
#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/image.h"

class TBonusButton : public TDim {
public:
    TImagePtr img;       // usable, mid-handled
    TImagePtr unactive;  // not usable, mid-handled
    std::string txt;     // what it does, shown while the pointer rests on it
    int howMany = 0;     // the profile's items of this kind, refreshed every frame
    int nr = 0;          // the profile entry (0 to 16) it spends
    int a = 0;           // 1 while usable
    int v = 0;           // 1 while shown
    int over = 0;        // the pointer is on the picture
    int chosen = 0;      // chosen by the pad's Y (the game screen sets it)
    // Glows and tells what it does: under the pointer, or, while the
    // keyboard is in use and the pointer hidden, chosen.
    int lit = 0;
    int clicked = 0;     // clicked this frame
    float alpha = 0;     // the glow behind a usable button under the pointer
    float scale = 1;     // 1.1 in the frame of a click
    std::string url;     // the file of img

    // Once a frame: the count from the profile (a count of 0 makes the
    // button unusable until the column is prepared again), the pointer, the
    // choice and the glow. 1 when a usable button was clicked.
    int update();
    // The button with its glow and count badge; a chosen one within the
    // keyboard focus's pulsing gold outline.
    void draw(const TImagePtr& glow, const TImagePtr& badge) const;
    // Its caption beside the column while it is lit.
    void drawTooltip() const;

private:
    // The gold outline of a chosen button.
    void drawChosen() const;
};

// The profile's items of entry nr (0 without a profile or for an entry it
// does not have).
int profileBonusCount(int nr);

// Every button of the file in file order; entries the file lacks are left
// out, and so are numbers beyond the profile's 17 entries.
std::vector<std::unique_ptr<TBonusButton>> loadBonusButtons(const std::string& path);
// Reads the buttons' tips again (the language changed), leaving the rest.
void readBonusTips(const std::vector<std::unique_ptr<TBonusButton>>& buttons, const std::string& path);
