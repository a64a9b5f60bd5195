#include "calibration.h"

#include <algorithm>
#include <cmath>

#include "app/game_objects.h"

double targetWinRate(int nr) {
    if (nr <= 10) return 0.97;
    // From 90% on level 11 down to 52% on level 97; a land's first level is
    // a breather after the hardest level of the land before.
    const double along = (nr - 11) / 86.0;
    const double breather = nr % 10 == 1 ? 0.08 : 0;
    return std::min(0.97, 0.90 - 0.38 * along + breather);
}

bool applyEase(TLevel& level, double ease) {
    if (ease <= 0) return false;
    if (level.mode() == "STRATEGY") {
        if (level.lines <= 0) return false;
        level.lines = std::max(1, int(std::lround(level.lines / ease)));
        return true;
    }
    if (level.time <= 0 || level.lines <= 0 || level.mode() == "PUZZLE") return false;
    level.time = std::max(1, int(std::lround(level.time * ease)));
    level.lines = std::max(1, int(std::lround(level.lines / ease)));
    return true;
}

Calibration searchEase(const std::function<double(double)>& winRate, double target, double tolerance, bool atLeast) {
    constexpr double kStep = 1.3;  // the first steps out from 1
    constexpr int kMostSteps = 6;  // 1.3^6: about 4.8 times easier or harder
    constexpr int kHalvings = 3;
    Calibration best;
    auto close = [&](double rate) { return atLeast ? rate >= target - tolerance : std::abs(rate - target) <= tolerance; };
    auto consider = [&](double ease) {
        const double rate = winRate(ease);
        ++best.tries;
        if (best.tries == 1 || std::abs(rate - target) < std::abs(best.winRate - target)) {
            best.ease = ease;
            best.winRate = rate;
        }
        return rate;
    };
    double rate = consider(1);
    if (close(rate)) return best;
    best.tuned = true;
    // Step out until the rate lies on the other side of the target.
    const bool easier = rate < target;
    double near = 1, far = 1;
    bool crossed = false;
    for (int step = 0; step < kMostSteps && !crossed; ++step) {
        near = far;
        far = easier ? far * kStep : far / kStep;
        rate = consider(far);
        if (close(rate)) return best;
        crossed = easier ? rate > target : rate < target;
    }
    if (!crossed) return best;
    // Halve the step between the last ease short of the target and the
    // first beyond it.
    for (int h = 0; h < kHalvings; ++h) {
        const double middle = std::sqrt(near * far);
        rate = consider(middle);
        if (close(rate)) return best;
        const bool beyond = easier ? rate > target : rate < target;
        (beyond ? far : near) = middle;
    }
    return best;
}

Calibration calibrateLevel(HeadlessGame& game, int nr, int seeds) {
    const TLevelPtr probe = objects().levelManager.loadLevel(nr);
    if (!probe || probe->kind() != "NORMAL" || !applyEase(*probe, 1)) return {};
    auto winRate = [&](double ease) {
        int won = 0;
        for (int s = 1; s <= seeds; ++s) {
            auto make = [nr, ease] {
                TLevelPtr level = objects().levelManager.loadLevel(nr);
                if (level) applyEase(*level, ease);
                return level;
            };
            // Seeds far from the report's, so the report measures the
            // levels afresh rather than the games they were tuned on.
            won += game.play(make, uint32_t(nr * 7919 + (1000 + s) * 104729)).won;
        }
        return double(won) / seeds;
    };
    const double target = targetWinRate(nr);
    return searchEase(winRate, target, nr <= 10 ? 0.05 : 0.06, nr <= 10);
}
