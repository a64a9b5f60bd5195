// The mini-games' heaviest moments, on the largest gallery free play allows
// (2000 balloons) and the quest's finest puzzle cut (5 x 6).
//
// GalleryFrame: one frame of the gallery's own work in play (every balloon
// rising, the count of balloons left). Target: under 0.5 ms.
// ScatterVolley: one click of the scatter gun, ten pellets, each tested
// against every balloon on screen (pixel-exactly where it lands on one's
// picture). Target: under 1 ms.
// PuzzleFrame: one frame of a 30-piece puzzle with the pointer over the
// pieces (the piece under it found among all loose pieces). Target: under
// 0.05 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include "app/game_objects.h"
#include "minigames/puzzle_game.h"
#include "minigames/shooting.h"
#include "shell/assets.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

// The game's working folder, where the guns, pictures and layouts are.
bool inGameFolder() {
    static const bool ok = chdir(VORNELL_GAME_DIR) == 0;
    return ok;
}

TShooting& gallery() {
    static TShooting s;
    static const bool ready = [] {
        imgMousePoint = LoadImage("gfx/gui/mousePoint.png");
        s.setup();
        return true;
    }();
    (void)ready;
    return s;
}

// A gallery in play with `balloons` balloons spread over the screen.
void fillSky(TShooting& s, int balloons) {
    auto level = std::make_shared<TLevel>();
    level->lines = 0;
    s.prepare(level);
    s.state = TShooting::State::Go;
    for (int i = 0; i < balloons; ++i) {
        TBottle b;
        b.x = float(60 + (i * 37) % 680);
        b.y = float(40 + (i * 53) % 460);
        b.n = i % TBottle::kBalloonColours;
        b.speedY = 0;  // they stay where they are for every iteration
        s.butelki.push_back(b);
    }
}

void GalleryFrame(benchmark::State& state) {
    if (!inGameFolder()) return state.SkipWithError("no working folder");
    TShooting& s = gallery();
    fillSky(s, TShooting::kMaxBalloons);
    delta = 1;
    for (auto _ : state) {
        s.update();
        benchmark::DoNotOptimize(s.policzButelki());
    }
}
BENCHMARK(GalleryFrame)->Unit(benchmark::kMillisecond);

void ScatterVolley(benchmark::State& state) {
    if (!inGameFolder()) return state.SkipWithError("no working folder");
    TShooting& s = gallery();
    s.setGun(2);
    s.gun->celnosc = 2.5f;
    objects().mouse.x = 400;
    objects().mouse.y = 300;
    for (auto _ : state) {
        state.PauseTiming();
        fillSky(s, TShooting::kMaxBalloons);
        s.setGun(2);
        state.ResumeTiming();
        s.shot();
        benchmark::DoNotOptimize(s.trafienia);
    }
}
BENCHMARK(ScatterVolley)->Unit(benchmark::kMillisecond);

void PuzzleFrame(benchmark::State& state) {
    if (!inGameFolder()) return state.SkipWithError("no working folder");
    static TPuzzleGame p;
    p.setupObject();
    auto level = std::make_shared<TLevel>();
    level->typ = "PUZZLE";
    level->rows = 5;
    level->cols = 6;
    level->_loadPuzzles("gfx/puzzles/puzzle4.jpg");
    p.prepare(level);
    p.state = TPuzzleGame::State::Go;
    objects().mouse.x = 400;
    objects().mouse.y = 300;
    for (auto _ : state) {
        p.update();
        benchmark::DoNotOptimize(p.over);
    }
}
BENCHMARK(PuzzleFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
