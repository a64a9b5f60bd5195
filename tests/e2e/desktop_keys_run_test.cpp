// The desktop's own keys in the real program: F11 and Alt+Enter switch full
// screen from any screen, keep the choice in the settings at once, and an
// Alt+Enter presses nothing on the screen.
#include <gtest/gtest.h>

#include <string>

#include "game_runner.h"

namespace {

using testing_support::readFile;

TEST(DesktopKeysRun, F11AndAltEnterSwitchFullScreenAndTheSettingsKeepIt) {
    GameRun run;
    seedPlayer(run, {"Ada"});
    // Full screen at first (the default); F11 to a window, Alt+Enter back,
    // F11 to a window again, each switch waited for as the game says it.
    // The settings file is written on each switch: the run ends with the
    // window's close button, which saves no settings.
    runGame(run, std::string(kToTheMainMenu) +
                     "shot before.png\nkey F11\nwaitfor FULL SCREEN : off\nshot window.png\n"
                     "keydown Left Alt\nkey Return\nwaitfor FULL SCREEN : on\nkeyup Left Alt\n"
                     "key F11\nwaitfor FULL SCREEN : off\nshot after.png\nclose\n");
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string settings = readFile(run.saveDir.file("settings.dat"));
    EXPECT_NE(settings.find("fullscreen = 0"), std::string::npos) << "three switches from full screen\n" << settings;
    // The main menu is still drawn after each switch, and the Enter of the
    // Alt+Enter opened nothing over it.
    const TPixmapPtr before = run.shot("before.png"), window = run.shot("window.png"), after = run.shot("after.png");
    ASSERT_TRUE(before && window && after) << run.output;
    int differ = 0;
    for (int y = 10; y < 600; y += 20)
        for (int x = 10; x < 800; x += 20)
            if (ReadPixel(before, x, y) != ReadPixel(after, x, y)) ++differ;
    EXPECT_LT(differ, 60) << "the menu after the switches is not the menu before them";
    EXPECT_EQ(run.output.find("SCREEN : open", run.output.find("SCREEN : open mainmenu") + 1), std::string::npos)
        << "a screen opened over the main menu\n" << run.output;
}

}  // namespace
