#pragma once
// The base of every screen and pop-up: a long-lived object that runs its own
// frame loop while it is shown.
#include <string>
#include <utility>

// Writes "SCREEN : open NAME" or "SCREEN : close NAME" on the console, NAME
// being the screen's name in lower case without spaces or marks ("Main Menu"
// is "mainmenu"): whole-game runs wait for these lines rather than for a time.
void announceScreen(const std::string& name, bool opening);

// What every screen's frame and set-up ask of the game around them: the
// pointer's snapshot before update and its cursor drawn last, and the
// loading screen's progress dot a screen's set-up lights. The game's objects
// are the host; before there is one, screens run without a pointer.
class TScreenHost {
public:
    virtual ~TScreenHost() = default;
    virtual void pointerUpdate() = 0;
    virtual void pointerDraw() = 0;
    virtual void screenSetUp(const std::string& name) = 0;
};
void setScreenHost(TScreenHost* host);

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
    // A pop-up that stops play (the in-game menu, a help page, the
    // settings) covers the screen from pauseTimers() to resumeTimers(): the
    // screen's clocks stand still meanwhile, also as drawn behind it, and
    // play resumes where it stopped.
    void pauseTimers();
    void resumeTimers();
    // The clock as the screen's play sees it: held still while paused.
    int playClock() const;
    // Moves the screen's own clocks on by the `ms` a pause lasted.
    virtual void holdTimers(int ms) { (void)ms; }

    // One frame of the screen, as every screen loop runs it: clear, the
    // frame tick, the mouse snapshot, update, draw, the cursor, flip. The
    // screen reacts to clicks and keys after it.
    void runFrame();

    // Announces the screen open while it lives and closed when it goes,
    // whichever way its loop ends. Each screen's loop holds one; a page that
    // is no screen of its own (the credits) gives its name.
    class Shown {
    public:
        explicit Shown(const TEkran& ekran) : Shown(ekran._myName) {}
        explicit Shown(std::string name) : name_(std::move(name)) { announceScreen(name_, true); }
        ~Shown() { announceScreen(name_, false); }
        Shown(const Shown&) = delete;
        Shown& operator=(const Shown&) = delete;

    private:
        std::string name_;
    };

private:
    int pauses_ = 0;  // pop-ups open over the screen
    int pausedAt_ = 0;
};
