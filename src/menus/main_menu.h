#pragma once
// The main menu.
#include "shell/ekran.h"

class TMainMenu : public TEkran {
public:
    TMainMenu() { _myName = "Main Menu"; }
    // 0 quit, 1 new quest, 2 resume the quest; anything else changes nothing.
    int mainLoop();
    // Every entry starts the menu's music afresh.
    void prepare();
};
