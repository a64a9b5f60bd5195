#pragma once
// The catalogue of quest levels (data/levels.dat): each entry's number, map
// marker, name and level file. Turns a level number into a ready board.
//
//   levels {
//       ilosc = 97
//       level1 {
//           nr = 1
//           dim = 120, 430        marker on the quest map
//           name = "First Steps"
//           url = "data/levels/level1.dat"
//           gfxurl = ""
//           v = 1
//           typ = 0               0 small marker, 1 big marker
//       }
//   }
#include <optional>
#include <string>
#include <vector>

#include "board/level.h"
#include "gui/dim.h"

// One catalogue entry.
class TLevelData {
public:
    int nr = 0;
    std::string name;
    std::string url;
    std::string gfxUrl;
    std::optional<TDim> pos;
    int v = 1;
    int typ = 0;
};

class TLevelManager {
public:
    std::vector<TLevelData> levels;

    // Reads data/levels.dat. Once at start-up.
    int setup();
    // The same from another file (tests and tools).
    int setupFrom(const std::string& path);
    // A cleared board whose colours are every tile kind (free play).
    TLevelPtr createNewLevel();
    // A fresh level from its file: board levels get their laid-out or random
    // board. None, with a console line, when the number has no entry, its file
    // is missing or unreadable, or it describes a board that cannot be played.
    TLevelPtr loadLevel(int nr);
    // The bonus kinds a level offers (the map and the shop show them).
    std::vector<TTileDataPtr> _loadLevelBonusData(int nr);
    // The first entry with that number, or none.
    const TLevelData* getLevelData(int nr) const;
};
