// Peak resident memory of the game playing a level beside that of a bare SDL
// OpenGL window (bare_window), both run the same way in real windows under
// an Xvfb of their own and measured the same way: the peak resident set
// (VmHWM of /proc/PID/status) read until the program ends. The game plays
// quest level 97 (22 x 22 marbles, seven colours, its music) for eight
// seconds of its clock, with clicks on the board, and is then closed.
// Target: no more than 35 MB above the bare window.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "xvfb_server.h"

namespace {

namespace fs = std::filesystem;

// The peak resident set of a running process in MB, 0 once it is gone.
double peakMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

pid_t start(const std::vector<std::string>& words, const std::vector<std::string>& env, const fs::path& folder,
            const fs::path& log) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    std::error_code ec;
    fs::current_path(folder, ec);
    if (!std::freopen(log.c_str(), "w", stdout) || !std::freopen(log.c_str(), "a", stderr)) _exit(126);
    std::vector<char*> argv;
    for (const std::string& w : words) argv.push_back(const_cast<char*>(w.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
}

// Runs the program to its end (at most `seconds`) and returns its peak in MB.
double measure(const std::vector<std::string>& words, const std::vector<std::string>& env, const fs::path& folder,
               const fs::path& log, int seconds) {
    const pid_t pid = start(words, env, folder, log);
    double peak = 0;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        const double now = peakMegabytes(pid);
        if (now > peak) peak = now;
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            std::printf("bench_memory: %s did not end in %d s\n", words[0].c_str(), seconds);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return peak;
}

}  // namespace

int main() {
    const fs::path work = fs::temp_directory_path() / ("vornell-bench-memory-" + std::to_string(getpid()));
    fs::create_directories(work / "save");

    const XvfbServer xvfb;
    if (xvfb.display().empty()) {
        std::printf("bench_memory: Xvfb could not be started\n");
        return 1;
    }
    const std::string display = "DISPLAY=" + xvfb.display();

    const std::vector<std::string> env = {display, "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy",
                                          "ALSOFT_DRIVERS=null"};
    const double bare = measure({BARE_WINDOW, "300"}, env, work, work / "bare.log", 120);

    // The player has seen the help pages, so the level starts at once.
    std::ofstream(work / "save" / "profiles.dat") << "profile {\n\t i = 1\n\t profile1 = \"Ada\" \n\t akt = \"Ada\" \n}\n";
    std::string hints;
    for (int i = 0; i <= 9; ++i) hints += "\t hint" + std::to_string(i) + " = 1\n";
    std::ofstream(work / "save" / "profile1.dat") << "profile {\n\t level = 97\n\t name = \"Ada\" \n" + hints + "}\n";
    std::string script = "wait 3000\n";
    for (int i = 0; i < 20; ++i)
        script += "click " + std::to_string(250 + (i * 37) % 430) + " " + std::to_string(300 + (i * 53) % 180) +
                  "\nwait 200\n";
    std::ofstream(work / "input.txt") << script << "wait 1000\nclose\n";
    std::vector<std::string> gameEnv = env;
    gameEnv.push_back("VORNELL_CLOCK=virtual");
    gameEnv.push_back("VORNELL_SEED=1");
    gameEnv.push_back("VORNELL_SAVE_DIR=" + (work / "save").string());
    gameEnv.push_back("VORNELL_INPUT=" + (work / "input.txt").string());
    const double game = measure({VORNELL_BINARY, "--play-level", "97"}, gameEnv, VORNELL_GAME_DIR, work / "game.log", 300);

    std::error_code ec;
    fs::remove_all(work, ec);
    if (bare <= 0 || game <= 0) return 1;
    std::printf("bench_memory: peak resident set under Xvfb: bare SDL OpenGL window %.1f MB, game playing level 97 "
                "%.1f MB, %.1f MB above it (target: at most 35 MB above)\n",
                bare, game, game - bare);
    return 0;
}
