// The game's data tables read at start-up: the level catalogue, the tile
// kinds, the bonus column, the gallery's crates and guns, the free-play
// picture sets and story files. Any bytes, given to every reader, must read
// without a crash, a hang or a leak into values the screens can use.
#include <cstdint>
#include <cstdio>
#include <string>

#include "board/level_manager.h"
#include "board/tile_data.h"
#include "fuzz_file.h"
#include "game/bonus_button.h"
#include "minigames/bottle.h"
#include "minigames/gun.h"
#include "players/profile.h"
#include "quest/free_play_tab.h"
#include "quest/story.h"

// The readers' console lines would only slow the fuzzer down.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = writeFuzzInput(data, size, ".dat");

    TLevelManager catalogue;
    catalogue.setupFrom(path);
    for (const TLevelData& entry : catalogue.levels)
        if (catalogue.getLevelData(entry.nr) == nullptr) __builtin_trap();

    loadTileKindsFrom(path);
    for (const TTileDataPtr& kind : tileKinds)
        if (!kind) __builtin_trap();

    if (loadBonusButtons(path).size() > size_t(TProfile::kBonusKinds)) __builtin_trap();
    if (loadBottleBonuses(path).size() > size_t(TBottleBonus::kMaxBonuses)) __builtin_trap();
    if (loadGuns(path).size() > size_t(TGun::kMaxGuns)) __builtin_trap();

    TZakladka tab;
    tab.loadSets(path);

    readStory(path, "story.dat");
    return 0;
}
