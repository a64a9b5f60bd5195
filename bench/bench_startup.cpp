// Start-up: from launch to the main menu ready for input (the intro skipped
// at once), beside a bare SDL OpenGL window measured the same way, and the
// resident memory of each at that moment. Both run under an Xvfb server of
// their own, in a window, with sound on OpenAL Soft's null output. Targets:
// under 0.3 s and no more than 35 MB above the bare window.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "xvfb_server.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string gameDir() {
    const char* dir = std::getenv("VORNELL_GAME_DIR");
    return dir ? dir : VORNELL_GAME_DIR;
}

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

// A save folder with one player and the game in a window.
class SaveFolder {
public:
    SaveFolder() {
        char pattern[] = "/tmp/vornell-bench-XXXXXX";
        path_ = mkdtemp(pattern) ? pattern : "";
        writeFile(path_ / "settings.dat", "settings {\n\t sound = 0.5\n\t music = 0.7\n\t fullscreen = 0\n}\n");
        writeFile(path_ / "profiles.dat", "profile {\n\t i = 1\n\t akt = \"Ada\" \n}\n");
        writeFile(path_ / "profile1.dat", "profile {\n\t level = 12\n\t name = \"Ada\" \n}\n");
        writeFile(path_ / "input.txt", "key Space\n");
    }
    ~SaveFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

double residentMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

struct Measured {
    double seconds = -1;
    double residentMB = 0;
};

// Starts the program and waits for the line that says it is ready.
Measured launch(const std::string& program, const std::string& readyLine, const std::vector<std::string>& env) {
    int out[2];
    if (pipe(out) != 0) return {};
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        if (chdir(gameDir().c_str()) != 0) _exit(126);
        std::vector<std::string> copy = env;
        std::vector<char*> envp;
        for (std::string& e : copy) envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        execve(program.c_str(), argv, envp.data());
        _exit(127);
    }
    close(out[1]);
    Measured m;
    std::string pending;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        pending.append(buffer, size_t(n));
        if (pending.find(readyLine) != std::string::npos) {
            m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            m.residentMB = residentMegabytes(pid);
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    close(out[0]);
    return m;
}

struct Totals {
    double seconds = 0, residentMB = 0;
    int runs = 0;
};
Totals bareTotals, gameTotals;

void measure(benchmark::State& state, const std::string& program, const std::string& readyLine, Totals& totals) {
    static XvfbServer xvfb;
    if (xvfb.display().empty()) {
        state.SkipWithError("Xvfb could not be started");
        return;
    }
    SaveFolder save;
    const std::vector<std::string> env = {
        "DISPLAY=" + xvfb.display(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy", "ALSOFT_DRIVERS=null",
        "VORNELL_SAVE_DIR=" + save.path().string(), "VORNELL_INPUT=" + (save.path() / "input.txt").string(),
        std::string("PATH=") + (std::getenv("PATH") ? std::getenv("PATH") : ""),
    };
    for (auto _ : state) {
        const Measured m = launch(program, readyLine, env);
        if (m.seconds < 0) {
            state.SkipWithError(("no \"" + readyLine + "\" from " + program).c_str());
            return;
        }
        state.SetIterationTime(m.seconds);
        totals.seconds += m.seconds;
        totals.residentMB += m.residentMB;
        ++totals.runs;
    }
    state.counters["resident_MB"] = totals.residentMB / totals.runs;
}

void BareWindow(benchmark::State& state) { measure(state, BARE_WINDOW, "ready", bareTotals); }
void GameToMainMenu(benchmark::State& state) { measure(state, VORNELL_BINARY, "MAIN MENU", gameTotals); }
BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
BENCHMARK(GameToMainMenu)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (bareTotals.runs > 0 && gameTotals.runs > 0) {
        std::printf("Start-up above a bare window: %.3f s (target under 0.3), memory above it: %.1f MB "
                    "(target at most 35)\n",
                    gameTotals.seconds / gameTotals.runs - bareTotals.seconds / bareTotals.runs,
                    gameTotals.residentMB / gameTotals.runs - bareTotals.residentMB / bareTotals.runs);
    }
    return 0;
}
