#pragma once
// Runs the real game binary offscreen on the virtual clock with an input
// script, in the generated working folder, and collects what it left behind.
#include <atomic>
#include <functional>
#include <string>
#include <utility>
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
    // Copies the run's screenshots into VORNELL_KEEP_SHOTS/name, for looking
    // at them; nothing when that variable is not set.
    void keepShots(const std::string& name) const;
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

// Script lines: from start-up, the intro skipped, to the main menu once its
// white veil has cleared.
inline constexpr const char* kToTheMainMenu =
    "waitfor LOADED\nkey Space\nwaitfor SCREEN : open mainmenu\nwait 1200\n";

// Script lines: until the screen has opened, then `settleMs` for it to settle.
std::string opened(const std::string& screen, int settleMs = 1000);

// From start-up to the quest map, "resume" chosen in the play-mode choice,
// once the map's gate has opened.
std::string toTheQuestMap();
// On the map: its "play", the level won at once with G (cheats.txt), its
// effect and results, and a click back to the map, once its gate has opened.
std::string winTheLevelFromTheMap();

// The quest's levels, for scripts that follow the catalogue: the type of
// each ("NORMAL-TWO", "SHOOTING-NORMAL", "PUZZLE" ...), from its file.
std::vector<std::string> levelTypes();
// The kind of level: "NORMAL" (a marble board), "SHOOTING" or "PUZZLE".
std::string kindOf(const std::string& typ);
// The screen that plays a kind of level.
std::string screenOf(const std::string& kind);
// The help pages a level shows the first time its kind or mode comes.
std::vector<int> helpPagesOf(const std::string& typ);

// Script lines of a player without a mouse, on the keyboard or on a
// gamepad (SDL's virtual one, plugged in by `plugIn`). A `button` is one of
// the keyboard's names below; on a pad it becomes the button that stands
// for that key.
struct Hands {
    bool pad = false;
    // "Return", "Space", "Escape", "Up", "Down", "Left", "Right", "Tab",
    // "R" (reload), "S" (the map's shop): tapped.
    std::string tap(const std::string& key) const;
    // Held down and let go (the arrows).
    std::string hold(const std::string& key) const;
    std::string letGo(const std::string& key) const;
    // The pad in before the game starts listening; nothing for the keyboard.
    std::string plugIn() const;
    // A new player's name, given in capitals A to Z, typed as a player would
    // (a capital, then small letters): on the keyboard as text, on a pad
    // letter by letter on the entry's letters, then Start.
    std::string typeName(const std::string& capitals) const;
    // The first level's board swept blind, the group under the cursor taken
    // on every cell, until the game prints that `level` is won.
    std::string sweepBoardUntilWon(int level) const;
    // The gallery, once its countdown is over, played to its results: the
    // crosshair swept to and fro firing, reloading now and then.
    std::string shootUntilResults() const;
    // The puzzle, once it is on, solved: a piece taken up, on to the next
    // empty cell, put down, on to the next piece.
    std::string solvePuzzle() const;
};

// `script` is the input script's text; `extraEnv` holds NAME=VALUE pairs,
// which replace the run's defaults of the same names;
// `args` are the game's command-line arguments (none by default).
void runGame(GameRun& run, const std::string& script, const std::vector<std::string>& extraEnv = {},
             int timeoutSeconds = 300, const std::vector<std::string>& args = {});

// A player in the run's save folder: at quest level `level` with `kapsle`
// diamonds, `score` points and help pages 0 to hintsSeen - 1 seen.
struct SeededPlayer {
    static constexpr int kEveryHint = 21;
    SeededPlayer(std::string name, int level = 0, int kapsle = 0, int hintsSeen = 0, int score = 0,
                 std::string items = "")
        : name(std::move(name)), level(level), kapsle(kapsle), hintsSeen(hintsSeen), score(score),
          items(std::move(items)) {}
    std::string name;
    int level = 0, kapsle = 0, hintsSeen = 0, score = 0;
    std::string items;  // more profile lines, such as "\t bonus16 = 2\n"
};
// The players, in list order, and players[current] the current one.
void seedPlayers(const GameRun& run, const std::vector<SeededPlayer>& players, size_t current);
// One player, the current one.
void seedPlayer(const GameRun& run, const SeededPlayer& player);
void seedPlayer(const GameRun& run, const std::string& name, int level, int kapsle, int hintsSeen);

// The input-script line that clicks the button `name` of the layout
// data/`layout`.gui where the generated working folder's file puts it (a
// button's POSITION is its centre). Fails the test when there is no such button.
std::string clickButton(const std::string& layout, const std::string& name);
// The buttons of every layout in a data folder, in file-name order.
struct LayoutButton {
    std::string layout, name;
    int x = 0, y = 0;
    bool active = true;
};
std::vector<LayoutButton> layoutButtons(const std::string& dataDir);

// Pixels of screenshots, 0xAARRGGBB.
namespace pixels {
struct Rgb {
    int r, g, b;
};
inline Rgb rgb(uint32_t argb) { return {int((argb >> 16) & 255), int((argb >> 8) & 255), int(argb & 255)}; }
inline Rgb at(const TPixmapPtr& shot, int x, int y) { return rgb(ReadPixel(shot, x, y)); }
inline int brightness(Rgb p) { return p.r + p.g + p.b; }
// The deep violet of the game's glass panels.
inline bool violet(Rgb p) { return p.b > 60 && p.b > p.r && p.r > p.g && p.g < 80; }
inline bool bright(Rgb p) { return brightness(p) > 360; }
// An inactive button's grey face (every active face is a strong colour).
bool grey(Rgb p);
// Warm and bright: the ribbons' gold and the win effect's sparkles.
inline bool gold(Rgb p) { return p.r > 190 && p.g > 110 && p.r - p.b > 60; }
// The pixels in [x0, x1) x [y0, y1) that pass `test`.
template <class Test>
int count(const TPixmapPtr& shot, int x0, int y0, int x1, int y1, Test test) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (test(at(shot, x, y))) ++n;
    return n;
}
}  // namespace pixels
