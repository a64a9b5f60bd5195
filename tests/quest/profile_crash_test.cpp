// A crash while saving: a process saving profiles over and over is killed at
// random moments; every time, the files load as one whole save, old or new,
// never a mixture and never nothing.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <random>

#include "quest/profile_manager.h"
#include "shell/save_folder.h"
#include "test_support.h"

namespace {

// Save number g: three players, or, every other time, the first one deleted
// so that the others are renumbered; every number in every profile says g.
void fillGeneration(TProfileManager& m, int g) {
    m.profilesList.clear();
    m.profile = nullptr;
    const std::vector<std::string> names =
        g % 2 == 0 ? std::vector<std::string>{"Ada", "Bob", "Cyd"} : std::vector<std::string>{"Bob", "Cyd"};
    for (const std::string& name : names) {
        TProfile* p = m.addProfile(name);
        p->score = g;
        p->kapsle = g;
        p->bonus.fill(g % 1000);
    }
}

// Saves again and again, saying on `ready` when the first save begins.
[[noreturn]] void saveForever(int first, int ready) {
    TProfileManager m;
    m.loaded = true;
    for (int g = first;; ++g) {
        fillGeneration(m, g);
        if (g == first && write(ready, "s", 1) != 1) _exit(1);
        m.saveProfile();
    }
}

TEST(ProfileCrash, KilledAtRandomMomentsTheSavedProfilesStayWhole) {
    testing_support::TempDir dir;
    saveFolder = dir.path();
    {
        TProfileManager m;
        m.loaded = true;
        fillGeneration(m, 0);
        ASSERT_EQ(m.saveProfile(), 1);
    }
    std::mt19937 random(20261209);
    int lastSeen = 0, newer = 0;
    // The child saves without pause, so any moment is a moment of saving.
    // The range of moments follows the time a save takes on this machine:
    // wider while no save finishes inside it, narrower again when one does.
    useconds_t longest = 25000;
    for (int round = 0; round < 120; ++round) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveForever(lastSeen + 1, ready[1]);
        // From the start of the first save on, any moment may be the last.
        char started = 0;
        ASSERT_EQ(read(ready[0], &started, 1), 1);
        close(ready[0]);
        close(ready[1]);
        usleep(std::uniform_int_distribution<useconds_t>(0, longest)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);

        TProfileManager loaded;
        loaded.loadProfiles();
        ASSERT_FALSE(loaded.profilesList.empty()) << "round " << round;
        const int g = loaded.profilesList[0]->score;
        ASSERT_GE(g, lastSeen) << "round " << round << ": an older save came back";
        const size_t expected = g % 2 == 0 ? 3u : 2u;
        ASSERT_EQ(loaded.profilesList.size(), expected) << "round " << round << ", save " << g;
        for (const auto& p : loaded.profilesList) {
            EXPECT_EQ(p->score, g) << "round " << round << ": profiles from two saves";
            EXPECT_EQ(p->kapsle, g);
            EXPECT_EQ(p->bonus[16], g % 1000);
        }
        EXPECT_EQ(loaded.profilesList.back()->name, "Cyd");
        EXPECT_EQ(loaded.profile, loaded.profilesList.back().get());
        if (g > lastSeen) {
            ++newer;
            longest = std::max<useconds_t>(longest / 2, 10000);
        } else {
            longest = std::min<useconds_t>(longest * 2, 400000);
        }
        lastSeen = g;
    }
    // The kills did land in the middle of saving, not only before it began.
    EXPECT_GT(newer, 10);
}

}  // namespace
