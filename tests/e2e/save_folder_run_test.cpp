// The save folder fails while a player plays: made read-only, filled up or
// removed. The game plays on, says once that it cannot save, and what it
// saved before stays as it was.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "game_runner.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// True once `path` exists; false when the game ended without it.
bool waitForFile(const std::string& path, const std::atomic<bool>& ended) {
    while (!std::filesystem::exists(path)) {
        if (ended) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Wins a level, which is saved, lets `fail` break the save folder while the
// game waits on the map, then wins another level and quits: two saves that
// meet the broken folder.
void playThroughAFailure(GameRun& run, const std::function<void()>& fail, std::string& savedBefore) {
    run.cheats = true;
    seedPlayer(run, "Ada", 1, 0, 21);
    const std::string go = run.shotsDir.file("go");
    const std::string script = toTheQuestMap() + winTheLevelFromTheMap() + "shot saved.png\nwaitfile " + go + "\n" +
                               winTheLevelFromTheMap() + "close\n";
    std::atomic<bool> ended = false;
    std::thread game([&] {
        // Twenty pictures a game second are plenty for this script.
        runGame(run, script, {"VORNELL_HZ=20"}, 300);
        ended = true;
    });
    const bool reached = waitForFile(run.shotsDir.file("saved.png"), ended);
    savedBefore = readFile(run.saveDir.file("profile1.dat"));
    if (reached) fail();
    writeFile(go, "");
    game.join();
    ASSERT_TRUE(reached) << run.output;
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("MAP : level 3"), std::string::npos) << "play went on:\n" << run.output;
    EXPECT_NE(savedBefore.find("level = 2"), std::string::npos) << "the first win was saved:\n" << savedBefore;
}

// Said on the screen once, however many saves fail after it.
void expectToldOnce(const GameRun& run) {
    const std::string notice = "NOTIFY: Profile not saved!";
    const size_t first = run.output.find(notice);
    EXPECT_NE(first, std::string::npos) << run.output;
    EXPECT_EQ(run.output.find(notice, first + 1), std::string::npos) << "said more than once:\n" << run.output;
    EXPECT_NE(run.output.find("Profile not saved!", first + notice.size()), std::string::npos)
        << "the quit's save was tried too";
}

TEST(SaveFolderRun, ReadOnlyFolderKeepsWhatWasSaved) {
    GameRun run;
    run.withoutPermissionOverride = true;
    std::string before;
    playThroughAFailure(run, [&] { chmod(run.saveDir.path().c_str(), 0555); }, before);
    chmod(run.saveDir.path().c_str(), 0755);
    expectToldOnce(run);
    EXPECT_EQ(readFile(run.saveDir.file("profile1.dat")), before);
}

TEST(SaveFolderRun, FullDiskKeepsWhatWasSaved) {
    GameRun run;
    std::string before;
    // The game's file-size limit at nothing: every write fails as on a full disk.
    playThroughAFailure(run, [&] {
        const rlimit none{0, 0};
        ASSERT_EQ(prlimit(run.pid, RLIMIT_FSIZE, &none, nullptr), 0);
    }, before);
    expectToldOnce(run);
    EXPECT_EQ(readFile(run.saveDir.file("profile1.dat")), before);
    for (const auto& entry : std::filesystem::directory_iterator(run.saveDir.path()))
        EXPECT_EQ(entry.path().extension(), ".dat") << "a half-written file was left: " << entry.path();
}

// A removed folder is made again at the next save: nothing is lost.
TEST(SaveFolderRun, RemovedFolderIsMadeAgain) {
    GameRun run;
    std::string before;
    playThroughAFailure(run, [&] { std::filesystem::remove_all(run.saveDir.path()); }, before);
    EXPECT_EQ(run.output.find("not saved"), std::string::npos) << run.output;
    EXPECT_NE(readFile(run.saveDir.file("profile1.dat")).find("level = 3"), std::string::npos);
}

}  // namespace
