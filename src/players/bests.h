#pragma once
// A player's personal bests on the quest levels: for each level tried, the
// best score and the fastest time of a win, the tries and the wins. Saved
// beside the profile as bests<n>.dat, so the profile file keeps its text:
//
//   bests {
//   	 level3 = 1234, 65000, 4, 2     (score, fastest win in ms, tries, wins)
//   }
//
// A fastest win of 0 means none was timed (the shooting gallery is not).
#include <map>
#include <string>

class TRCMFile;

struct TLevelBest {
    int score = 0;      // best score of a win
    int fastestMs = 0;  // fastest win; 0 while none was timed
    int tries = 0;      // attempts begun
    int wins = 0;
};

class TBests {
public:
    // Level numbers and counts beyond these are an edited or damaged file.
    static constexpr int kMaxLevel = 9999;
    static constexpr int kMaxCount = 999999999;

    // What a win improved on an earlier win (a first win beats nothing).
    struct NewBest {
        bool score = false;
        bool time = false;
        bool any() const { return score || time; }
    };

    // An attempt of the level begins.
    void tried(int level);
    // The level was won with `score`, in `ms` (0: not timed).
    NewBest won(int level, int score, int ms);
    // The level's bests, or nullptr while it was never tried.
    const TLevelBest* find(int level) const;
    bool empty() const { return levels_.empty(); }

    std::string fileText() const;
    // Replaces the bests with a file's. A file that cannot be read gives
    // none; a line that makes no sense is left out.
    void readFrom(const TRCMFile& file);

private:
    std::map<int, TLevelBest> levels_;
};
