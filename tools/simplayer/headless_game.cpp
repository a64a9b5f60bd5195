#include "headless_game.h"

#include <cstdio>

#include "app/game_objects.h"
#include "board/diamond_particle.h"
#include "board/tile_data.h"
#include "board/tile_part.h"
#include "gui/particle.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"

bool HeadlessGame::open() {
    if (FileType("data/tiles1.dat") != 1 || FileType("data/levels.dat") != 1) {
        std::fprintf(stderr, "simplayer: run it in the game's working folder (build/game): no data/ here\n");
        return false;
    }
    // The clock is the game's virtual one: a level costs no more than its frames.
    media::resetClock(true, 1000);
    loadTileKinds();
    objects().levelManager.setup();
    return !tileKinds.empty() && !objects().levelManager.levels.empty();
}

Attempt HeadlessGame::play(int nr, uint32_t seed, const PlayerStyle& style) {
    return play([nr] { return objects().levelManager.loadLevel(nr); }, seed, style);
}

Attempt HeadlessGame::play(const std::function<TLevelPtr()>& make, uint32_t seed, const PlayerStyle& style) {
    GameObjects& o = objects();
    SeedRnd(int(seed & 0x7FFFFFFFu));
    media::resetClock(true, 1000);
    delta = 1;
    clearParticles();
    movingMarbles.clear();
    flyingDiamonds.clear();
    o.endEmitter.reset();
    o.endEmitter.setState(TEndEmitter::State::Wait);
    // A player with nothing bought and every help page read.
    o.profileManager.profile = nullptr;
    o.main.typGry.clear();

    Attempt attempt;
    const TLevelPtr level = make ? make() : nullptr;
    if (!level || level->kind() != "NORMAL") return attempt;
    TGame& game = o.game;
    game.setLevel(level);
    game.resetStartData(1);
    SimPlayer player(style, seed * 2654435761u + 17u);
    TMouse& mouse = o.mouse;
    const int start = MilliSecs();
    int now = start;
    for (int frame = 0;; ++frame) {
        // 60 frames a second: 17, 17 and 16 ms.
        Delay(frame % 3 == 2 ? 16 : 17);
        now = MilliSecs();
        const PointerAction action = player.frame(game, now);
        mouse.x = action.x;
        mouse.y = action.y;
        mouse.leftPressed = action.press ? 1 : 0;
        game.update();
        game.draw();
        game.controlFrame();
        if (game.state == TGame::State::Win || game.state == TGame::State::Lost) break;
        if (now - start > limitMs) {
            attempt.timedOut = true;
            break;
        }
    }
    attempt.won = game.state == TGame::State::Win;
    // Winning turns the start of play into the level's duration.
    attempt.playMs = attempt.won ? game.czas : now - game.czas;
    attempt.presses = player.presses();
    attempt.bonusClicks = player.bonusClicks();
    attempt.removals = game.matches;
    attempt.linesLeft = game.level ? game.level->lines : 0;
    mouse.leftPressed = 0;
    return attempt;
}
