#include "menus/main_menu.h"

#include "shell/media/media.h"
#include "shell/start.h"

int TMainMenu::mainLoop() {
    // The menu has no widgets yet: one frame of the empty backdrop, and the
    // choice is left open (Escape reaches the top-level loop and ends the game).
    Cls();
    frameTick();
    update();
    draw();
    Flip(-1);
    return -1;
}
