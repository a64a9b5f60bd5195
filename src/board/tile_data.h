#pragma once
// Tile kinds: every colour and bonus marble the board knows, read once at
// start-up from data/tiles1.dat.
//
// Ids: 1-99 ordinary colours (k matches only k); 100 + k the colour blast of
// colour k (k = 1-14); 115 shuffle, 116 bomb, 117 line eraser, 118 side switch.
// Every id above 100 is a bonus marble.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "gui/dim.h"
#include "shell/media/image.h"

class TTileData {
public:
    // The marble's picture for size sets 0, 1 and 2 (20, 30 and 45 pixel
    // cells), each with its handle in its centre; none where a picture failed.
    std::array<TImagePtr, 3> img;
    int id = 0;
    // Representative colour; the board's sparkles are tinted from it.
    TRGB rgb;
};
using TTileDataPtr = std::shared_ptr<TTileData>;

enum TileKindId : int {
    KIND_BLAST_BASE = 100,  // + colour
    KIND_SHUFFLE = 115,
    KIND_BOMB = 116,
    KIND_LINE_ERASER = 117,
    KIND_SIDE_SWITCH = 118,
};

// Every kind in file order; read-only once loaded.
extern std::vector<TTileDataPtr> tileKinds;

// Replaces tileKinds with the kinds of data/tiles1.dat, pictures loaded
// filtered and mipmapped. Once, after the display is open.
void loadTileKinds();
// The same from another file (tests and tools).
void loadTileKindsFrom(const std::string& path);

// For colour codes of level files: a code above 100 means the same colour
// in the top group, so it is reduced by 100 first. The first kind with that
// id, or none.
TTileDataPtr tileKindForCode(int code);
// The first kind whose id is exactly `id`, or none.
TTileDataPtr tileKindById(int id);
