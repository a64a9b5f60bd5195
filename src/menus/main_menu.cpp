#include "menus/main_menu.h"

#include "shell/game_objects.h"
#include "shell/media/media.h"
#include "shell/start.h"

void TMainMenu::prepare() {
    TGlobalSnd& snd = objects().snd;
    snd.stopAllMusic();
    snd.playMusic("main");
}

int TMainMenu::mainLoop() {
    // The menu has no widgets yet: its backdrop and music, and Escape leaves.
    prepare();
    for (;;) {
        Cls();
        frameTick();
        update();
        draw();
        Flip(-1);
        if (KeyHit(KEY_ESCAPE)) return 0;
    }
}
