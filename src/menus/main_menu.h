#pragma once
// The main menu: the backdrop, a panel that spins in with the buttons, the
// flying title logo, a greeting with the current player's name and a plate
// inviting another player to change profile. Buttons of the layout, by name:
// "play", "freeplay", "settings", "credits", "quit" and "change".
//
// Entering it plays its intro: a black veil clears while the logo flies in,
// then the panel spins in and the buttons fade in; they react once the veil
// has gone. Leaving for the quest closes the gate over it.
#include <memory>
#include <string>

#include "gui/gui.h"
#include "gui/logo.h"
#include "gui/particle.h"
#include "shell/ekran.h"
#include "shell/media/image.h"

class TMainMenu : public TEkran {
public:
    static constexpr const char* kLayout = "data/gui_mainmenu.gui";
    // What mainLoop returns.
    enum Choice : int { QUIT = 0, NEW_QUEST = 1, RESUME_QUEST = 2 };

    TImagePtr tlo;     // the backdrop
    TImagePtr panel;   // carries the buttons; centre handle
    TImagePtr change;  // the plate behind "change"
    TLogo logo;
    std::unique_ptr<TGui> gui;
    // A black and a white veil over the menu, and the targets they move to.
    float whiteFade = 0, fade = 0, dWhiteFade = 0, dFade = 0;
    float alpha = 0;  // the panel and the buttons
    float per = 0, dPer = 0;  // the panel's appearance and its target
    TParticleList _logoParticles;  // the logo's sparkles
    int what = -1;
    int goExit = 0;

    TMainMenu() { _myName = "Main Menu"; }

    int setupObject() override;
    int update() override;
    // Also the backdrop of the pop-ups opened over the menu.
    int draw() override;

    // Runs the menu until a choice has closed the gate over it, or the
    // player quits; saves the profiles, then returns the Choice.
    int mainLoop();
    // The intro again from its start, with the menu's music.
    void prepare();
    // One frame's clicks (and the Escape read this frame, which quits).
    void _control(bool escape);
    // With no current player: the players' list, or the name entry when
    // there are no players.
    void askForPlayer();
    // The current player has a quest level in progress.
    bool _canResume() const;
    void play();
    void goFreePlay();
    void _updateFade();
    // The panel appears once the logo has landed.
    void _updatePer();

private:
    std::string greeting, greetedName;  // the greeting + the name + "!", and that name
    int greetedLanguage = -1;           // language::changes() when it was made

    void _drawPanels();
    void _drawGreeting();
    void _drawVeil(float opacity, int grey);
    // Leaving for the quest: the gate closes and the menu ends under it.
    void leaveFor(Choice choice);
};
