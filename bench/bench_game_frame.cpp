// The game screen's heaviest frames: the win effect on a full 15 x 15 board
// of 30-pixel marbles, with a removal's bursts and flying diamonds still in
// the air, drawn offscreen with the whole game set up in its working folder,
// one frame every 16 ms of the virtual clock. Prints the CPU time the game's
// thread spends on a frame (tick, update, draw and handing the quads to GL)
// and the GL draw calls, on average and for the worst frame. Targets: under
// 2 ms and under 20 draw calls.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game_objects.h"
#include "app/start.h"
#include "board/diamond_particle.h"
#include "board/tile_part.h"
#include "gui/particle.h"
#include "shell/frame_tick.h"
#include "shell/media/backend.h"
#include "shell/media/media.h"

namespace {

double threadCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// Fifteen rows of every colour of the level, laid out so that no two
// neighbours match except one group of seven in the bottom row.
TLevelPtr fullBoard() {
    auto level = std::make_shared<TLevel>();
    level->typ = "NORMAL-NORMAL";
    level->rows = level->cols = 15;
    level->zestaw = 1;
    level->rozmiar = 30;
    level->time = 100000;
    level->lines = 30;
    level->nr = 42;
    level->img = LoadImage("gfx/backgrounds/land5.jpg");
    for (int id = 1; id <= 6; ++id) level->available.push_back(tileKindById(id));
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 15; ++c) {
            const int id = r == 14 && c < 7 ? 1 : 2 + (r + 2 * c) % 5;
            level->setTileOnPos(r, c, tileKindById(id), 0);
        }
    return level;
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("VORNELL_CLOCK", "virtual", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("VORNELL_SEED", "1", 0);
    const std::filesystem::path save = std::filesystem::temp_directory_path() / "vornell-bench-game-frame";
    std::filesystem::create_directories(save);
    setenv("VORNELL_SAVE_DIR", save.c_str(), 1);
    std::error_code ec;
    std::filesystem::current_path(VORNELL_GAME_DIR, ec);
    if (ec) {
        std::printf("bench_game_frame: no working folder %s\n", VORNELL_GAME_DIR);
        return 1;
    }
    // Start-up talks to the console; the figures are what matter here.
    std::fflush(stdout);
    const int console = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    close(null);
    initGame();
    GameObjects& o = objects();
    TGame& game = o.game;
    o.main.typGry = "QUEST";
    game.setLevel(fullBoard());
    game.resetStartData(0);
    game.prepare("NORMAL");
    game.state = TGame::State::Go;
    game.active = 1;
    // Two frames of play first: every picture reaches the GPU once.
    for (int i = 0; i < 2; ++i) {
        Cls();
        game.draw();
        Flip(0);
    }
    // A group of seven goes (bursts and seven diamonds), then the win.
    game.level->findAll(game.level->tiles[14][0], game.znalezione);
    game.level->remove(game.znalezione);
    game.znalezione.clear();
    game.WYGRANA();
    std::fflush(stdout);
    dup2(console, 1);
    close(console);

    std::vector<double> times;
    int frames = 0, calls = 0, worstCalls = 0, peakParticles = 0, quads = 0, worstFrame = 0;
    while (!o.endEmitter.isEnd() && frames < 1000) {
        media::backend::finish();  // the GPU's own work is not the game's
        const double start = threadCpuMs();
        // The game screen's frame, as its loop runs it, up to presenting.
        Cls();
        frameTick();
        o.mouse.update();
        game.update();
        game.draw();
        o.mouse.draw();
        media::backend::flush();
        const double ms = threadCpuMs() - start;
        Flip(0);
        Delay(16);
        const auto stats = media::backend::lastFrameStats();
        if (times.empty() || ms > *std::max_element(times.begin(), times.end())) worstFrame = frames;
        times.push_back(ms);
        calls += stats.drawCalls;
        if (stats.drawCalls > worstCalls) worstCalls = stats.drawCalls;
        quads += stats.quads;
        if (int(particles.size()) > peakParticles) peakParticles = int(particles.size());
        ++frames;
    }
    std::printf("bench_game_frame: win effect on 15 x 15, %d frames, up to %d particles, %d quads a frame\n", frames,
                peakParticles, frames ? quads / frames : 0);
    if (times.empty()) return 1;
    double total = 0;
    for (double t : times) total += t;
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("bench_game_frame: %.3f ms CPU per frame on average, %.3f ms for 95 %% of frames, %.3f ms at worst "
                "(frame %d) (target: < 2 ms)\n",
                total / double(times.size()), sorted[sorted.size() * 95 / 100], sorted.back(), worstFrame);
    std::printf("bench_game_frame: %.1f draw calls per frame on average, %d at worst (target: < 20)\n",
                frames ? double(calls) / frames : 0.0, worstCalls);
    std::filesystem::remove_all(save, ec);
    return 0;
}
