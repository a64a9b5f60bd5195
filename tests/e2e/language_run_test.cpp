// The real program in other languages: German, Russian and the pseudo-
// language (every text accented, a third longer, in brackets), each from
// the desktop's setting at the first start through the name entry, the main
// menu, the opening story, the map, the first level with its help and its
// results; then the settings, free play and the shop of a player further
// on. The screenshots are for looking at: a clipped or untranslated text
// shows at once in them. And the language chosen in the settings: at once,
// kept in a file of its own, and chosen again at the next start over the
// desktop's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A help page once it is up, shown, read and gone.
std::string helpRead(const std::string& shot) {
    return opened("helppopup", 1000) + "shot " + shot + "\nkey Return\nwaitfor SCREEN : close helppopup\nwait 500\n";
}

// The first start, to the first level won and the map of level 2.
std::string firstStart(const std::vector<std::string>& types) {
    std::string s = "waitfor LOADED\nkey Return\n" + opened("profilename", 800) + "shot entry.png\n" +
                    Hands{false}.typeName("ADA") + "waitfor SCREEN : close profilename\nwait 1200\nshot menu.png\n" +
                    "key Down\nwait 300\nkey Return\n" + opened("story", 1500) + "shot story.png\nkey Escape\n" +
                    "waitfor SCREEN : close story\nwaitfor \"MAP : level 1\"\n" + helpRead("map-help.png") +
                    "wait 800\nshot map.png\nkey Return\nwaitfor SCREEN : open game\n";
    const std::vector<int> pages = helpPagesOf(types.at(0));
    for (size_t i = 0; i < pages.size(); ++i) s += helpRead("level-help-" + std::to_string(i + 1) + ".png");
    return s + "wait 1500\nshot level.png\nkeydown G\nwait 120\nkeyup G\nwait 5000\nshot results.png\n" +
           "key Return\nwaitfor SCREEN : close game\nwaitfor \"MAP : level 2\"\nwait 1500\nclose\n";
}

// A player at level 5 with diamonds to spend: the settings, free play's
// tabs, then the quest's map and its shop.
std::string furtherOn() {
    return std::string(kToTheMainMenu) + clickButton("gui_mainmenu", "settings") + opened("settings", 800) +
           "shot settings.png\nkey Escape\nwaitfor SCREEN : close settings\nwait 1000\n" + clickButton("gui_mainmenu", "freeplay") +
           opened("freeplaymodule", 1500) + "shot free-play.png\n" + clickButton("gui_freeplay", "strzelanie") +
           "wait 800\nshot free-play-shooting.png\n" + clickButton("gui_freeplay", "puzzle") +
           "wait 800\nshot free-play-puzzle.png\nkey Escape\nwaitfor SCREEN : close freeplaymodule\nwait 1500\n" +
           clickButton("gui_mainmenu", "play") + opened("playmodeselection", 1000) + "shot play-mode.png\n" +
           clickButton("gui_play", "resume") + opened("questmapobject", 1500) + "key S\n" + opened("bonusshop", 1200) +
           "shot shop.png\nclose\n";
}

void playIn(const std::string& language) {
    ASSERT_EQ(FileType(testing_support::contentDir() + "/lang/" + language + "/data/teksty.txt"), 1)
        << "no " << language << " in the generated working folder";
    const std::vector<std::string> types = levelTypes();
    ASSERT_FALSE(types.empty());
    ASSERT_EQ(kindOf(types[0]), "NORMAL");

    GameRun first;
    first.cheats = true;
    runGame(first, firstStart(types), {"LANGUAGE=" + language}, 600);
    ASSERT_FALSE(first.timedOut) << first.output;
    ASSERT_EQ(first.exitCode, 0) << first.output;
    for (const std::string& line : {"LANGUAGE : " + language, std::string("STORY : story.dat"),
                                   std::string("GAME : won level 1"), std::string("MAP : level 2")})
        EXPECT_TRUE(has(first.output, line)) << line << "\n" << first.output;
    // The name is kept as typed; the desktop's choice is no choice of the
    // player's, so nothing is kept for it.
    EXPECT_TRUE(has(readFile(first.saveDir.file("profiles.dat")), "akt = \"Ada\""));
    EXPECT_NE(FileType(first.saveDir.file("language.dat")), 1);
    for (const char* shot : {"entry.png", "menu.png", "story.png", "map-help.png", "map.png", "level-help-1.png",
                             "level.png", "results.png"})
        EXPECT_TRUE(first.shot(shot)) << shot;
    first.keepShots(language + "/first-start");

    GameRun later;
    seedPlayer(later, {"Ada", 5, 3000, SeededPlayer::kEveryHint});
    runGame(later, furtherOn(), {"LANGUAGE=" + language}, 600);
    ASSERT_FALSE(later.timedOut) << later.output;
    ASSERT_EQ(later.exitCode, 0) << later.output;
    EXPECT_TRUE(has(later.output, "SCREEN : open bonusshop")) << later.output;
    for (const char* shot : {"settings.png", "free-play.png", "free-play-shooting.png", "free-play-puzzle.png",
                             "play-mode.png", "shop.png"})
        EXPECT_TRUE(later.shot(shot)) << shot;
    later.keepShots(language + "/further-on");
}

TEST(GameInLanguages, PseudoLanguage) { playIn("pseudo"); }
TEST(GameInLanguages, Russian) { playIn("ru"); }
TEST(GameInLanguages, German) { playIn("de"); }

TEST(GameInLanguages, TheSettingsChooseALanguageAtOnceAndItIsKeptOverTheDesktops) {
    GameRun run;
    const std::string settingsBefore = "settings {\n\t sound = 0.500000000\n\t music = 0.699999988\n"
                                       "\t fullscreen = 0\n\t hz = 100\n\t mouseDraw = 1\n\t }\n \n";
    testing_support::writeFile(run.saveDir.file("settings.dat"), settingsBefore);
    seedPlayer(run, {"Ada", 2, 0, SeededPlayer::kEveryHint});
    // English first; the next language is German.
    const std::string script = std::string(kToTheMainMenu) + clickButton("gui_mainmenu", "settings") +
                               opened("settings", 800) + clickButton("gui_settings", "language_next") +
                               "waitfor \"LANGUAGE : de\"\nwait 500\nshot settings-de.png\n" +
                               clickButton("gui_settings", "ok") + "waitfor SCREEN : close settings\nwait 1000\n" +
                               "shot menu-de.png\nclose\n";
    runGame(run, script, {"LANG=C.UTF-8"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(has(run.output, "LANGUAGE : en")) << run.output;
    EXPECT_EQ(readFile(run.saveDir.file("language.dat")), "de\n");
    EXPECT_EQ(readFile(run.saveDir.file("settings.dat")), settingsBefore) << "the settings' own file stays as it was";
    EXPECT_TRUE(run.shot("settings-de.png"));
    EXPECT_TRUE(run.shot("menu-de.png"));
    run.keepShots("settings-choice");

    // The next start speaks German, whatever the desktop says; a damaged
    // file speaks English, and the players are kept.
    GameRun again;
    for (const char* file : {"settings.dat", "profiles.dat", "profile1.dat", "language.dat"})
        testing_support::writeFile(again.saveDir.file(file), readFile(run.saveDir.file(file)));
    runGame(again, std::string(kToTheMainMenu) + "close\n", {"LANG=ru_RU.UTF-8"});
    EXPECT_TRUE(has(again.output, "LANGUAGE : de")) << again.output;
    testing_support::writeFile(again.saveDir.file("language.dat"), "\x89PNG\r\n\x1a\n garbage");
    runGame(again, std::string(kToTheMainMenu) + "close\n", {"LANG=ru_RU.UTF-8"});
    EXPECT_TRUE(has(again.output, "LANGUAGE : en")) << again.output;
    EXPECT_TRUE(has(readFile(again.saveDir.file("profiles.dat")), "akt = \"Ada\""));
}

}  // namespace
