#include "game_runner.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>

#include <gtest/gtest.h>

#include "app/top_level.h"
#include "datafiles/strings.h"
#include "gui/gui_file.h"
#include "gui/setting_values.h"
#include "shell/media/files.h"

TPixmapPtr GameRun::shot(const std::string& name) const { return LoadPixmap(shotsDir.file(name)); }

void GameRun::keepShots(const std::string& name) const {
    const char* keep = std::getenv("VORNELL_KEEP_SHOTS");
    if (!keep || !*keep) return;
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path target = fs::path(keep) / name;
    fs::create_directories(target, ec);
    for (const auto& entry : fs::directory_iterator(shotsDir.path(), ec))
        if (entry.path().extension() == ".png")
            fs::copy_file(entry.path(), target / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
}

void GameRun::ownWorkingFolder() {
    namespace fs = std::filesystem;
    if (ownWorkDir) return;
    ownWorkDir = true;
    const fs::path work = workDir.path(), content = testing_support::contentDir();
    std::error_code ec;
    for (const char* folder : {"gfx", "sfx", "fonts", "data", "lang"}) {
        fs::create_directories(work / folder, ec);
        for (const auto& entry : fs::recursive_directory_iterator(content / folder, ec)) {
            const fs::path mine = work / fs::relative(entry.path(), content);
            if (entry.is_directory()) fs::create_directories(mine, ec);
            else fs::create_symlink(entry.path(), mine, ec);
        }
    }
}

void GameRun::writeWorkFile(const std::string& name, const std::string& text) {
    ownWorkingFolder();
    // The link goes first, so the shared folder is never written through it.
    removeWorkFile(name);
    testing_support::writeFile(workDir.file(name), text);
}

void GameRun::removeWorkFile(const std::string& name) {
    ownWorkingFolder();
    std::error_code ec;
    std::filesystem::remove(workDir.file(name), ec);
}

void runGame(GameRun& run, const std::string& script, const std::vector<std::string>& extraEnv,
             int timeoutSeconds, const std::vector<std::string>& args) {
    const std::string scriptPath = run.shotsDir.file("input.txt");
    testing_support::writeFile(scriptPath, script);
    const std::string content = testing_support::contentDir();
    if (run.cheats) run.writeWorkFile("cheats.txt", "");

    std::vector<std::string> env = {
        "SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy", "ALSOFT_DRIVERS=null", "VORNELL_CLOCK=virtual",
        "VORNELL_SEED=1", "VORNELL_INPUT=" + scriptPath, "VORNELL_SHOTS=" + run.shotsDir.path(),
        "VORNELL_SAVE_DIR=" + run.saveDir.path(),
        // Twenty pictures a second of game time: the same game on the same
        // clock for a third of the drawing. A test needing every frame a
        // player sees asks for VORNELL_HZ=60.
        "VORNELL_HZ=20",
    };
    for (const char* keep : {"PATH", "HOME", "UBSAN_OPTIONS"}) {
        if (const char* v = std::getenv(keep)) env.push_back(std::string(keep) + "=" + v);
    }
    // Mesa's own leaks cannot be suppressed by name: no leak checking for the game.
    env.push_back("ASAN_OPTIONS=detect_leaks=0");
    // A variable given by the test replaces the default of the same name.
    for (const std::string& extra : extraEnv) {
        const std::string name = extra.substr(0, extra.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
        env.push_back(extra);
    }

    // The output comes through a pipe, not a file, so a test may limit the
    // sizes of the files the game writes without silencing it.
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        dup2(out[1], 2);
        const std::string& folder = run.ownWorkDir ? run.workDir.path() : content;
        if (chdir(folder.c_str()) != 0) _exit(126);
        // Root's permitted rights after exec are its bounding set.
        if (run.withoutPermissionOverride && geteuid() == 0 && prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0) != 0)
            _exit(125);
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        std::vector<std::string> words = {VORNELL_BINARY};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        execve(VORNELL_BINARY, argv.data(), envp.data());
        _exit(127);
    }
    close(out[1]);
    fcntl(out[0], F_SETFL, O_NONBLOCK);
    run.output.clear();
    auto drain = [&] {
        char buffer[4096];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, size_t(n));
    };
    run.pid = pid;
    int status = 0;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            run.timedOut = true;
            break;
        }
        drain();
        if (run.whileRunning) run.whileRunning(int(pid));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    run.pid = 0;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    // Whatever is still in the pipe; a child the game left holding it open
    // (none should) cannot keep the test waiting.
    fcntl(out[0], F_SETFL, 0);
    pollfd ready{out[0], POLLIN, 0};
    while (poll(&ready, 1, 1000) > 0) {
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        run.output.append(buffer, size_t(n));
    }
    close(out[0]);
}

void seedPlayers(const GameRun& run, const std::vector<SeededPlayer>& players, size_t current) {
    std::string index = "profile {\n\t i = " + std::to_string(players.size()) + "\n";
    for (size_t n = 0; n < players.size(); ++n) {
        const SeededPlayer& p = players[n];
        std::string text = "profile {\n\t level = " + std::to_string(p.level) + "\n\t name = \"" + p.name +
                           "\" \n\t score = " + std::to_string(p.score) + "\n\t kapsle = " + std::to_string(p.kapsle) +
                           "\n" + p.items;
        for (int i = 0; i < 21; ++i) text += "\t hint" + std::to_string(i) + " = " + (i < p.hintsSeen ? "1" : "0") + "\n";
        testing_support::writeFile(run.saveDir.file("profile" + std::to_string(n + 1) + ".dat"), text + "}\n");
        index += "\t profile" + std::to_string(n + 1) + " = \"" + p.name + "\" \n";
    }
    index += "\t akt = \"" + (current < players.size() ? players[current].name : std::string()) + "\" \n}\n\n";
    testing_support::writeFile(run.saveDir.file("profiles.dat"), index);
}

void seedPlayer(const GameRun& run, const SeededPlayer& player) { seedPlayers(run, {player}, 0); }

void seedPlayer(const GameRun& run, const std::string& name, int level, int kapsle, int hintsSeen) {
    seedPlayer(run, {name, level, kapsle, hintsSeen});
}

std::vector<LayoutButton> layoutButtons(const std::string& dataDir) {
    namespace fs = std::filesystem;
    std::vector<fs::path> layouts;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dataDir, ec))
        if (entry.path().extension() == ".gui") layouts.push_back(entry.path());
    // Directory order differs between machines; a random player's choices must not.
    std::sort(layouts.begin(), layouts.end());
    std::vector<LayoutButton> buttons;
    for (const fs::path& layout : layouts)
        for (const GuiDeclaration& d : loadGuiFile(layout.string())) {
            const std::string* position = d.find("POSITION");
            if (d.kind != "BUTTON" || !position) continue;
            const std::vector<int> xy = settingNumbers(*position, 2);
            buttons.push_back(
                {layout.stem().string(), d.name, xy[0], xy[1], upperCase(d.value("ACTIVE")) != "FALSE"});
        }
    return buttons;
}

std::string clickButton(const std::string& layout, const std::string& name) {
    for (const GuiDeclaration& d : loadGuiFile(testing_support::contentDir() + "/data/" + layout + ".gui")) {
        if (d.kind != "BUTTON" || d.name != name) continue;
        const std::vector<int> xy = settingNumbers(d.value("POSITION", "0 0"), 2);
        return "click " + std::to_string(xy[0]) + " " + std::to_string(xy[1]) + "\n";
    }
    ADD_FAILURE() << "no button " << name << " in data/" << layout << ".gui";
    return "";
}

std::string opened(const std::string& screen, int settleMs) {
    return "waitfor SCREEN : open " + screen + "\nwait " + std::to_string(settleMs) + "\n";
}

std::string toTheQuestMap() {
    return std::string(kToTheMainMenu) + clickButton("gui_mainmenu", "play") +
           "waitfor SCREEN : open playmodeselection\nwait 1000\n" + clickButton("gui_play", "resume") +
           "waitfor SCREEN : open questmapobject\nwait 1500\n";
}

namespace {

// The pad's button for a keyboard key a script names.
std::string padButton(const std::string& key) {
    if (key == "Return" || key == "Space") return "a";
    if (key == "Escape") return "b";
    if (key == "Up") return "dpup";
    if (key == "Down") return "dpdown";
    if (key == "Left") return "dpleft";
    if (key == "Right") return "dpright";
    if (key == "Tab") return "rightshoulder";
    if (key == "R") return "x";
    if (key == "S") return "y";
    ADD_FAILURE() << "no pad button for the key " << key;
    return "a";
}

}  // namespace

std::string Hands::tap(const std::string& key) const {
    return pad ? "pad " + padButton(key) + "\n" : "key " + key + "\n";
}

std::string Hands::hold(const std::string& key) const {
    return pad ? "paddown " + padButton(key) + "\n" : "keydown " + key + "\n";
}

std::string Hands::letGo(const std::string& key) const {
    return pad ? "padup " + padButton(key) + "\n" : "keyup " + key + "\n";
}

std::string Hands::plugIn() const { return pad ? "padplug\nwait 100\n" : ""; }

std::string Hands::typeName(const std::string& capitals) const {
    if (!pad) {
        // As a player types a name: a capital, then small letters. The entry
        // takes a letter a frame, so Enter waits for them.
        std::string name = capitals;
        for (size_t i = 1; i < name.size(); ++i) name[i] = char(std::tolower(static_cast<unsigned char>(name[i])));
        return "type " + name + "\nwait 400\n" + tap("Return");
    }
    // The letters' grid: ten to a row from A, the cursor starting on A.
    std::string lines;
    int row = 0, column = 0;
    for (char c : capitals) {
        const int at = c - 'A', toRow = at / 10, toColumn = at % 10;
        for (; row < toRow; ++row) lines += "pad dpdown\n";
        for (; row > toRow; --row) lines += "pad dpup\n";
        for (; column < toColumn; ++column) lines += "pad dpright\n";
        for (; column > toColumn; --column) lines += "pad dpleft\n";
        lines += "pad a\n";
    }
    return lines + "pad start\n";
}

std::string Hands::sweepBoardUntilWon(int level) const {
    // A serpentine from the bottom left corner, across each row and one row
    // up; the cursor stops at the board's edges, so nine steps reach a
    // corner from anywhere.
    std::string lines = "repeat until \"GAME : won level " + std::to_string(level) + "\" 500000\n";
    for (int i = 0; i < 9; ++i) lines += tap("Down") + tap("Left");
    for (int row = 0; row < 10; ++row) {
        const std::string across = row % 2 == 0 ? "Right" : "Left";
        for (int column = 0; column < 10; ++column) {
            lines += tap(row % 2 == 0 ? "Return" : "Space");
            if (column < 9) lines += tap(across);
        }
        lines += tap("Up");
    }
    return lines + "end\n";
}

std::string Hands::shootUntilResults() const {
    // An arrow held for four darts 150 ms apart.
    const auto sweep = [this](const std::string& arrow) {
        std::string lines = hold(arrow);
        for (int i = 0; i < 4; ++i) lines += tap("Space") + "wait 100\n";
        return lines + letGo(arrow);
    };
    // The block may be left with an arrow held.
    return "repeat until \"SHOOTING : results\"\n" + sweep("Left") + sweep("Right") + tap("R") + sweep("Right") +
           sweep("Left") + tap("R") + "end\n" + letGo("Left") + letGo("Right");
}

std::string Hands::solvePuzzle() const {
    return "repeat until \"PUZZLE : solved\"\n" + tap("Return") + tap("Tab") + "end\n";
}

std::vector<std::string> levelTypes() {
    std::vector<std::string> kinds;
    const std::regex typ("typ = \"([A-Z-]+)");
    for (int nr = 1; nr <= TMain::kLastQuestLevel; ++nr) {
        const std::string text =
            testing_support::readFile(testing_support::contentDir() + "/data/levels/level" + std::to_string(nr) + ".dat");
        std::smatch m;
        kinds.push_back(std::regex_search(text, m, typ) ? m[1].str() : "");
    }
    return kinds;
}

std::string kindOf(const std::string& typ) { return typ.substr(0, typ.find('-')); }

std::string screenOf(const std::string& kind) {
    if (kind == "SHOOTING") return "shootingminigame";
    if (kind == "PUZZLE") return "puzzlegame";
    return "game";
}

std::vector<int> helpPagesOf(const std::string& typ) {
    const std::string kind = kindOf(typ), mode = typ.find('-') == std::string::npos ? "" : typ.substr(typ.find('-') + 1);
    if (kind == "SHOOTING") return {7};
    if (kind == "PUZZLE") return {9};
    if (mode == "CHANGE") return {6};
    if (mode == "STRATEGY") return {4};
    if (mode == "PUZZLE") return {5};
    if (mode == "TWO") return {3};
    return {1, 2};
}

std::string winTheLevelFromTheMap() {
    return clickButton("gui_mapa", "play") +
           "waitfor SCREEN : open game\nwait 1000\nkey G\nwait 6000\nshot results.png\nclick 400 300\n"
           "waitfor SCREEN : open questmapobject\nwait 1500\n";
}

namespace pixels {
bool grey(Rgb p) { return std::abs(p.r - p.g) < 12 && std::abs(p.g - p.b) < 12 && std::abs(p.r - p.b) < 12; }
}  // namespace pixels
