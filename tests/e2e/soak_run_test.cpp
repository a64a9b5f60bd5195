// Long play: a seeded random player drives the real program through the
// menus, profiles, settings, quest levels of every kind, the shop, the
// stories and free play, for SOAK_MINUTES of game time (2 by default; `make
// soak` plays 30). It passes when no run crashes, hangs or draws a sanitizer
// report, the memory stops growing once the first minutes are played, and
// the save files load whole afterwards.
//
// The play is split into stretches, each started where a kind of play
// begins. When the random player quits (Escape in the main menu does), the
// game is started again over the same save folder and play goes on from the
// script's last mark: saving and loading are part of the soak. SOAK_SEED
// picks the play; the seed is printed so that a failure can be replayed.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "app/top_level.h"
#include "datafiles/rcm_file.h"
#include "game_runner.h"
#include "quest/profile_manager.h"
#include "random_player.h"
#include "shell/media/input_script.h"

namespace {

using Clock = std::chrono::steady_clock;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

double envNumber(const char* name, double fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atof(v) : fallback;
}

// Pictures a second on the virtual clock: the same game, fewer frames.
constexpr int kHz = 20;

// ---- memory -------------------------------------------------------------

// The resident memory of a process in kB, 0 when it cannot be read.
long residentKb(int pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

struct MemorySample {
    double at;  // share of the run's real time, 0 to 1
    long kb;
};

// One run's memory: when the first minutes are over (`warmShare` of the
// run), the most it had held by then, and the most it held afterwards.
struct MemoryFigures {
    long firstKb = 0, warmKb = 0, laterPeakKb = 0, endKb = 0;
    long growthKb() const { return std::max(0L, laterPeakKb - warmKb); }
};

MemoryFigures memoryFigures(const std::vector<MemorySample>& samples, double warmShare) {
    MemoryFigures f;
    if (samples.empty()) return f;
    f.firstKb = samples.front().kb;
    f.endKb = samples.back().kb;
    for (const MemorySample& s : samples) {
        long& peak = s.at <= warmShare ? f.warmKb : f.laterPeakKb;
        peak = std::max(peak, s.kb);
    }
    if (f.laterPeakKb == 0) f.laterPeakKb = f.warmKb;
    return f;
}

// How much a run may still grow after its first minutes: new scenes load
// their pictures on first sight, and the sanitizer keeps freed blocks in a
// quarantine of bounded size. A run whose first minutes are short (the
// half-minute stretches of the soak in `make test`) meets new scenes after
// them too, and the line between the two halves is drawn in real time,
// which loading stretches: such a run has been seen to grow by up to 54 MB
// with no leak found at its end. The long soak (`make soak`) keeps
// the narrow margin.
constexpr long kGrowthMarginKb = 24 * 1024;
constexpr long kShortRunGrowthMarginKb = 96 * 1024;
long growthMarginKb(int warmMs) { return warmMs >= 120000 ? kGrowthMarginKb : kShortRunGrowthMarginKb; }

// The first minutes of `playMs` of game clock: two, or the first half of
// shorter play.
int warmMsOf(int playMs) { return std::min(120000, playMs / 2); }

// ---- what the runs print ------------------------------------------------

// A sanitizer's report, or "".
std::string sanitizerReport(const std::string& output) {
    for (const char* mark : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:", "UndefinedBehaviorSanitizer",
                             "AddressSanitizer:DEADLYSIGNAL"}) {
        const size_t at = output.find(mark);
        if (at != std::string::npos) return output.substr(at > 2000 ? at - 2000 : 0, 8000);
    }
    return "";
}

// What a run says when a save file did not load whole or could not be written.
bool reportsDamagedSaves(const std::string& output) {
    for (const char* mark : {"Napotkano problem", "damaged", "Profile file missing", "not saved", "cannot be saved"})
        if (has(output, mark)) return true;
    return false;
}

// The screens a run's output shows it reached.
struct Reached {
    int mainMenus = 0, stories = 0, purchases = 0;
    std::set<int> mapLevels;
    void add(const std::string& output) {
        static const std::regex map(R"(MAP : level (\d+))");
        for (std::sregex_iterator it(output.begin(), output.end(), map), end; it != end; ++it)
            mapLevels.insert(std::stoi((*it)[1]));
        for (size_t at = 0; (at = output.find('\n', at)) != std::string::npos; ++at) {
            const std::string_view line = std::string_view(output).substr(at + 1, 16);
            if (line.starts_with("MAIN MENU")) ++mainMenus;
            if (line.starts_with("STORY : ")) ++stories;
            if (line.starts_with("SHOP : bought")) ++purchases;
        }
    }
};

// ---- the players and where each stretch starts ---------------------------

// The first quest level whose type starts with `kind`, or 0.
int firstLevelOf(const std::string& kind) {
    const std::regex typ("typ = \"" + kind);
    for (int nr = 1; nr <= TMain::kLastQuestLevel; ++nr) {
        const std::string text = testing_support::readFile(testing_support::contentDir() + "/data/levels/level" +
                                                           std::to_string(nr) + ".dat");
        if (std::regex_search(text, typ)) return nr;
    }
    return 0;
}

// The screen that plays quest level `nr`.
std::string levelScreen(int nr) {
    const std::string text =
        testing_support::readFile(testing_support::contentDir() + "/data/levels/level" + std::to_string(nr) + ".dat");
    if (text.find("typ = \"SHOOTING") != std::string::npos) return "shootingminigame";
    if (text.find("typ = \"PUZZLE") != std::string::npos) return "puzzlegame";
    return "game";
}

// A fixed opening that takes the player from the intro to a screen. Its
// length is its script time: a `waitfor` takes none, however long the game
// takes to print its line.
class LeadIn {
public:
    LeadIn() { waitFor("LOADED").key("Space").opened("mainmenu", 1200); }
    LeadIn& wait(int ms) {
        text += "wait " + std::to_string(ms) + "\n";
        ms_ += ms;
        return *this;
    }
    LeadIn& waitFor(const std::string& line) {
        text += "waitfor " + line + "\n";
        return *this;
    }
    // Until the screen or pop-up is up, then `settleMs` for its gate or fade.
    LeadIn& opened(const std::string& screen, int settleMs) { return waitFor("SCREEN : open " + screen).wait(settleMs); }
    // The pointer over (x, y) first; press and release on one script line,
    // so a screen the click opens at once is heard by a `waitfor` after it.
    LeadIn& click(int x, int y) {
        const std::string at = std::to_string(x) + " " + std::to_string(y);
        text += "move " + at + "\nwait 120\nclick " + at + "\n";
        ms_ += 120 + 50;
        return *this;
    }
    LeadIn& key(const std::string& name) {
        text += "key " + name + "\n";
        ms_ += 50;
        return *this;
    }
    // Main menu, "Play", "Continue", the map's "Play": into the player's
    // level, quest level `nr`.
    LeadIn& intoLevel(int nr) {
        return click(410, 195).opened("playmodeselection", 1000).click(400, 290).opened("questmapobject", 1500)
            .click(700, 564).opened(levelScreen(nr), 1500);
    }
    std::string text;
    int ms() const { return ms_; }

private:
    int ms_ = 0;
};

struct Stretch {
    std::string what;
    size_t player;  // the current player, in the players' list
    LeadIn leadIn;
};

struct SoakPlan {
    std::vector<SeededPlayer> players;
    std::vector<Stretch> stretches;  // the most telling first
};

SoakPlan soakPlan() {
    const int shooting = firstLevelOf("SHOOTING"), puzzle = firstLevelOf("PUZZLE");
    SoakPlan plan;
    plan.players = {
        {"Ada", 0, 0, 0},                            // a new quest, every help page unseen
        {"Bob", 5, 900, 21},                         // the shop open, diamonds to spend
        {"Cyd", shooting, 150, 21},                  // the shooting gallery next
        {"Dee", puzzle, 150, 21},                    // the picture puzzle next
        {"Eve", 10, 300, 21},                        // a land's story after the level
        {"Fin", TMain::kLastQuestLevel, 400, 21},  // the closing story and the credits after it
    };
    plan.stretches = {
        {"the shooting gallery", 2, LeadIn().intoLevel(shooting)},
        {"the picture puzzle", 3, LeadIn().intoLevel(puzzle)},
        // In the shop, the first colour blast offered is asked for and bought.
        {"the shop", 1,
         LeadIn().click(410, 195).opened("playmodeselection", 1000).click(400, 290).opened("questmapobject", 1500)
             .click(505, 564).opened("bonusshop", 1000).click(330, 200).opened("yesorno", 1000).key("Return")
             .waitFor("SCREEN : close yesorno").wait(600)},
        {"free play", 0, LeadIn().click(410, 253).opened("freeplaymodule", 1000)},
        {"a land's story", 4, LeadIn().intoLevel(10).key("G").wait(6000)},
        {"the last level", 5, LeadIn().intoLevel(TMain::kLastQuestLevel).key("G").wait(6000)},
        {"a new quest", 0, LeadIn().click(410, 195).opened("story", 1500)},
        {"profiles and settings", 1, LeadIn().click(705, 528).opened("profilemanager", 1000)},
    };
    return plan;
}

// ---- the save files, read back -----------------------------------------

// Why the save folder does not read back whole, or "".
std::string savesProblem(const std::string& folder) {
    namespace fs = std::filesystem;
    const TRCMFile indexFile = loadRCMFile(folder + "/profiles.dat");
    const TProfileManager::Index index = TProfileManager::readIndex(indexFile);
    if (!index.readable) return "profiles.dat does not read";
    if (index.count < 1 || index.count != int(index.names.size())) return "profiles.dat lists no players";
    for (int n = 1; n <= index.count; ++n) {
        const std::string path = folder + "/profile" + std::to_string(n) + ".dat";
        const TRCMFile file = loadRCMFile(path);
        if (!file._grupa) return path + " does not read";
        if (file.getString("profile::name") != index.names[size_t(n - 1)])
            return path + " names " + file.getString("profile::name") + ", the index " + index.names[size_t(n - 1)];
        const std::string bests = folder + "/bests" + std::to_string(n) + ".dat";
        if (fs::exists(bests) && !loadRCMFile(bests)._grupa) return bests + " does not read";
    }
    if (fs::exists(folder + "/settings.dat") && !loadRCMFile(folder + "/settings.dat")._grupa)
        return "settings.dat does not read";
    return "";
}

// ---- one stretch of play ------------------------------------------------

struct StretchResult {
    int processes = 0;
    RandomPlayer::Counts counts;
    MemoryFigures longestRun;  // of the run that played longest
    int longestRunMs = 0, longestRunWarmMs = 0;
};

// The sanitizers' settings for a run whose files go to `folder`.
std::vector<std::string> sanitizerOptions(const std::string& folder) {
    // Mesa's software renderer keeps a few blocks to the end; its stacks stop
    // in its own modules (built without frame pointers), so the module names
    // tell them apart. Every other leak counts.
    const std::string suppressions = folder + "/leaks.supp";
    testing_support::writeFile(suppressions,
                               "leak:swrast_dri.so\nleak:libgallium\nleak:libLLVM\nleak:libEGL_mesa\n"
                               "leak:libGLX_mesa\nleak:libglapi\nleak:libdrm\n");
    // A bounded quarantine, so freed memory held back for checking does not
    // read as growth.
    return {"ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:quarantine_size_mb=4",
            "LSAN_OPTIONS=print_suppressions=0:suppressions=" + suppressions,
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"};
}

// With SOAK_SHOTS=folder, a run's marks, its script and its memory (seconds
// of real time and kB) are kept there, named by the stretch's seed and the
// run's start, for a person to look through or replay.
void keepForLooking(const GameRun& run, uint32_t seed, int startMs,
                    const std::vector<std::pair<Clock::time_point, long>>& rss, Clock::time_point began) {
    namespace fs = std::filesystem;
    const char* folder = std::getenv("SOAK_SHOTS");
    if (!folder || !*folder) return;
    const std::string prefix = std::string(folder) + "/" + std::to_string(seed) + "-";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(run.shotsDir.path(), ec))
        if (RandomPlayer::markTime(entry.path().filename().string()) >= startMs)
            fs::copy_file(entry.path(), prefix + entry.path().filename().string(), fs::copy_options::overwrite_existing, ec);
    fs::copy_file(run.shotsDir.file("input.txt"), prefix + std::to_string(startMs) + "-input.txt",
                  fs::copy_options::overwrite_existing, ec);
    std::string trace;
    for (const auto& [at, kb] : rss)
        trace += std::to_string(std::chrono::duration<double>(at - began).count()) + " " + std::to_string(kb) + "\n";
    testing_support::writeFile(prefix + std::to_string(startMs) + "-rss.txt", trace);
}

// Plays one stretch of `lengthMs`; failures go to gtest.
StretchResult playStretch(const SoakPlan& plan, const Stretch& stretch, uint32_t seed, int lengthMs,
                          const std::vector<ClickTarget>& targets, Reached& reached) {
    StretchResult result;
    GameRun run;
    run.cheats = true;
    seedPlayers(run, plan.players, stretch.player);
    const RandomPlayer player(seed, targets, lengthMs, stretch.leadIn.text, stretch.leadIn.ms());

    int startMs = 0;
    for (int restart = 0; startMs < lengthMs; ++restart) {
        const std::string script = player.scriptFrom(startMs);

        // Memory four times a second, the first after a second, when the
        // game has long replaced the copy of this program it started as.
        std::vector<std::pair<Clock::time_point, long>> rss;
        Clock::time_point lastSample = Clock::now() + std::chrono::milliseconds(750);
        run.whileRunning = [&](int pid) {
            const Clock::time_point now = Clock::now();
            if (now - lastSample < std::chrono::milliseconds(250)) return;
            lastSample = now;
            if (const long kb = residentKb(pid)) rss.emplace_back(now, kb);
        };
        const Clock::time_point began = Clock::now();
        // A watchdog well beyond what the run takes under the sanitizers.
        const int timeoutSeconds = 180 + (lengthMs - startMs) / 250;
        std::vector<std::string> env = sanitizerOptions(run.shotsDir.path());
        env.push_back("VORNELL_HZ=" + std::to_string(kHz));
        env.push_back("VORNELL_SEED=" + std::to_string(seed + uint32_t(restart)));
        runGame(run, script, env, timeoutSeconds);
        ++result.processes;
        reached.add(run.output);

        const std::string context = stretch.what + ", seed " + std::to_string(seed) + ", from " +
                                    std::to_string(startMs) + " ms";
        const std::string report = sanitizerReport(run.output);
        if (!report.empty() || run.timedOut || run.exitCode != 0) {
            ADD_FAILURE() << context << ": "
                          << (run.timedOut ? "no end within " + std::to_string(timeoutSeconds) + " s"
                                           : "exit status " + std::to_string(run.exitCode))
                          << "\n"
                          << (report.empty() ? run.output.substr(run.output.size() > 4000 ? run.output.size() - 4000 : 0)
                                             : report);
            return result;
        }

        // How far the script got: its newest mark.
        int reachedMs = startMs;
        for (const auto& entry : std::filesystem::directory_iterator(run.shotsDir.path()))
            reachedMs = std::max(reachedMs, RandomPlayer::markTime(entry.path().filename().string()));
        keepForLooking(run, seed, startMs, rss, began);
        // A quit before the first mark replays nothing: go on from the next.
        const int nextStart = reachedMs > startMs ? reachedMs : startMs + RandomPlayer::kMarkMs;
        const int playedMs = std::min(nextStart, lengthMs) - startMs;
        result.counts += player.countsBetween(startMs, startMs + playedMs);

        // The last second and a half is the exit, whose leak check walks the
        // whole heap and briefly raises the resident memory: not play.
        if (!rss.empty()) {
            const Clock::time_point exitBegins = rss.back().first - std::chrono::milliseconds(1500);
            std::erase_if(rss, [&](const auto& sample) { return sample.first > exitBegins; });
        }
        if (!rss.empty() && playedMs > result.longestRunMs) {
            const double realSeconds = std::chrono::duration<double>(rss.back().first - began).count();
            std::vector<MemorySample> samples;
            for (const auto& [at, kb] : rss)
                samples.push_back({std::chrono::duration<double>(at - began).count() / std::max(realSeconds, 1e-3), kb});
            // The first minutes count from where the stretch's own play begins.
            const int openingMs = startMs == 0 ? stretch.leadIn.ms() : 0;
            result.longestRunWarmMs = openingMs + warmMsOf(playedMs - openingMs);
            result.longestRun = memoryFigures(samples, double(result.longestRunWarmMs) / playedMs);
            result.longestRunMs = playedMs;
        }
        startMs = nextStart;
    }

    // The saves load whole: read back here, and by the game once more.
    EXPECT_EQ(savesProblem(run.saveDir.path()), "") << stretch.what;
    run.whileRunning = nullptr;
    runGame(run, std::string(kToTheMainMenu) + "close\n", sanitizerOptions(run.shotsDir.path()), 180);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_FALSE(reportsDamagedSaves(run.output)) << stretch.what << ": the saves do not load whole\n" << run.output;
    EXPECT_TRUE(sanitizerReport(run.output).empty()) << sanitizerReport(run.output);
    return result;
}

std::string mb(long kb) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", kb / 1024.0);
    return text;
}

}  // namespace

// ---- the soak ---------------------------------------------------------------

TEST(SoakRun, RandomPlayThroughEveryScreenEndsCleanWithSteadyMemoryAndWholeSaves) {
    const double minutes = envNumber("SOAK_MINUTES", 2);
    const uint32_t seed = uint32_t(envNumber("SOAK_SEED", 1));
    const int totalMs = int(minutes * 60000);
    const SoakPlan plan = soakPlan();
    // Stretches of half a minute at least, so each gets past its opening.
    const int count = std::clamp(totalMs / 30000, 1, int(plan.stretches.size()));
    const int lengthMs = totalMs / count;
    const std::vector<ClickTarget> targets = buttonTargets(testing_support::contentDir() + "/data");
    ASSERT_GT(targets.size(), 20u) << "no buttons found in the layouts";
    std::printf("soak: seed %u, %.1f minutes of game time in %d stretches, %d pictures a second\n", seed, minutes,
                count, kHz);
    std::fflush(stdout);

    const Clock::time_point began = Clock::now();
    Reached reached;
    RandomPlayer::Counts counts;
    int processes = 0;
    long worstGrowthKb = 0;
    for (int i = 0; i < count; ++i) {
        const Stretch& stretch = plan.stretches[size_t(i)];
        const Clock::time_point stretchBegan = Clock::now();
        const StretchResult r = playStretch(plan, stretch, seed * 1000u + uint32_t(i), lengthMs, targets, reached);
        processes += r.processes;
        counts += r.counts;
        const MemoryFigures& m = r.longestRun;
        worstGrowthKb = std::max(worstGrowthKb, m.growthKb());
        std::printf("soak: %-22s %5.1f game min, %6.1f s real, %d run(s); longest run %.1f min: RSS first %s, "
                    "after %.1f min %s, peak later %s, end %s\n",
                    stretch.what.c_str(), lengthMs / 60000.0,
                    std::chrono::duration<double>(Clock::now() - stretchBegan).count(), r.processes,
                    r.longestRunMs / 60000.0, mb(m.firstKb).c_str(), r.longestRunWarmMs / 60000.0,
                    mb(m.warmKb).c_str(), mb(m.laterPeakKb).c_str(), mb(m.endKb).c_str());
        std::fflush(stdout);
        EXPECT_LE(m.growthKb(), growthMarginKb(r.longestRunWarmMs))
            << stretch.what << ": memory still grew by " << mb(m.growthKb()) << " after the first minutes";
    }
    std::printf("soak: %.1f game minutes in %.0f s real, about %d frames, %d game runs; %d clicks, %d drags, "
                "%d keys, %d typed texts, %d focus changes\n",
                minutes, std::chrono::duration<double>(Clock::now() - began).count(), int(minutes * 60 * kHz),
                processes, counts.clicks, counts.drags, counts.keys, counts.texts, counts.focusChanges);
    std::string levels;
    for (int nr : reached.mapLevels) levels += " " + std::to_string(nr);
    std::printf("soak: reached the main menu %d times, stories %d, shop purchases %d, map at level%s; "
                "worst growth after the first minutes %s\n",
                reached.mainMenus, reached.stories, reached.purchases, levels.c_str(),
                mb(worstGrowthKb).c_str());
}

// ---- the random player itself ---------------------------------------------

TEST(SoakRun, TheRandomPlayerPlaysTheSameForTheSameSeedAndResumesFromItsMarks) {
    const std::vector<ClickTarget> targets = buttonTargets(testing_support::contentDir() + "/data");
    // Every layout's active buttons, and none that is only a picture.
    ASSERT_GT(targets.size(), 20u);
    for (const ClickTarget& t : targets) {
        EXPECT_TRUE(t.x >= 0 && t.x < 800 && t.y >= 0 && t.y < 600) << t.x << ", " << t.y;
        EXPECT_FALSE(t.x == 400 && t.y == 310) << "the profile list's panel is not a button";
    }

    const int lengthMs = 3 * RandomPlayer::kMarkMs + 5000;
    const RandomPlayer a(7, targets, lengthMs, "wait 500\n", 500), b(7, targets, lengthMs, "wait 500\n", 500),
        c(8, targets, lengthMs);
    const std::string whole = a.scriptFrom(0);
    const RandomPlayer::Counts counts = a.countsBetween(0, lengthMs);
    EXPECT_EQ(whole, b.scriptFrom(0));
    EXPECT_NE(whole, c.scriptFrom(0));
    EXPECT_GT(counts.clicks, 10);
    EXPECT_GT(counts.keys, 0);

    // The harness takes every line, and the script lasts exactly its length
    // with a mark every kMarkMs and at the end, then closes the window.
    media::InputScript parsed;
    std::string error;
    ASSERT_TRUE(parsed.parse(whole, error)) << error;
    ASSERT_FALSE(parsed.events().empty());
    EXPECT_EQ(parsed.events().back().kind, media::ScriptEvent::Close);
    std::vector<int> marks;
    for (const media::ScriptEvent& e : parsed.events()) {
        if (e.kind != media::ScriptEvent::Shot) continue;
        marks.push_back(RandomPlayer::markTime(e.text));
        EXPECT_GE(e.time, marks.back()) << "a mark before its time";
    }
    EXPECT_EQ(marks, (std::vector<int>{20000, 40000, 60000, lengthMs}));

    // Resumed from a mark: the same play from there on, nothing from before.
    const std::string resumed = a.scriptFrom(40000);
    ASSERT_TRUE(parsed.parse(resumed, error)) << error;
    EXPECT_EQ(RandomPlayer::markTime(parsed.events().front().text), -1);
    const std::string tail = whole.substr(whole.find("shot mark-40000.png\n") + 20);
    EXPECT_NE(resumed.find(tail.substr(tail.find("move"))), std::string::npos);
    EXPECT_EQ(resumed.find("mark-20000"), std::string::npos);
    EXPECT_EQ(resumed.find("mark-40000"), std::string::npos);
    const RandomPlayer::Counts before = a.countsBetween(0, 40000), after = a.countsBetween(40000, lengthMs);
    EXPECT_EQ(before.clicks + after.clicks, counts.clicks);
    EXPECT_EQ(before.keys + after.keys, counts.keys);

    EXPECT_EQ(RandomPlayer::markTime("mark-60000.png"), 60000);
    EXPECT_EQ(RandomPlayer::markTime("menu.png"), -1);
}

TEST(SoakRun, MemoryGrowthCountsOnlyWhatComesAfterTheFirstMinutes) {
    // Loading, then steady, then one late climb.
    std::vector<MemorySample> samples = {{0.0, 100}, {0.2, 300}, {0.4, 320}, {0.6, 310}, {0.8, 330}, {1.0, 315}};
    MemoryFigures f = memoryFigures(samples, 0.4);
    EXPECT_EQ(f.firstKb, 100);
    EXPECT_EQ(f.warmKb, 320);
    EXPECT_EQ(f.laterPeakKb, 330);
    EXPECT_EQ(f.endKb, 315);
    EXPECT_EQ(f.growthKb(), 10);
    // Memory given back later is no growth; a run too short to have a
    // later part has none either.
    EXPECT_EQ(memoryFigures({{0.0, 100}, {0.5, 400}, {1.0, 200}}, 0.5).growthKb(), 0);
    EXPECT_EQ(memoryFigures({{0.0, 100}, {0.3, 200}}, 1.0).growthKb(), 0);
    EXPECT_EQ(memoryFigures({}, 0.5).growthKb(), 0);
    // Two minutes of long play, half of short play.
    EXPECT_EQ(warmMsOf(600000), 120000);
    EXPECT_EQ(warmMsOf(60000), 30000);
}

TEST(SoakRun, SavesThatDoNotReadBackWholeAreFound) {
    GameRun run;
    seedPlayers(run, {{"Ada", 3, 10, 0}, {"Bob", 7, 0, 21}}, 1);
    const std::string saves = run.saveDir.path();
    EXPECT_EQ(savesProblem(saves), "");
    // A profile file cut short, one whose name disagrees, a missing index.
    const std::string profile2 = testing_support::readFile(saves + "/profile2.dat");
    testing_support::writeFile(saves + "/profile2.dat", profile2.substr(0, profile2.size() / 2));
    EXPECT_NE(savesProblem(saves), "");
    testing_support::writeFile(saves + "/profile2.dat", std::regex_replace(profile2, std::regex("Bob"), "Rob"));
    EXPECT_NE(savesProblem(saves), "");
    std::filesystem::remove(saves + "/profiles.dat");
    EXPECT_NE(savesProblem(saves), "");

    EXPECT_TRUE(reportsDamagedSaves("Napotkano problem : Blad nawiasow klamrowych!"));
    EXPECT_FALSE(reportsDamagedSaves("MY DOCS : /tmp/x\nMAIN MENU\n"));
    EXPECT_NE(sanitizerReport("x\n==1==ERROR: AddressSanitizer: heap-use-after-free\n"), "");
    EXPECT_NE(sanitizerReport("src/board/level.cpp:10:5: runtime error: signed integer overflow"), "");
    EXPECT_EQ(sanitizerReport("MAIN MENU\n"), "");
}
