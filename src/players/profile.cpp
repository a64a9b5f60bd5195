#include "players/profile.h"

#include <algorithm>
#include <climits>

#include "board/level_manager.h"
#include "datafiles/data_file_writer.h"
#include "datafiles/rcm_file.h"
#include "datafiles/strings.h"
#include "shell/media/files.h"

int TProfile::porada(int i) const {
    if (i < 0 || i >= int(hint.size())) return 0;
    return hint[size_t(i)] == 0 ? 1 : 0;
}

void TProfile::startNewQuest() {
    score = 0;
    kapsle = 0;
    bonus.fill(0);
}

void TProfile::restartQuest(TLevelManager& levels) {
    level = nullptr;
    currentLevel = 1;
    for (int i = 0; i <= 25; ++i) hint[size_t(i)] = 0;
    level = levels.loadLevel(1);
}

TLevelPtr TProfile::nextQuestLevel(TLevelManager& levels) {
    currentLevel += 1;
    level = levels.loadLevel(currentLevel);
    return level;
}

std::string TProfile::fileText() const {
    std::string t = "profile {\n";
    t += "\t level = " + std::to_string(currentLevel) + "\n";
    t += "\t name = \"" + savedProfileName(name) + "\" \n";
    t += "\t score = " + std::to_string(score) + "\n";
    t += "\t kapsle = " + std::to_string(kapsle) + "\n";
    for (int i = 0; i < kBonusKinds; ++i) t += "\t bonus" + std::to_string(i) + " = " + std::to_string(bonus[size_t(i)]) + "\n";
    for (int i = 0; i < kSavedHints; ++i) t += "\t hint" + std::to_string(i) + " = " + std::to_string(hint[size_t(i)]) + "\n";
    t += "}\n \n";
    return t;
}

void TProfile::readFrom(const TRCMFile& file) {
    auto number = [&](const std::string& key, int low, int high, int& into) {
        if (!file.findEntry(key)) return;
        into = std::clamp(file.getInt(key), low, high);
    };
    if (file.findEntry("profile::name")) name = savedProfileName(file.getString("profile::name"));
    number("profile::level", 0, INT_MAX, currentLevel);
    number("profile::score", 0, INT_MAX, score);
    number("profile::kapsle", 0, INT_MAX, kapsle);
    for (int i = 0; i < kBonusKinds; ++i) number("profile::bonus" + std::to_string(i), 0, kMaxBonusItems, bonus[size_t(i)]);
    for (int i = 0; i < kSavedHints; ++i) number("profile::hint" + std::to_string(i), 0, 1, hint[size_t(i)]);
}

std::string savedProfileName(const std::string& name) {
    // Blanks around a name are no part of it: "Ada " is Ada, and a name of
    // blanks alone is no name.
    std::u32string chars = media::fromUtf8(trimBlank(DataFileWriter::cleanText(name)));
    if (chars.size() <= size_t(TProfile::kMaxNameLength)) return media::toUtf8(chars);
    // Cut short, it may end in a blank that the next reading would drop.
    chars.resize(size_t(TProfile::kMaxNameLength));
    return trimBlank(media::toUtf8(chars));
}

bool sameProfileName(const std::string& a, const std::string& b) {
    // Letters of the Latin alphabets the name files can hold, ignoring case.
    auto upper = [](char32_t c) -> char32_t {
        if (c >= U'a' && c <= U'z') return c - 32;
        if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
        return c;
    };
    const std::u32string x = media::fromUtf8(a), y = media::fromUtf8(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (upper(x[i]) != upper(y[i])) return false;
    return true;
}
