// Content files damaged in every way a disk or a careless edit can damage
// them: the real program starts over them, says what the game says for that
// file, reaches the main menu or stops with its error, and never crashes,
// hangs or writes outside its save folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game_runner.h"

namespace {

using testing_support::contentDir;
using testing_support::readFile;

enum class Damage { missing, empty, truncated, garbage };

// Bytes no reader expects: a fixed pseudo-random stream, so a failure repeats.
std::string garbage(size_t size) {
    std::string bytes(size, '\0');
    unsigned state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 16);
    }
    return bytes;
}

void damage(GameRun& run, const std::string& file, Damage how) {
    const std::string original = readFile(contentDir() + "/" + file);
    ASSERT_FALSE(original.empty()) << file << " is not in the generated working folder";
    switch (how) {
    case Damage::missing: run.removeWorkFile(file); break;
    case Damage::empty: run.writeWorkFile(file, ""); break;
    case Damage::truncated: run.writeWorkFile(file, original.substr(0, original.size() / 2)); break;
    case Damage::garbage: run.writeWorkFile(file, garbage(3000)); break;
    }
}

const char* name(Damage how) {
    switch (how) {
    case Damage::missing: return "missing";
    case Damage::empty: return "empty";
    case Damage::truncated: return "truncated";
    case Damage::garbage: return "garbage";
    }
    return "";
}

// Past the intro to the main menu, then the window's close request.
const std::string kToTheMenuAndClose = std::string(kToTheMainMenu) + "shot menu.png\nclose\n";

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec))
        names.push_back(std::filesystem::relative(entry.path(), folder).string());
    return names;
}

void expectNoCrash(const GameRun& run) {
    EXPECT_FALSE(run.timedOut) << run.output;
    EXPECT_EQ(run.output.find("Sanitizer"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("runtime error"), std::string::npos) << run.output;
}

// One file of each kind the game reads at start-up, damaged together: the
// game reports each as it defines and plays on.
TEST(DamagedContentRun, DataTextsPicturesSoundsStoriesAndLevelsArePlayedAround) {
    const std::vector<std::string> files = {
        "data/levels/level1.dat",  "data/tiles1.dat", "data/guns.dat",        "data/teksty.txt",
        "data/story/story.dat",    "sfx/alarm.ogg",   "gfx/gui/mainmenu/menu.png", "gfx/gui/game/panel.png"};
    for (const Damage how : {Damage::missing, Damage::empty, Damage::truncated, Damage::garbage}) {
        SCOPED_TRACE(name(how));
        GameRun run;
        for (const std::string& file : files) damage(run, file, how);
        // A player on quest level 1, so the level file is read at start-up too.
        seedPlayer(run, "Ada", 1, 0, 0);
        const std::vector<std::string> before = filesIn(run.workDir.path());
        runGame(run, kToTheMenuAndClose, {}, 300);
        expectNoCrash(run);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find("MAIN MENU"), std::string::npos) << run.output;
        EXPECT_TRUE(run.shot("menu.png"));
        EXPECT_EQ(filesIn(run.workDir.path()), before) << "the game wrote into its content";
        if (how == Damage::missing) {
            for (const char* gone : {"data/levels/level1.dat", "data/tiles1.dat", "data/guns.dat", "data/story/story.dat"})
                EXPECT_NE(run.output.find("Nie znaleziono pliku : " + std::string(gone)), std::string::npos) << gone;
        }
        // A picture missing or damaged in any way (a truncated one too,
        // whose header is whole) is said once, however often it is drawn.
        const std::string picture = "Couldn't load image file: gfx/gui/game/panel.png";
        const size_t first = run.output.find(picture);
        EXPECT_NE(first, std::string::npos) << run.output;
        EXPECT_EQ(run.output.find(picture, first + 1), std::string::npos) << "said more than once";
        // The player's save is still whole.
        EXPECT_NE(readFile(run.saveDir.file("profile1.dat")).find("Ada"), std::string::npos);
    }
}

// A broken layout or a missing font is the game's own fatal error: a message
// and a non-zero exit status, not a crash.
TEST(DamagedContentRun, ABrokenLayoutOrAMissingFontStopsWithItsMessage) {
    struct Case {
        std::string file;
        Damage how;
        std::string message;
    };
    for (const Case& c : {Case{"data/gui_mainmenu.gui", Damage::garbage, "Nieprawidlowy wpis"},
                          Case{"fonts/font.ttf", Damage::missing, "Nie moge znalezc czcionki : fonts/font.ttf"},
                          Case{"fonts/blueHigh.ttf", Damage::garbage, "blueHigh.ttf"}}) {
        SCOPED_TRACE(c.file + " " + name(c.how));
        GameRun run;
        damage(run, c.file, c.how);
        // Each stops while loading: the script waits for its message. A game
        // that played on past it is closed, and exits with 0.
        runGame(run, "waitfor " + c.message + "\nclose\n", {}, 300);
        expectNoCrash(run);
        EXPECT_NE(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    }
}

// The catalogue damaged: no level can be found, the player keeps the name
// and the menu works.
TEST(DamagedContentRun, ADamagedCatalogueLeavesThePlayerWithoutALevel) {
    for (const Damage how : {Damage::missing, Damage::garbage}) {
        SCOPED_TRACE(name(how));
        GameRun run;
        damage(run, "data/levels.dat", how);
        // A player on quest level 1, so the level file is read at start-up too.
        seedPlayer(run, "Ada", 1, 0, 0);
        runGame(run, kToTheMenuAndClose, {}, 300);
        expectNoCrash(run);
        EXPECT_EQ(run.exitCode, 0) << run.output;
        EXPECT_NE(run.output.find("MAIN MENU"), std::string::npos) << run.output;
    }
}

}  // namespace
