#pragma once
// Runs the real game binary offscreen on the virtual clock with an input
// script, in the generated working folder, and collects what it left behind.
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "shell/media/image.h"
#include "test_support.h"

struct GameRun {
    // Run in a working folder of its own that also holds "cheats.txt", so
    // the G key ends a game as won (see writeWorkFile).
    bool cheats = false;
    // Run without the administrator's right to write where permissions
    // forbid it, so a read-only folder is read-only to the game even when
    // the tests run as root.
    bool withoutPermissionOverride = false;
    // The game's process while it runs (0 otherwise), for a test that
    // changes its limits from another thread.
    std::atomic<int> pid{0};
    int exitCode = -1;
    bool timedOut = false;
    std::string output;  // standard output and error
    testing_support::TempDir saveDir;
    testing_support::TempDir shotsDir;
    // The run's own working folder, once ownWorkingFolder() made it;
    // otherwise the game runs in the shared generated one.
    testing_support::TempDir workDir;
    bool ownWorkDir = false;
    // When set, called with the game's process id about every 20 ms while
    // it runs (to watch its memory, say).
    std::function<void(int pid)> whileRunning;

    // A screenshot the script took, or nullptr.
    TPixmapPtr shot(const std::string& name) const;
    // Writes `name` (relative, e.g. "cheats.txt" or "data/levels.dat") into
    // a working folder of this run's own, made on first use: every generated
    // and data file is linked into it one by one; a written file replaces its
    // link, so the shared working folder is never touched.
    void writeWorkFile(const std::string& name, const std::string& text);
    // Takes `name` out of the run's own working folder.
    void removeWorkFile(const std::string& name);

private:
    void ownWorkingFolder();
};

// `script` is the input script's text; `extraEnv` holds NAME=VALUE pairs,
// which replace the run's defaults of the same names;
// `args` are the game's command-line arguments (none by default).
void runGame(GameRun& run, const std::string& script, const std::vector<std::string>& extraEnv = {},
             int timeoutSeconds = 300, const std::vector<std::string>& args = {});

// A player in the run's save folder: at quest level `level` with `kapsle`
// diamonds and help pages 0 to hintsSeen - 1 seen.
struct SeededPlayer {
    std::string name;
    int level = 0, kapsle = 0, hintsSeen = 0;
};
// The players, in list order, and players[current] the current one.
void seedPlayers(const GameRun& run, const std::vector<SeededPlayer>& players, size_t current);
// One player, the current one.
void seedPlayer(const GameRun& run, const std::string& name, int level, int kapsle, int hintsSeen);
