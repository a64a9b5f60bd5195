// simplayer: plays every marble-board level of the quest many times with a
// simulated player on the real game screen, and reports each level's win
// rate and length.
//
// Usage, in the game's working folder (build/game):
//   simplayer [--seeds N] [--levels FIRST-LAST] [--report FILE.md] [--plot FILE.png] [--verbose]
//   simplayer --calibrate [--seeds N] [--levels FIRST-LAST]
//
// --calibrate searches each timed or strategy board level's ease (see
// calibration.h) instead of reporting, and prints one line per level:
// "level NR ease FACTOR won RATE target RATE". Fold the factors into
// levelgen's table of eases (multiplying), regenerate the levels and rerun
// the report.
//
// The game's own console lines (a lost board is printed there) are left out
// unless --verbose is given.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/game_objects.h"
#include "calibration.h"
#include "curve_report.h"
#include "headless_game.h"

namespace {

struct Options {
    int seeds = 40;
    int first = 1, last = 0;  // 0: the catalogue's last level
    std::string report, plot;
    bool verbose = false;
    bool calibrate = false;
};

bool parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--seeds" && value) {
            o.seeds = std::atoi(value);
            ++i;
        } else if (arg == "--levels" && value) {
            if (std::sscanf(value, "%d-%d", &o.first, &o.last) == 1) o.last = o.first;
            ++i;
        } else if (arg == "--report" && value) {
            o.report = value;
            ++i;
        } else if (arg == "--plot" && value) {
            o.plot = value;
            ++i;
        } else if (arg == "--calibrate") {
            o.calibrate = true;
        } else if (arg == "--verbose") {
            o.verbose = true;
        } else {
            return false;
        }
    }
    return o.seeds > 0 && o.first > 0 && (o.last == 0 || o.last >= o.first);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: simplayer [--seeds N] [--levels FIRST-LAST] [--report FILE.md] [--plot FILE.png] "
                     "[--verbose]\n       simplayer --calibrate [--seeds N] [--levels FIRST-LAST]\n");
        return 2;
    }
    // The figures go to the real standard output, the game's console to
    // nowhere.
    FILE* out = stdout;
    if (!options.verbose) {
        const int figures = dup(STDOUT_FILENO);
        out = figures >= 0 ? fdopen(figures, "w") : nullptr;
        if (!out || !std::freopen("/dev/null", "w", stdout)) out = stdout;
    }
    HeadlessGame game;
    if (!game.open()) return 1;
    const TLevelManager& catalogue = objects().levelManager;
    std::vector<LevelResult> results;
    for (const TLevelData& entry : catalogue.levels) {
        if (entry.nr < options.first || (options.last && entry.nr > options.last)) continue;
        if (options.calibrate) {
            const Calibration c = calibrateLevel(game, entry.nr, options.seeds);
            if (c.tries)
                std::fprintf(out, "level %d ease %.4f won %d%% target %d%% tries %d\n", entry.nr, c.ease,
                             int(std::lround(c.winRate * 100)), int(std::lround(targetWinRate(entry.nr) * 100)),
                             c.tries);
            std::fflush(out);
            continue;
        }
        LevelResult result = describeLevel(entry.nr);
        if (result.board) {
            for (int s = 1; s <= options.seeds; ++s)
                result.add(game.play(entry.nr, uint32_t(entry.nr * 7919 + s * 104729)));
        }
        std::fprintf(out, "%s\n", result.line().c_str());
        std::fflush(out);
        results.push_back(std::move(result));
    }
    if (!options.report.empty() && !writeReport(results, options.seeds, options.report)) return 1;
    if (!options.plot.empty() && !writePlot(results, options.plot)) return 1;
    return 0;
}
