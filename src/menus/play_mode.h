#pragma once
// The choice between resuming the quest in progress and starting anew: a
// panel over the main menu that spins and zooms in, offers "resume", "new"
// and "main" (back), and spins and zooms out before the choice is given.
#include <memory>

#include "gui/gui.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TPlay : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_play.gui";
    static constexpr const char* kQuestion[2] = {"Go on with your journey,", "or start it anew?"};
    enum Result : int { BACK = 0, NEW_QUEST = 1, RESUME = 2 };

    std::unique_ptr<TGui> gui;
    TImagePtr img;  // the panel; centre handle
    float per = 0, dPer = 0;  // the panel's appearance and its target
    float alpha = 0;          // the buttons
    int wynik = BACK;

    TPlay() { _myName = "Play mode selection"; }

    int setupObject() override;
    int update() override;
    int draw() override;

    // Asks over the main menu; returns the Result.
    int mainLoop();
    void open();
    // One frame's clicks and keys; true once the panel has gone. The last
    // choice made before that counts.
    bool react();
};
