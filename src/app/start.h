#pragma once
// The program's start-up and its run from the intro to the end.

// initGame, the intro, the top-level state machine, then quitGame.
[[noreturn]] void runGame();
// Everything loaded behind the loading screen, which then fades to black.
void initGame();
