#pragma once
// The top-level object: drives the flow between the main menu, the quest map
// and the quest's levels through its state:
//
//   MAINMENU  the main menu; "play" starts a new quest (its opening story,
//             then MAP) or resumes one (RESUME)
//   MAP, RESUME  the quest map, then QUEST
//   QUEST     the current level; won: a story after every tenth level, then
//             MAP with the next level (after the last level: the closing
//             story and the credits, then MAINMENU); left: MAINMENU
#include <string>

#include "shell/ekran.h"

class TMain : public TEkran {
public:
    // The last level of the quest.
    static constexpr int kLastQuestLevel = 97;

    enum class State { MainMenu, Map, Resume, Quest };
    State state = State::MainMenu;
    int goExit = 0;
    std::string typGry;  // the kind of play in progress: "QUEST" in the quest

    TMain() { _myName = "TMain - main game object"; }

    // Runs until the main menu quits.
    int mainLoop();
    // One pass: the screen of the current state.
    void dispatch();
    int CHECK_mainMenu();
    int CHECK_map();
    int CHECK_continueQuest();
    // The current player starts the quest from level 1.
    void prepareNewQuest();
    void PROC_startNewQuest();
    void PROC_resumeQuest();
    // What happens after level `nr` was won.
    void levelWon(int nr);

    // The story told after winning level `nr` ("" for none): a new land
    // comes after every tenth level.
    static std::string storyAfterLevel(int nr);
};
