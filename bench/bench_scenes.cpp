// Smoothness of the busiest scenes in a real window under Xvfb, drawn by the
// software renderer on the real clock: the win effect on a 15 x 15 board
// with its sparkles and flying diamonds, the quest map with its clouds and
// smoke, and the shooting gallery under rapid fire. For each, the frames
// presented per second and the slowest frame (the game prints both every
// second when VORNELL_FPS is set). Target: 60 frames a second.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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
using Clock = std::chrono::steady_clock;

struct Scene {
    const char* name;
    std::vector<std::string> args;
    int level;                // the player's quest level
    std::string toTheScene;   // script lines that reach the scene
    std::string inTheScene;   // script lines played while it is measured
};

struct Figures {
    int seconds = 0;
    int lowestFps = 0;
    double meanFps = 0;
    int slowestMs = 0;
};

// A working folder of the bench's own: the generated content linked in, and
// the developer's file that lets key G win a level.
fs::path workingFolder(const fs::path& root) {
    const fs::path work = root / "game";
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(VORNELL_GAME_DIR))
        fs::create_symlink(entry.path(), work / entry.path().filename());
    std::ofstream(work / "cheats.txt") << "";
    return work;
}

void seedSave(const fs::path& save, int level) {
    fs::create_directories(save);
    // Full screen, as players start. Xvfb has no vertical blank, so the game
    // soon finds that waiting for it does not pace and paces its frames itself.
    std::ofstream(save / "settings.dat") << "settings {\n\t sound = 0.5\n\t music = 0.7\n\t fullscreen = 1\n}\n";
    std::ofstream(save / "profiles.dat") << "profile {\n\t i = 1\n\t profile1 = \"Ada\" \n\t akt = \"Ada\" \n}\n";
    std::string text = "profile {\n\t level = " + std::to_string(level) + "\n\t name = \"Ada\" \n\t kapsle = 500\n";
    for (int i = 0; i < 21; ++i) text += "\t hint" + std::to_string(i) + " = 1\n";
    std::ofstream(save / "profile1.dat") << text << "}\n";
}

// Plays the scene; the seconds counted start one second after it began.
Figures measure(const Scene& scene, const fs::path& root, const std::string& display) {
    const fs::path work = workingFolder(root / scene.name);
    const fs::path save = root / scene.name / "save";
    seedSave(save, scene.level);
    const fs::path go = root / scene.name / "go";
    std::ofstream(root / scene.name / "input.txt")
        << scene.toTheScene << "shot ready.png\nwaitfile " << go.string() << "\n" << scene.inTheScene << "close\n";

    int out[2];
    if (pipe(out) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        if (chdir(work.c_str()) != 0) _exit(126);
        const std::string env[] = {"DISPLAY=" + display,
                                   "SDL_VIDEODRIVER=x11",
                                   "SDL_AUDIODRIVER=dummy",
                                   "ALSOFT_DRIVERS=null",
                                   "VORNELL_FPS=1",
                                   "VORNELL_SEED=1",
                                   "VORNELL_SAVE_DIR=" + save.string(),
                                   "VORNELL_SHOTS=" + (root / scene.name).string(),
                                   "VORNELL_INPUT=" + (root / scene.name / "input.txt").string()};
        for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv = {const_cast<char*>(VORNELL_BINARY)};
        for (const std::string& a : scene.args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(VORNELL_BINARY, argv.data());
        _exit(127);
    }
    close(out[1]);
    FILE* lines = fdopen(out[0], "r");
    Figures f;
    double sum = 0;
    f.lowestFps = 1 << 30;
    Clock::time_point started{};
    bool going = false;
    const Clock::time_point deadline = Clock::now() + std::chrono::minutes(3);
    char line[512];
    while (std::fgets(line, sizeof line, lines) && Clock::now() < deadline) {
        if (!going && fs::exists(root / scene.name / "ready.png")) {
            std::ofstream(go) << "";
            started = Clock::now();
            going = true;
        }
        int fps = 0, ms = 0;
        if (!going || Clock::now() - started < std::chrono::seconds(1)) continue;
        if (std::sscanf(line, "FPS %d slowest %d ms", &fps, &ms) != 2) continue;
        ++f.seconds;
        sum += fps;
        f.lowestFps = std::min(f.lowestFps, fps);
        f.slowestMs = std::max(f.slowestMs, ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::fclose(lines);
    if (f.seconds > 0) f.meanFps = sum / f.seconds;
    else f.lowestFps = 0;
    return f;
}

std::string rapidFire(int shots) {
    std::string s;
    for (int i = 0; i < shots; ++i)
        s += "click " + std::to_string(120 + (i * 97) % 560) + " " + std::to_string(120 + (i * 61) % 330) + "\nwait 50\n";
    return s;
}

}  // namespace

int main() {
    const XvfbServer xvfb;
    if (xvfb.display().empty()) {
        std::printf("bench_scenes: Xvfb could not be started\n");
        return 1;
    }
    const fs::path root = fs::temp_directory_path() / ("vornell-bench-scenes-" + std::to_string(getpid()));
    const std::string toTheMap = "wait 1000\nkey Space\nwait 1200\nclick 410 195\nwait 1200\nclick 400 290\nwait 4500\n";
    const Scene scenes[] = {
        // Level 13: a 15 x 15 board; G wins it, and the win effect runs.
        {"win-effect-15x15", {"--play-level", "13"}, 13, "wait 7000\n", "key G\nwait 5000\n"},
        {"quest-map", {}, 45, toTheMap, "wait 6000\n"},
        {"shooting-gallery-fire", {"--play-level", "9"}, 9, "wait 7000\n", rapidFire(100)},
    };
    bool ok = true;
    for (const Scene& scene : scenes) {
        const Figures f = measure(scene, root, xvfb.display());
        if (f.seconds == 0) {
            std::printf("%-24s no frames measured\n", scene.name);
            ok = false;
            continue;
        }
        std::printf("%-24s %2d s: %5.1f frames a second on average, %d at the lowest; slowest frame %d ms\n",
                    scene.name, f.seconds, f.meanFps, f.lowestFps, f.slowestMs);
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    std::printf("Target: 60 frames a second in each.\n");
    return ok ? 0 : 1;
}
