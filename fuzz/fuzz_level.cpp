// Level files: any bytes must load into a level without a crash or a hang,
// and whatever board they describe must survive being played: waiting rows,
// pushes, group searches, removals, bonus effects and settling.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "board/tile_data.h"
#include "board/tile_part.h"
#include "datafiles/rcm_file.h"
#include "gui/particle.h"
#include "shell/media/files.h"
#include "shell/media/media.h"

namespace {

void useKinds() {
    tileKinds.clear();
    for (int id = 1; id <= 118; ++id) {
        if (id > 14 && id <= 100) continue;
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        tileKinds.push_back(kind);
    }
}

void play(TLevel& level) {
    level.randomMe();
    for (int step = 0; step < 6; ++step) {
        for (int r = 0; r < level.usedRows(); ++r)
            for (int c = 0; c < level.usedCols(); ++c)
                if (const TTilePtr t = level.tiles[size_t(r)][size_t(c)]) {
                    // Clicked as on the game screen: a group is removed, a
                    // lone bonus marble fires.
                    TTileList group = level.findAll(t);
                    if (group.size() > 2) {
                        level.remove(group);
                        level.checkLevel(0);
                    } else {
                        objects().game._controlTileBonus(t);
                    }
                }
        level.canMatch();
        level.changeRandom();
        level.giveNext(1);
        level.draw();
    }
    clearParticles();
    flyingDiamonds.clear();
    movingMarbles.clear();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Console messages about broken level files are expected by the thousand.
    if (!std::freopen("/dev/null", "w", stdout)) return 0;
    useKinds();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = media::decodeText(std::vector<uint8_t>(data, data + size));
    TRCMFile file;
    file.readText(text);
    SeedRnd(int(size) + 1);
    auto level = std::make_shared<TLevel>();
    if (!level->_loadData(file, "level::")) return 0;
    if (level->kind() == "NORMAL") level->_loadTiles(file, "level::");
    TGame& game = objects().game;
    game.level = level;
    // Each input starts in play, whatever the last one's win or loss left.
    game.state = game.lastState = TGame::State::Go;
    play(*level);
    game.level = nullptr;
    objects().endEmitter.reset();
    return 0;
}
