#include "sim_player.h"

#include <algorithm>
#include <cmath>

#include "board/tile_part.h"
#include "game/game.h"

namespace {

int kindOf(const TTilePtr& t) { return t && t->TD ? t->TD->id : 0; }

}  // namespace

SimPlayer::SimPlayer(const PlayerStyle& style, uint32_t seed) : style_(style), rng_(seed) {
    // The pointer starts beside the board, over the side panel.
    pointer_.x = 120;
    pointer_.y = 300;
    nextPace();
}

double SimPlayer::lognormal(double spread) { return std::exp(std::normal_distribution<double>(0, spread)(rng_)); }

void SimPlayer::nextPace() {
    think_ = int(style_.thinkMs * lognormal(0.3));
    gap_ = int(1000.0 / style_.clicksPerSecond * std::uniform_real_distribution<double>(0.85, 1.15)(rng_));
}

uint64_t SimPlayer::signature(const TLevel& level) {
    uint64_t h = 1469598103934665603ull;
    for (int r = 0; r < level.usedRows(); ++r)
        for (int c = 0; c < level.usedCols(); ++c) {
            const TTilePtr& t = level.tiles[size_t(r)][size_t(c)];
            h = (h ^ uint64_t(t ? kindOf(t) * 2 + t->przyleg + 1 : 0)) * 1099511628211ull;
        }
    return h;
}

PointerAction SimPlayer::frame(TGame& game, int now) {
    PointerAction action = pointer_;
    TLevel* level = game.level.get();
    const bool playing = level && (game.state == TGame::State::Go || game.state == TGame::State::Wait || game.state == TGame::State::WaitStrategy);
    // Clicks count only once the marbles have landed; the player may pick
    // its next group while they are still on their way.
    const bool ready = playing && game.state == TGame::State::Go && game.active == 1 && movingMarbles.empty();
    const uint64_t seen = playing ? signature(*level) : 0;
    if (seen != seen_) {
        // The board changed under the player's eyes: a press about to happen
        // still happens, anything further off is thought over again.
        if (plan_.active && plan_.pressAt - now > style_.commitMs) plan_.active = false;
        seen_ = seen;
        seenAt_ = now;
    }
    // Without a clock to beat the player takes its time and thinks a move
    // ahead (see choices).
    const bool calm = playing && (level->mode() == "STRATEGY" || level->mode() == "PUZZLE");
    if (!plan_.active && playing && now >= seenAt_ + think_ * (calm ? 3 : 1)) plan(*level, now, calm);
    if (!plan_.active) return action;

    // The pointer glides to its marble and the button goes down on arrival.
    const double t = plan_.pressAt > plan_.startAt
                         ? std::clamp(double(now - plan_.startAt) / (plan_.pressAt - plan_.startAt), 0.0, 1.0)
                         : 1.0;
    pointer_.x = plan_.fromX + int(std::lround((plan_.x - plan_.fromX) * t));
    pointer_.y = plan_.fromY + int(std::lround((plan_.y - plan_.fromY) * t));
    action.x = pointer_.x;
    action.y = pointer_.y;
    if (now >= plan_.pressAt && now >= lastPress_ + gap_ && ready) {
        action.press = true;
        plan_.active = false;
        lastPress_ = now;
        ++presses_;
        if (plan_.bonus) ++bonusClicks_;
        nextPace();
    }
    return action;
}

void SimPlayer::measureColumns(const TLevel& level) {
    fill_.assign(size_t(level.usedCols()), 0.0);
    const int rows = std::max(1, level.usedRows());
    for (int c = 0; c < level.usedCols(); ++c) {
        int n = 0;
        for (int r = 0; r < level.usedRows(); ++r) n += level.tiles[size_t(r)][size_t(c)] ? 1 : 0;
        fill_[size_t(c)] = double(n) / rows;
    }
}

double SimPlayer::weight(const TTilePtr& t) const {
    const double f = t && size_t(t->px) < fill_.size() ? fill_[size_t(t->px)] : 0;
    return 1 + style_.dangerWeight * f * f;
}

std::vector<TTileList> SimPlayer::groups(TLevel& level, std::vector<TTilePtr>* loneBonuses) {
    const int R = level.usedRows(), C = level.usedCols();
    seen_cells_.assign(size_t(R * C), 0);
    std::vector<TTileList> found;
    TTileList group;
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c) {
            const TTilePtr& t = level.tiles[size_t(r)][size_t(c)];
            if (!t || seen_cells_[size_t(r * C + c)]) continue;
            level.findAll(t, group);
            seen_cells_[size_t(r * C + c)] = 1;
            for (const TTilePtr& m : group) seen_cells_[size_t(m->py * C + m->px)] = 1;
            if (group.size() >= 3) found.push_back(group);
            else if (loneBonuses && kindOf(t) > 100) loneBonuses->push_back(t);
        }
    return found;
}

void SimPlayer::imagine(const TLevel& level, const TTileList& group) {
    if (!imagined_) imagined_ = std::make_unique<TLevel>();
    TLevel& board = *imagined_;
    board.typ = level.typ;
    board.rows = level.rows;
    board.cols = level.cols;
    const int R = level.usedRows(), C = level.usedCols();
    while (pool_.size() < size_t(R * C)) pool_.push_back(std::make_shared<TTile>());
    for (int r = 0; r < R; ++r)
        for (int c = 0; c < C; ++c) {
            const TTilePtr& t = level.tiles[size_t(r)][size_t(c)];
            TTilePtr& copy = board.tiles[size_t(r)][size_t(c)];
            copy = nullptr;
            if (!t) continue;
            copy = pool_[size_t(r * C + c)];
            *copy = *t;
        }
    for (const TTilePtr& m : group) board.tiles[size_t(m->py)][size_t(m->px)] = nullptr;
    board.settle();
}

double SimPlayer::lookahead(const TLevel& level, const TTileList& group, const std::string& mode) {
    imagine(level, group);
    TLevel& after = *imagined_;
    const int R = after.usedRows(), C = after.usedCols();
    std::vector<int> colourCount(256, 0);
    int marbles = 0, tallest = 0;
    for (int c = 0; c < C; ++c) {
        int height = 0;
        for (int r = 0; r < R; ++r)
            if (const TTilePtr& t = after.tiles[size_t(r)][size_t(c)]) {
                ++height;
                ++marbles;
                ++colourCount[size_t(std::clamp(kindOf(t), 0, 255))];
            }
        tallest = std::max(tallest, height);
    }
    const std::vector<TTileList> next = groups(after, nullptr);
    size_t biggest = 0;
    for (const TTileList& g : next) biggest = std::max(biggest, g.size());
    if (mode == "PUZZLE") {
        // Cleared wins; a colour down to one or two marbles, or a board with
        // no group, can no longer be cleared.
        if (marbles == 0) return 1e6;
        int stranded = 0;
        for (int k = 1; k < 100; ++k) stranded += colourCount[size_t(k)] == 1 || colourCount[size_t(k)] == 2;
        if (stranded || next.empty()) return 0.01 * double(group.size());
        return double(next.size()) + 0.1 * double(group.size());
    }
    // Strategy: the removal is followed by a row from below; a column that
    // then reaches the top loses the level.
    const double now = quickValue(group);
    if (tallest >= R) return 0.01 * now;
    return now + 0.6 * double(biggest);
}

double SimPlayer::quickValue(const TTileList& group) const {
    double value = 0;
    for (const TTilePtr& m : group) value += weight(m);
    return value;
}

std::vector<SimPlayer::Choice> SimPlayer::choices(TLevel& level) {
    measureColumns(level);
    const std::string mode = level.mode();
    const bool calm = mode == "STRATEGY" || mode == "PUZZLE";
    std::vector<TTilePtr> loneBonuses;
    const std::vector<TTileList> found = groups(level, &loneBonuses);
    std::vector<Choice> out;
    for (const TTileList& group : found) {
        Choice choice;
        choice.value = calm ? lookahead(level, group, mode) : quickValue(group);
        // The player clicks the marble of the group nearest the pointer.
        double best = 1e18;
        for (const TTilePtr& m : group) {
            const double dx = level.cellX(m->px) - pointer_.x, dy = level.cellY(m->py) - pointer_.y;
            if (dx * dx + dy * dy < best) {
                best = dx * dx + dy * dy;
                choice.aim = m;
            }
        }
        out.push_back(choice);
    }
    const int count = int(out.size());
    for (const TTilePtr& t : loneBonuses) out.push_back({t, bonusValue(level, t, count), true});
    return out;
}

double SimPlayer::bonusValue(TLevel& level, const TTilePtr& t, int groups) const {
    const int id = kindOf(t);
    const int R = level.usedRows(), C = level.usedCols();
    double value = 0;
    auto add = [&](int r, int c) {
        if (r >= 0 && r < R && c >= 0 && c < C)
            if (const TTilePtr& m = level.tiles[size_t(r)][size_t(c)]) value += weight(m);
    };
    if (id == KIND_BOMB) {
        for (int r = t->py - 2; r <= t->py + 2; ++r)
            for (int c = t->px - 2; c <= t->px + 2; ++c) add(r, c);
    } else if (id == KIND_LINE_ERASER) {
        for (int c = 0; c < C; ++c) add(t->py, c);
    } else if (id == KIND_SHUFFLE) {
        // Worth it when the board has run out of groups.
        value = groups < 3 ? 8 : 1;
    } else if (id == KIND_SIDE_SWITCH) {
        value = 2;
    } else if (id > 100) {
        for (int r = 0; r < R; ++r)
            for (int c = 0; c < C; ++c)
                if (kindOf(level.tiles[size_t(r)][size_t(c)]) == id - 100) add(r, c);
    }
    return value;
}

bool SimPlayer::plan(TLevel& level, int now, bool calm) {
    std::vector<Choice> options = choices(level);
    if (options.empty()) return false;
    size_t pick = 0;
    const double slips = calm ? style_.slipRate / 2 : style_.slipRate;
    const double noise = calm ? style_.noise / 2 : style_.noise;
    if (std::uniform_real_distribution<double>(0, 1)(rng_) < slips) {
        pick = std::uniform_int_distribution<size_t>(0, options.size() - 1)(rng_);
    } else {
        double best = -1;
        for (size_t i = 0; i < options.size(); ++i) {
            const double v = options[i].value * lognormal(noise);
            if (v > best) {
                best = v;
                pick = i;
            }
        }
    }
    const Choice& choice = options[pick];
    const int R = level.rozmiar;
    std::uniform_int_distribution<int> jitter(-R / 4, R / 4);
    plan_.active = true;
    plan_.bonus = choice.bonus;
    plan_.fromX = pointer_.x;
    plan_.fromY = pointer_.y;
    plan_.x = level.cellX(choice.aim->px) + jitter(rng_);
    plan_.y = level.cellY(choice.aim->py) + jitter(rng_);
    plan_.startAt = now;
    plan_.pressAt = now + int(style_.moveMs * lognormal(0.25));
    return true;
}
