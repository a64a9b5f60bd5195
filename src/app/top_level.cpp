#include "app/top_level.h"

#include "app/game_objects.h"
#include "datafiles/strings.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"

int TMain::mainLoop() {
    state = State::MainMenu;
    goExit = 0;
    do {
        frameTick();
        dispatch();
        PollSystem();
        // An Escape that no screen read (one pressed while a screen was
        // leaving) is dropped here. It must not end the game: after a won
        // level it would do so before the map has saved the progress.
        KeyHit(KEY_ESCAPE);
    } while (goExit == 0);
    return 0;
}

void TMain::dispatch() {
    switch (state) {
        case State::MainMenu: CHECK_mainMenu(); break;
        case State::Map:
        case State::Resume: CHECK_map(); break;
        case State::Quest: CHECK_continueQuest(); break;
    }
}

int TMain::CHECK_mainMenu() {
    switch (objects().mainMenu.mainLoop()) {
        case TMainMenu::QUIT: goExit = 1; break;
        case TMainMenu::NEW_QUEST: PROC_startNewQuest(); break;
        case TMainMenu::RESUME_QUEST: PROC_resumeQuest(); break;
        default: break;
    }
    return 0;
}

void TMain::prepareNewQuest() {
    GameObjects& o = objects();
    typGry = "QUEST";
    TProfile* p = o.profileManager.profile;
    if (p) {
        p->startNewQuest();
        p->restartQuest(o.levelManager);
    }
    state = State::Map;
    o.game.setLevel(p ? p->level : nullptr);
    o.game.resetStartData(1);
}

void TMain::PROC_startNewQuest() {
    typGry = "QUEST";
    prepareNewQuest();
    objects().story.mainLoop("story.dat");
}

void TMain::PROC_resumeQuest() {
    GameObjects& o = objects();
    typGry = "QUEST";
    const TProfile* p = o.profileManager.profile;
    o.game.setLevel(p ? p->level : nullptr);
    state = State::Resume;
}

int TMain::CHECK_map() {
    objects().map.mainLoop();
    state = State::Quest;
    typGry = "QUEST";
    return 0;
}

int TMain::CHECK_continueQuest() {
    GameObjects& o = objects();
    o.game.resetStartData(1);
    const TProfile* p = o.profileManager.profile;
    // A level whose file is missing or damaged cannot be played: back to
    // the menu rather than into a game with no board.
    if (!p || !o.game.level) {
        Print("Napotkano problem : no level to play" + (p ? " (level " + std::to_string(p->currentLevel) + ")" : ""));
        state = State::MainMenu;
        return 0;
    }
    const int result = o.game.mainLoop();
    if (result == 0) state = State::MainMenu;
    else if (result == 1) levelWon(p->currentLevel);
    // Any other result plays the same level again on the next pass.
    return 0;
}

void TMain::levelWon(int nr) {
    GameObjects& o = objects();
    typGry = "QUEST";
    state = State::Map;
    const std::string story = storyAfterLevel(nr);
    if (!story.empty()) o.story.mainLoop(story);
    TProfile* p = o.profileManager.profile;
    if (nr == kLastQuestLevel) {
        // The quest is over: nothing is left to resume, now or when the game
        // is started again from the save, so "play" starts a new quest
        // without asking. The closing story ends in the credits.
        if (p) {
            p->level = nullptr;
            p->currentLevel = 0;
        }
        o.story.mainLoop("koniec.dat");
        state = State::MainMenu;
        return;
    }
    o.game.setLevel(p ? p->nextQuestLevel(o.levelManager) : nullptr);
    o.game.resetStartData(1);
}

std::string TMain::storyAfterLevel(int nr) {
    switch (nr) {
        case 10: return "oldTown.dat";
        case 20: return "pustkowie.dat";
        case 30: return "baza.dat";
        case 40: return "gory.dat";
        case 50: return "gruzowisko.dat";
        case 60: return "jeziora.dat";
        case 70: return "zlomowisko.dat";
        case 80: return "wybrzeze.dat";
        case 90: return "wydmy.dat";
        case 100: return "ziemie.dat";
        default: return "";
    }
}
