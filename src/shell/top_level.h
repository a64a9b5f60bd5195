#pragma once
// The top-level object: drives the flow between the main menu, the quest map
// and the quest's levels through a state word compared in upper case.
#include <string>

#include "shell/ekran.h"

class TMain : public TEkran {
public:
    std::string state;
    int goExit = 0;
    std::string typGry;  // the kind of play in progress: "QUEST" in the quest

    TMain() { _myName = "TMain - main game object"; }

    // Runs until the main menu quits or an Escape press no screen read.
    int mainLoop();
    int CHECK_mainMenu();
};
