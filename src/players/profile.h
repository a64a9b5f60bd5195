#pragma once
// One player's profile: name, quest progress, score, diamonds, bought bonus
// items and the help pages already seen. Saved as profile<n>.dat in the save
// folder:
//
//   profile {
//   	 level = 12
//   	 name = "Ada"
//   	 score = 3410
//   	 kapsle = 230
//   	 bonus0 = 0   ... bonus16
//   	 hint0 = 1    ... hint20
//   }
#include <array>
#include <string>

#include "board/level.h"
#include "players/bests.h"

class TLevelManager;
class TRCMFile;

class TProfile {
public:
    static constexpr int kBonusKinds = 17;
    static constexpr int kSavedHints = 21;
    // The longest name the name entry takes.
    static constexpr int kMaxNameLength = 25;
    // Counts a save file may hold; anything beyond is an edited or damaged
    // file and is cut back.
    static constexpr int kMaxBonusItems = 9999;

    // The quest level the player is on (1-based); 0 before any quest.
    int currentLevel = 0;
    std::string name;
    // The loaded board of that level; none when no quest runs.
    TLevelPtr level;
    int score = 0;
    int kapsle = 0;  // diamonds owned
    // Entry k counts the items of bonus kind 101 + k.
    std::array<int, kBonusKinds> bonus{};
    // Entry i is 1 once help page i has been shown.
    std::array<int, 100> hint{};
    // Personal bests on the quest levels, saved in a file of their own.
    TBests bests;

    // 1 while help page i has not been shown yet.
    int porada(int i) const;
    // A new quest: score, diamonds and items start from nothing.
    void startNewQuest();
    // Back to the quest's level 1, its help pages unseen again.
    void restartQuest(TLevelManager& levels);
    // On to the next quest level; returns it (none when it cannot be read).
    TLevelPtr nextQuestLevel(TLevelManager& levels);

    // The text of the profile's save file.
    std::string fileText() const;
    // Reads the numbers and the name of a save file; what is missing or
    // unreadable keeps its default, what is out of range is clamped.
    void readFrom(const TRCMFile& file);
};

// The name as the save files write it: characters their format cannot carry
// and surrounding blanks dropped, at most kMaxNameLength characters.
std::string savedProfileName(const std::string& name);
// Whether two names are the same name to a player (letter case ignored).
bool sameProfileName(const std::string& a, const std::string& b);
