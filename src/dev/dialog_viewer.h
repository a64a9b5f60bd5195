#pragma once
// A developer screen for the pop-ups and the gate, opened with
// `vornell --dialogs`; players never reach it. Over a level backdrop:
//
//   Y the yes/no question      M the in-game menu     H the next help page
//   S the settings             G closes or opens the gate
//   Escape leaves
//
// Every answer is written to the console ("dialogs: ..."), so scripted runs
// can check what each pop-up returned and when.
#include <string>

#include "shell/ekran.h"
#include "shell/media/image.h"

class TDialogViewer : public TEkran {
public:
    TImagePtr back;
    std::string status;
    int helpPage = 0;

    TDialogViewer() { _myName = "Dialog viewer"; }

    int setupObject() override;
    int update() override;
    int draw() override;
    // Runs until Escape; returns 0.
    int mainLoop();

private:
    // Shown on screen and written to the console.
    void report(const std::string& what);
};

// Starts the game's shell and shows the viewer until Escape; returns the
// exit status.
int runDialogViewer();
