#pragma once
// The base of every screen and pop-up: a long-lived object that runs its own
// frame loop while it is shown.
#include <string>

class TEkran {
public:
    std::string _myName = "Klasa abstrakcyjna";

    virtual ~TEkran() = default;
    // Calls setupObject, then lights one progress dot on the loading screen.
    // Screens that override setup announce nothing.
    virtual int setup();
    virtual int setupObject() { return 0; }
    virtual int draw() { return 0; }
    virtual int update() { return 0; }
    // The screen was covered for `ms` by a pop-up that stops play (the
    // in-game menu, a help page, the settings): its clocks move on by as
    // much, so play resumes where it stopped.
    virtual void holdTimers(int ms) { (void)ms; }

    // One frame of the screen, as every screen loop runs it: clear, the
    // frame tick, the mouse snapshot, update, draw, the cursor, flip. The
    // screen reacts to clicks and keys after it.
    void runFrame();
};
