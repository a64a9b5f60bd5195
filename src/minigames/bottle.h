#pragma once
// What rises in the shooting gallery: balloons, and crates on parachutes
// that hand over a better gun when shot.
//
// The crates' bonuses come from data/bonusy.dat:
//
//   bonusy {
//       ilosc = 4
//       bonus1 {
//           id = 2                2, 3, 4: the second, third, fourth gun
//           img = "gfx/gui/shooting/bonus_smg.png"   shown when the crate is hit
//       }
//   }
#include <array>
#include <string>
#include <vector>

#include "shell/media/image.h"

class TShooting;

class TBottleBonus {
public:
    static constexpr int kMaxBonuses = 64;

    TImagePtr img;
    int id = 0;
};

// The bonuses of a bonus file in file order; a missing file gives none.
std::vector<TBottleBonus> loadBottleBonuses(const std::string& path);

class TBottle {
public:
    static constexpr int kBalloonColours = 14;
    // The pictures every bottle draws from: balloon n is balloons[n].
    struct Pictures {
        std::array<TImagePtr, kBalloonColours> balloons;
        TImagePtr crate;
    };
    static Pictures pictures;
    // Loads the pictures (centre handles). Once, with the gallery's set-up.
    static void loadPictures();

    float x = 0, y = 0;  // centre
    float rot = 0;       // degrees; crates turn as they rise
    int n = 0;           // balloon picture
    std::string state;   // "" while floating, "DOWN" once hit
    float scale = 1, dScale = 1;
    float speedY = 0;  // upward, pixels per frame
    // The crate's bonus; a bottle without one is a balloon in every respect.
    const TBottleBonus* bonus = nullptr;
    // Set when the bottle is done with; the gallery drops it from its list.
    bool removed = false;

    bool isCrate() const { return bonus != nullptr; }
    bool isDown() const { return state == "DOWN"; }
    const TImagePtr& picture() const;

    void draw() const;
    // One frame of rising (or, once hit, of flying off while shrinking); 1
    // when the bottle has left the screen or shrunk away.
    int update();
    // The bottle is hit: a balloon bursts (once), a crate hands over its gun
    // and is gone.
    void destroy(TShooting& shooting);
    // 1 when the point lies on an opaque pixel of the bottle's picture.
    int checkCollision(int px, int py) const;
};
