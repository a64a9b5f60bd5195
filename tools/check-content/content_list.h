#pragma once
// What the game loads by name, for the content check. Content added later
// adds its lines here.
#include <string>
#include <vector>

namespace content {

// A picture and, when the game relies on its size, the size it must have
// (exact) or fit in (at most); 0 means any.
struct Picture {
    std::string path;
    int width = 0, height = 0;
    bool exact = false;
};

struct Font {
    std::string path;
    int size;
};

// Pictures named directly by the game's code.
std::vector<Picture> namedPictures();
// The ten fonts of the font set.
std::vector<Font> fonts();
// Structured data files whose pictures are listed inside them.
extern const char* const kTileKinds;     // data/tiles1.dat
extern const char* const kBonusButtons;  // data/bonusy_tiles.dat
extern const char* const kLevelCatalogue;  // data/levels.dat, naming the level files
extern const char* const kGuns;            // data/guns.dat
extern const char* const kCrateBonuses;    // data/bonusy.dat
extern const char* const kPictureSets;     // data/zestawy.dat, free play's puzzle pictures
constexpr int kQuestLevels = 97;
constexpr int kQuestLands = 10;
constexpr int kBonusButtonCount = 17;
// The shooting gallery's guns, by id in file order (1 to 4); the crates
// hand over the last three.
constexpr int kGunCount = 4;
// The board a puzzle picture fills.
constexpr int kPuzzleWidth = 500, kPuzzleHeight = 375;

}  // namespace content
