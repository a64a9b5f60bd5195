#pragma once
// The guns of the shooting gallery, as data/guns.dat lists them:
//
//   guns {
//       i = 4
//       gun1 {
//           id = 1                what it does (see TGun::Kind)
//           name = "Slingshot"
//           celnosc = 0           spread: shots land up to 10 x celnosc pixels off
//           ammo = 8              cartridges per magazine
//           interwal = 0          ms between shots while the button is held
//           img = "gfx/gui/shooting/fuckyou.png"
//       }
//   }
//
// The first gun is the one in hand at the start and after a crate's gun has
// run dry.
#include <string>
#include <vector>

#include "shell/media/image.h"

class TGun {
public:
    // What a gun does, by its id. Any other id fires like an automatic.
    enum Kind : int {
        SINGLE = 1,     // one shot per click, exactly at the sight; reloaded by hand
        AUTOMATIC = 2,  // fires every `inter` ms while the button is held
        SCATTER = 3,    // one click fires a handful of spread pellets
        RIFLE = 4,      // like the automatic, with its own sound
    };
    // Files larger than this are damaged; the rest of their entries are ignored.
    static constexpr int kMaxGuns = 64;
    static constexpr int kMaxMagazine = 999;

    TImagePtr bullet;  // one cartridge of the ammunition bar
    TImagePtr img;     // the gun itself
    std::string name;
    float celnosc = 0;
    int magazynek = 1;  // at least 1
    int id = 0;
    int inter = 0;

    // Fires on a click rather than while the button is held.
    bool firesOnClick() const { return id == SINGLE || id == SCATTER; }
};

// The guns of a guns file in file order; a missing file gives none.
std::vector<TGun> loadGuns(const std::string& path);
