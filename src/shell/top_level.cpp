#include "shell/top_level.h"

#include <algorithm>
#include <cctype>

#include "shell/game_objects.h"
#include "shell/media/input.h"
#include "shell/start.h"

namespace {
std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}
}  // namespace

int TMain::mainLoop() {
    state = "mainmenu";
    goExit = 0;
    do {
        frameTick();
        const std::string current = upper(state);
        if (current == "MAINMENU") CHECK_mainMenu();
        PollSystem();
        // An Escape press that no screen read ends the game.
    } while (KeyHit(KEY_ESCAPE) == 0 && goExit == 0);
    return 0;
}

int TMain::CHECK_mainMenu() {
    int choice = objects().mainMenu.mainLoop();
    if (choice == 0) goExit = 1;
    return 0;
}
