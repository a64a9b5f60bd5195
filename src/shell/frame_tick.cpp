#include "shell/frame_tick.h"

#include <cstdlib>
#include <memory>
#include <utility>

#include "shell/delta_time.h"
#include "shell/media/media.h"

namespace {

std::function<void()>& quitStep() {
    static std::function<void()> step;
    return step;
}

std::function<void()>& fullScreenStep() {
    static std::function<void()> step;
    return step;
}

}  // namespace

void setGraphicsMode(int fullScreen, int hertz) {
    if (!Graphics(800, 600, fullScreen ? 32 : 0, hertz, 0)) {
        Print("Vornell needs a display with OpenGL 3.3; none could be opened.");
        std::exit(1);
    }
    SetBlend(ALPHABLEND);
}

TDeltaTime& frameTiming() {
    // Lives until the process ends, as the screens do.
    static const std::unique_ptr<TDeltaTime> timing = TDeltaTime::Create(60);
    return *timing;
}

void frameTick() {
    TDeltaTime& timing = frameTiming();
    timing.Update();
    delta = timing.CurrDelta();
    PollSystem();
    // Alt+F4 is taken from the keys as they arrived, not from what is held
    // now: a quick chord is over before the frame looks.
    if (QuitChordHit()) quitGame();
    if (FullScreenChordHit() && fullScreenStep()) fullScreenStep()();
    if (AppTerminate()) quitGame();
}

void setQuitStep(std::function<void()> step) { quitStep() = std::move(step); }

void setFullScreenStep(std::function<void()> step) { fullScreenStep() = std::move(step); }

void quitGame() {
    // The players' progress goes with them into the save files.
    if (quitStep()) quitStep()();
    // No more-games screen: the game simply ends.
    ShowMouse();
    std::exit(0);
}
