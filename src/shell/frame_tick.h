#pragma once
// The display every screen draws on, the tick each of their frames begins
// with, and the way out of the game from any screen.
#include <functional>

class TDeltaTime;

// Opens the 800 x 600 display: full screen when fullScreen is not 0.
void setGraphicsMode(int fullScreen, int hertz);
// Once per frame of every screen: timing, events, Alt+F4 and close requests.
void frameTick();
// The frame timing that frameTick moves on (60 frames a second is delta 1).
TDeltaTime& frameTiming();
// What quitGame does before the process ends (the players' progress is
// saved); set once at start-up.
void setQuitStep(std::function<void()> step);
// What F11 or Alt+Enter does from any screen (full screen on or off, kept in
// the settings); set once at start-up.
void setFullScreenStep(std::function<void()> step);
// Alt+F4 and the window's close button end the game from any screen.
[[noreturn]] void quitGame();
