#include "menus/in_game_menu.h"

#include "app/game_objects.h"
#include "shell/media/media.h"

int TInGameMenu::setup() {
    gui = createGui(kLayout);
    back = LoadImage("gfx/gui/game/menu.png");
    MidHandleImage(back);
    return 0;
}

void TInGameMenu::open(TEkran* behind) {
    ekran = behind;
    goExit = 0;
    where = RESUME;
    fade.open();
}

int TInGameMenu::update() {
    fade.update();
    gui->update();
    fade.applyTo(*gui);
    objects().gate.update();
    return 0;
}

int TInGameMenu::draw() {
    if (ekran) ekran->draw();
    fade.drawPanel(back, 470, 275);
    gui->draw();
    objects().gate.draw();
    return 0;
}

bool TInGameMenu::react() {
    GameObjects& o = objects();
    // Escape, or Start on a gamepad, closes the menu as it opened it.
    if (KeyHit(KEY_ESCAPE) + KeyHit(KEY_PAUSE) > 0 || gui->clickedItem("resume")) fade.close();
    if (gui->clickedItem("restart")) {
        // The puzzle reshuffles behind its own gate; everything else
        // restarts behind this one.
        if (ekran != &o.puzzleGame) o.gate.close();
        where = RESTART;
        fade.close();
    }
    if (gui->clickedItem("mainmenu") && o.yesOrNo.mainLoop(o.teksty.txtCzyNaPewno, this) == 1) {
        // The menu stays up until the gate has closed over it.
        o.gate.close();
        where = MAIN_MENU;
    }
    if (gui->clickedItem("settings")) o.settings.mainLoop(this);
    if (KeyHit(KEY_L)) gui->reload();
    if (o.gate.closed()) goExit = 1;
    if (fade.gone()) goExit = 1;
    return goExit != 0;
}

int TInGameMenu::mainLoop(TEkran* behind) {
    if (behind) behind->pauseTimers();
    open(behind);
    const Shown shown(*this);
    do {
        runFrame();
    } while (!react());
    if (behind) behind->resumeTimers();
    // The player is back: a focus lost while the menu was up is answered.
    AppFocusLost();
    if (where == MAIN_MENU) objects().game.goExit = 1;
    return where;
}
