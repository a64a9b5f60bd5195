#include "random_player.h"

#include <algorithm>
#include <regex>

#include "game_runner.h"
#include "test_support.h"

namespace {

// Held over more than one frame at any picture rate the harness allows.
constexpr int kHoldMs = 120;

// Keys a player reaches for, by weight: the game's own (Escape leaves a
// screen and, in the main menu, quits, so it comes seldom), the cheat G
// that wins a level, arrows held in the shooting gallery, and the rest of
// the keyboard that should do nothing.
struct WeightedKey {
    const char* name;
    int weight;
};
constexpr WeightedKey kKeys[] = {
    {"Escape", 4}, {"Return", 6}, {"Space", 6}, {"G", 8}, {"P", 4},     {"L", 1},      {"Left", 3},
    {"Right", 3},  {"Up", 2},     {"Down", 2},  {"A", 1}, {"Z", 1},     {"Backspace", 2}, {"Tab", 1},
    {"F1", 1},     {"F2", 1},     {"F5", 1},    {"F11", 1}, {"F12", 1}, {"Left Alt", 1},
};

int uniform(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

std::string pos(int x, int y) { return std::to_string(std::clamp(x, 0, 799)) + " " + std::to_string(std::clamp(y, 0, 599)); }

const char* randomKey(std::mt19937& rng) {
    int total = 0;
    for (const WeightedKey& k : kKeys) total += k.weight;
    int pick = uniform(rng, 0, total - 1);
    for (const WeightedKey& k : kKeys) {
        if (pick < k.weight) return k.name;
        pick -= k.weight;
    }
    return kKeys[0].name;
}

}  // namespace

std::vector<ClickTarget> buttonTargets(const std::string& dataDir) {
    std::vector<ClickTarget> targets;
    for (const LayoutButton& b : layoutButtons(dataDir))
        if (b.active) targets.push_back({b.x, b.y});
    return targets;
}

RandomPlayer::RandomPlayer(uint32_t seed, const std::vector<ClickTarget>& targets, int lengthMs, std::string leadIn,
                           int leadInMs)
    : lengthMs_(lengthMs), leadIn_(std::move(leadIn)), leadInMs_(leadInMs) {
    std::mt19937 rng(seed);
    for (int t = std::max(leadInMs, 1500); t < lengthMs;) {
        Action a = randomAction(rng, targets);
        a.at = t;
        t += a.lengthMs + uniform(rng, 80, 1400);
        actions_.push_back(std::move(a));
    }
}

RandomPlayer::Action RandomPlayer::randomAction(std::mt19937& rng, const std::vector<ClickTarget>& targets) {
    Action a;
    const int roll = uniform(rng, 0, 99);
    auto click = [&](int x, int y, const char* button) {
        a.kind = Action::Click;
        a.lines = "move " + pos(x, y) + "\nwait 60\npress " + button + "\nwait " + std::to_string(kHoldMs) +
                  "\nrelease " + button + "\n";
        a.lengthMs = 60 + kHoldMs;
    };
    if (roll < 45 && !targets.empty()) {
        // A button, somewhere on its face.
        const ClickTarget& b = targets[size_t(uniform(rng, 0, int(targets.size()) - 1))];
        click(b.x + uniform(rng, -40, 40), b.y + uniform(rng, -12, 12), "left");
    } else if (roll < 62) {
        // The middle of the screen, where boards, puzzles and targets are.
        click(uniform(rng, 120, 680), uniform(rng, 70, 540), "left");
    } else if (roll < 70) {
        // Anywhere, with any button.
        static constexpr const char* kButtons[] = {"left", "left", "right", "middle"};
        click(uniform(rng, 0, 799), uniform(rng, 0, 599), kButtons[uniform(rng, 0, 3)]);
    } else if (roll < 78) {
        // A marble dragged a step or two, or a picture piece dragged anywhere.
        a.kind = Action::Drag;
        int x = uniform(rng, 120, 680), y = uniform(rng, 70, 540);
        const int dx = uniform(rng, -1, 1) * uniform(rng, 20, 90), dy = uniform(rng, -1, 1) * uniform(rng, 20, 90);
        a.lines = "move " + pos(x, y) + "\nwait 60\npress left\n";
        for (int step = 1; step <= 3; ++step)
            a.lines += "wait 60\nmove " + pos(x + dx * step / 3, y + dy * step / 3) + "\n";
        a.lines += "wait 60\nrelease left\n";
        a.lengthMs = 60 + 3 * 60 + 60;
    } else if (roll < 93) {
        a.kind = Action::Key;
        const std::string key = randomKey(rng);
        // Arrows are held, as a player aims with them.
        const int hold = key == "Left" || key == "Right" || key == "Up" || key == "Down" ? uniform(rng, 100, 1200) : kHoldMs;
        a.lines = "keydown " + key + "\nwait " + std::to_string(hold) + "\nkeyup " + key + "\n";
        a.lengthMs = hold;
    } else if (roll < 96) {
        // A name typed into whatever takes text, sometimes a long one.
        a.kind = Action::Text;
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-_";
        std::string text;
        const int length = uniform(rng, 1, uniform(rng, 0, 3) == 0 ? 40 : 8);
        for (int i = 0; i < length; ++i) text += kLetters[uniform(rng, 0, int(sizeof kLetters) - 2)];
        // A blank at either end would be trimmed off the script line.
        if (text.front() == ' ') text.front() = 'x';
        if (text.back() == ' ') text.back() = 'y';
        a.lines = "type " + text + "\n";
    } else if (roll < 98) {
        // The player switches to another program for a while.
        a.kind = Action::Focus;
        a.lengthMs = uniform(rng, 200, 5000);
        a.lines = "blur\nwait " + std::to_string(a.lengthMs) + "\nfocus\n";
    } else {
        a.kind = Action::Move;
        a.lines = "move " + pos(uniform(rng, 0, 799), uniform(rng, 0, 599)) + "\n";
    }
    return a;
}

RandomPlayer::Counts& RandomPlayer::Counts::operator+=(const Counts& o) {
    clicks += o.clicks;
    drags += o.drags;
    keys += o.keys;
    texts += o.texts;
    focusChanges += o.focusChanges;
    return *this;
}

std::string RandomPlayer::scriptFrom(int startMs) const {
    std::string script = "# random play from " + std::to_string(startMs) + " ms\n";
    int t = startMs;  // where the script's clock stands
    if (startMs == 0) {
        script += leadIn_;
        t = leadInMs_;
    }
    int nextMark = startMs + kMarkMs;
    auto waitUntil = [&](int when) {
        if (when > t) script += "wait " + std::to_string(when - t) + "\n";
        t = std::max(t, when);
    };
    auto marksUpTo = [&](int when) {
        for (; nextMark <= when && nextMark < lengthMs_; nextMark += kMarkMs) {
            waitUntil(nextMark);
            script += "shot mark-" + std::to_string(nextMark) + ".png\n";
        }
    };
    for (const Action& a : actions_) {
        if (a.at < startMs) continue;
        marksUpTo(a.at);
        waitUntil(a.at);
        script += a.lines;
        t += a.lengthMs;
    }
    marksUpTo(lengthMs_);
    waitUntil(lengthMs_);
    return script + "shot mark-" + std::to_string(lengthMs_) + ".png\nwait 200\nclose\n";
}

RandomPlayer::Counts RandomPlayer::countsBetween(int fromMs, int toMs) const {
    Counts counts;
    for (const Action& a : actions_) {
        if (a.at < fromMs || a.at >= toMs) continue;
        switch (a.kind) {
            case Action::Click: ++counts.clicks; break;
            case Action::Drag: ++counts.drags; break;
            case Action::Key: ++counts.keys; break;
            case Action::Text: ++counts.texts; break;
            case Action::Focus: ++counts.focusChanges; break;
            case Action::Move: break;
        }
    }
    return counts;
}

int RandomPlayer::markTime(const std::string& fileName) {
    static const std::regex mark(R"(mark-(\d+)\.png)");
    std::smatch m;
    return std::regex_match(fileName, m, mark) ? std::stoi(m[1]) : -1;
}
