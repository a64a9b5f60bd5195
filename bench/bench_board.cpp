// The board's per-frame work and its heaviest single change, on the largest
// board a level may have (26 rows x 25 columns).
//
// Frame*: what the game screen does every frame in play: the group under the
// pointer (findAll) and whether any group is left (canMatch). Target: under
// 0.2 ms for the pair. Three boards: a typical random one, one where the
// pointer rests on a group of half the board, and one with no group left
// (canMatch must look at every marble).
//
// SettleAfterBomb: a bomb in the middle of a full board, with the scoring,
// sparks, diamonds and the settling of everything above it. Target: under
// 1 ms.
#include <benchmark/benchmark.h>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/level.h"
#include "board/tile_data.h"
#include "board/tile_part.h"
#include "gui/particle.h"
#include "shell/media/media.h"

namespace {

constexpr int kRows = TLevel::kMaxRows;
constexpr int kCols = TLevel::kMaxCols;

void useKinds() {
    if (!tileKinds.empty()) return;
    for (int id : {1, 2, 3, 4, 5, 6, 101, 116}) {
        auto kind = std::make_shared<TTileData>();
        kind->id = id;
        tileKinds.push_back(kind);
    }
}

// colourAt(r, c) gives the colour id of each cell.
template <typename F>
TLevelPtr fullBoard(F colourAt) {
    useKinds();
    auto level = std::make_shared<TLevel>();
    level->typ = "NORMAL-NORMAL";
    level->rows = kRows;
    level->cols = kCols;
    level->rozmiar = 20;
    for (int id = 1; id <= 6; ++id) level->available.push_back(tileKindById(id));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c) level->setTileOnPos(r, c, tileKindById(colourAt(r, c)), 0);
    return level;
}

void frame(benchmark::State& state, const TLevelPtr& level, int r, int c) {
    const TTilePtr hovered = level->tiles[size_t(r)][size_t(c)];
    size_t found = 0;
    int match = 0;
    for (auto _ : state) {
        found = level->findAll(hovered).size();
        match = level->canMatch();
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(match);
    }
    state.counters["group"] = double(found);
    state.counters["canMatch"] = match;
}

void FrameTypical(benchmark::State& state) {
    SeedRnd(1);
    TLevelPtr level = fullBoard([](int, int) { return Rand(1, 6); });
    frame(state, level, 13, 12);
}

void FrameLargeGroup(benchmark::State& state) {
    TLevelPtr level = fullBoard([](int r, int c) { return r < 13 ? 1 : 2 + (r + c) % 2; });
    frame(state, level, 0, 0);
}

void FrameNoGroupLeft(benchmark::State& state) {
    TLevelPtr level = fullBoard([](int r, int c) { return 1 + (r + c) % 2; });
    frame(state, level, 13, 12);
}

void SettleAfterBomb(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        SeedRnd(2);
        TLevelPtr level = fullBoard([](int, int) { return Rand(1, 6); });
        level->setTileOnPos(13, 12, tileKindById(KIND_BOMB), 0);
        const TTilePtr bomb = level->tiles[13][12];
        clearParticles();
        flyingDiamonds.clear();
        state.ResumeTiming();
        level->bomb(bomb);
        benchmark::DoNotOptimize(movingMarbles.size());
    }
    state.counters["moving"] = double(movingMarbles.size());
    state.counters["sparks"] = double(particles.size());
}

}  // namespace

BENCHMARK(FrameTypical)->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameLargeGroup)->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameNoGroupLeft)->Unit(benchmark::kMicrosecond);
BENCHMARK(SettleAfterBomb)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
