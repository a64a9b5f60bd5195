#pragma once
// Runs the real game binary offscreen on the virtual clock with an input
// script, in the generated working folder, and collects what it left behind.
#include <string>
#include <vector>

#include "shell/media/image.h"
#include "test_support.h"

struct GameRun {
    // Run in a working folder of its own that also holds "cheats.txt", so
    // the G key ends a game as won (the generated folder stays untouched).
    bool cheats = false;
    int exitCode = -1;
    bool timedOut = false;
    std::string output;  // standard output and error
    testing_support::TempDir saveDir;
    testing_support::TempDir shotsDir;
    testing_support::TempDir workDir;  // used when `cheats` is set

    // A screenshot the script took, or nullptr.
    TPixmapPtr shot(const std::string& name) const;
};

// `script` is the input script's text; `extraEnv` holds NAME=VALUE pairs;
// `args` are the game's command-line arguments (none by default).
void runGame(GameRun& run, const std::string& script, const std::vector<std::string>& extraEnv = {},
             int timeoutSeconds = 60, const std::vector<std::string>& args = {});
