#include "players/bests.h"

#include <algorithm>
#include <cctype>

#include "datafiles/rcm_file.h"

namespace {

bool validLevel(int level) { return level >= 1 && level <= TBests::kMaxLevel; }

int countUp(int n) { return std::min(n + 1, TBests::kMaxCount); }

// "level12" -> 12; 0 for anything else.
int levelOfKey(const std::string& key) {
    if (key.size() < 6 || key.size() > 9) return 0;
    for (size_t i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(key[i])) != "level"[i]) return 0;
    int n = 0;
    for (size_t i = 5; i < key.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(key[i]))) return 0;
        n = n * 10 + (key[i] - '0');
    }
    return validLevel(n) ? n : 0;
}

}  // namespace

void TBests::tried(int level) {
    if (!validLevel(level)) return;
    TLevelBest& b = levels_[level];
    b.tries = countUp(b.tries);
}

TBests::NewBest TBests::won(int level, int score, int ms) {
    NewBest news;
    if (!validLevel(level)) return news;
    TLevelBest& b = levels_[level];
    const bool before = b.wins > 0;
    score = std::max(score, 0);
    if (!before || score > b.score) {
        news.score = before;
        b.score = score;
    }
    if (ms > 0 && (b.fastestMs == 0 || ms < b.fastestMs)) {
        news.time = b.fastestMs > 0;
        b.fastestMs = ms;
    }
    b.wins = countUp(b.wins);
    // A win counts as a try even when its start was not seen.
    b.tries = std::max(b.tries, b.wins);
    return news;
}

const TLevelBest* TBests::find(int level) const {
    const auto it = levels_.find(level);
    return it == levels_.end() ? nullptr : &it->second;
}

std::string TBests::fileText() const {
    std::string t = "bests {\n";
    for (const auto& [level, b] : levels_)
        t += "\t level" + std::to_string(level) + " = " + std::to_string(b.score) + ", " +
             std::to_string(b.fastestMs) + ", " + std::to_string(b.tries) + ", " + std::to_string(b.wins) + "\n";
    t += "}\n\n";
    return t;
}

void TBests::readFrom(const TRCMFile& file) {
    levels_.clear();
    const TRCMGroup* group = file._grupa ? file._grupa->getGroup("bests") : nullptr;
    if (!group) return;
    for (const TRCMEntry& e : group->_listaWpisow) {
        const int level = levelOfKey(e._id);
        if (!level || e._type != TRCMEntry::TYPE_NUMBER || e._value.size() != 4) continue;
        const std::string path = "bests::" + e._id;
        TLevelBest b;
        b.score = file.getInt(path, 0);
        b.fastestMs = file.getInt(path, 1);
        b.tries = file.getInt(path, 2);
        b.wins = file.getInt(path, 3);
        const bool sane = b.score >= 0 && b.fastestMs >= 0 && b.wins >= 0 && b.wins <= b.tries &&
                          b.tries <= kMaxCount && (b.wins > 0 || (b.score == 0 && b.fastestMs == 0));
        if (sane) levels_[level] = b;
    }
}
