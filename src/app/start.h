#pragma once
// The program's start-up and its run from the intro to the end.
#include <string>

// initGame, the intro, the top-level state machine, then quitGame.
[[noreturn]] void runGame();
// Everything loaded behind the loading screen, which then fades to black.
void initGame();
// Puts a language to use at once: its pictures replace the old ones in
// place, and every text the screens keep is read again in it.
void switchLanguage(const std::string& code);
