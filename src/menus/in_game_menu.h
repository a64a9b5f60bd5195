#pragma once
// The menu of a game in progress: resume, restart, settings, or back to the
// main menu (after a question). Opened over the game screen and the
// mini-games, by the player or when the window loses its focus; the screen
// behind stands still while it is open.
#include <memory>

#include "gui/gui.h"
#include "menus/popup_fade.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TInGameMenu : public TEkran {
public:
    TInGameMenu() { _myName = "In-game menu"; }
    static constexpr const char* kLayout = "data/gui_ingamemenu.gui";
    // What the player chose.
    enum Choice : int { RESUME = 0, RESTART = 1, MAIN_MENU = 2 };

    std::unique_ptr<TGui> gui;
    TImagePtr back;
    TEkran* ekran = nullptr;  // drawn behind the menu
    TPopUpFade fade;
    int goExit = 0;
    int where = RESUME;

    int setup() override;
    int update() override;
    int draw() override;

    // Runs the menu over `ekran`; returns the choice. Restart and the main
    // menu close the gate first (the puzzle restarts without it).
    int mainLoop(TEkran* ekran);
    // The loop's pieces: the menu starts coming in...
    void open(TEkran* behind);
    // ...and each frame's clicks and keys are read; true when it is over.
    bool react();
};
