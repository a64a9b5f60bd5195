// The pop-ups and the gate in the real program (vornell --dialogs): what each
// returns, that answers wait for the closing animation, what is saved, and
// how they look over a backdrop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "game_runner.h"
#include "shell/media/files.h"

namespace {

using testing_support::readFile;
using testing_support::writeFile;

// The deep violet of the pop-ups' glass panels.
bool violet(uint32_t argb) {
    const int r = (argb >> 16) & 255, g = (argb >> 8) & 255, b = argb & 255;
    return b > 60 && b > r && r > g && g < 80;
}

// How many of a grid of sample points differ clearly between two pictures.
int changedSamples(const TPixmapPtr& a, const TPixmapPtr& b) {
    int n = 0;
    for (int y = 15; y < 600; y += 30)
        for (int x = 15; x < 800; x += 30) {
            const uint32_t p = ReadPixel(a, x, y), q = ReadPixel(b, x, y);
            int d = 0;
            for (int shift : {0, 8, 16}) d += std::abs(int((p >> shift) & 255) - int((q >> shift) & 255));
            if (d > 40) ++n;
        }
    return n;  // of 20 x 27 = 540
}

bool said(const GameRun& run, const std::string& what) { return run.output.find("dialogs: " + what) != std::string::npos; }

TEST(DialogsRun, EachPopUpAnswersAfterItsAnimationAndLooksRight) {
    GameRun run;
    // A player, so that the help page can mark itself as seen.
    writeFile(run.saveDir.file("profiles.dat"), "profile {\n\t i = 1\n\t profile1 = \"Ada\" \n\t akt = \"Ada\" \n}\n\n");
    writeFile(run.saveDir.file("profile1.dat"), "profile {\n\t level = 0\n\t name = \"Ada\" \n}\n");
    // Each pop-up is waited for until it is up, then given its opening
    // animation; each answer until the viewer reports it.
    runGame(run,
            "waitfor SCREEN : open dialogviewer\nwait 1000\nshot idle.png\n"
            // The question: Enter answers yes, but only once the panel has gone.
            "key Y\nwaitfor SCREEN : open yesorno\nwait 900\nshot question.png\n"
            "key Return\nwait 100\nshot question-closing.png\nwaitfor dialogs: question answered\n"
            // The in-game menu: "main menu" asks first; no keeps the menu.
            "key M\nwaitfor SCREEN : open ingamemenu\nwait 900\nshot menu.png\n"
            "click 470 390\nwaitfor SCREEN : open yesorno\nwait 900\nshot menu-question.png\n"
            "key Escape\nwaitfor SCREEN : close yesorno\nwait 300\nshot menu-after-no.png\n"
            "key Escape\nwaitfor dialogs: menu chose\n"
            // ...and yes closes the gate over everything; the viewer opens it again.
            "key M\nwaitfor SCREEN : open ingamemenu\nwait 900\nclick 470 390\n"
            "waitfor SCREEN : open yesorno\nwait 900\nkey Return\nwaitfor dialogs: gate opened\n"
            // A help page.
            "key H\nwaitfor SCREEN : open helppopup\nwait 400\nshot help.png\n"
            "click 400 415\nwaitfor dialogs: help page 0 closed\n"
            // The settings: music up twice, full screen off and on again.
            "key S\nwaitfor SCREEN : open settings\nwait 400\n"
            "click 560 196\nwait 200\nclick 560 196\nwait 200\nclick 335 347\nwait 600\n"
            "shot settings-window.png\nclick 335 347\nwait 600\nshot settings.png\n"
            "key Escape\nwaitfor dialogs: settings closed\n"
            // The gate by hand: half way after 350 ms, then closed and opened.
            "key G\nwait 350\nshot gate-half.png\nwaitfor dialogs: gate closed\nwait 100\n"
            "shot gate-closed.png\nkey G\nwaitfor dialogs: gate opened\n"
            // Closing the window saves the profiles.
            "close\n",
            {}, 400, {"--dialogs"});
    ASSERT_FALSE(run.timedOut) << run.output;
    ASSERT_EQ(run.exitCode, 0) << run.output;

    EXPECT_TRUE(said(run, "question answered yes")) << run.output;
    EXPECT_TRUE(said(run, "menu chose resume")) << run.output;
    EXPECT_TRUE(said(run, "menu chose main menu")) << run.output;
    EXPECT_TRUE(said(run, "help page 0 closed")) << run.output;
    EXPECT_TRUE(said(run, "settings closed: music 0.80, effects 0.50, full screen 1")) << run.output;
    EXPECT_TRUE(said(run, "gate closed")) << run.output;
    EXPECT_TRUE(said(run, "gate opened")) << run.output;

    auto idle = run.shot("idle.png");
    ASSERT_TRUE(idle);
    for (const char* name : {"question.png", "question-closing.png", "menu.png", "menu-question.png",
                             "menu-after-no.png", "help.png", "settings.png", "settings-window.png",
                             "gate-half.png", "gate-closed.png"})
        ASSERT_TRUE(run.shot(name)) << name << "\n" << run.output;
    // Each panel where its layout puts it.
    EXPECT_TRUE(violet(ReadPixel(run.shot("question.png"), 600, 300)));
    EXPECT_GT(changedSamples(idle, run.shot("question-closing.png")), 15)
        << "the question is still closing 100 ms after the answer";
    EXPECT_TRUE(violet(ReadPixel(run.shot("menu.png"), 470, 440)));
    EXPECT_TRUE(violet(ReadPixel(run.shot("menu-question.png"), 600, 300)));
    EXPECT_TRUE(violet(ReadPixel(run.shot("menu-after-no.png"), 470, 440))) << "no keeps the menu open";
    EXPECT_TRUE(violet(ReadPixel(run.shot("help.png"), 400, 380)));
    EXPECT_TRUE(violet(ReadPixel(run.shot("settings.png"), 300, 320)));
    EXPECT_TRUE(violet(ReadPixel(run.shot("settings-window.png"), 300, 320)))
        << "pictures survive the switch to a window";
    // The gate: half way it covers part of the screen, closed nearly all.
    const int half = changedSamples(idle, run.shot("gate-half.png"));
    const int closed = changedSamples(idle, run.shot("gate-closed.png"));
    EXPECT_GT(half, 100);
    EXPECT_LT(half, closed);
    EXPECT_GT(closed, 500);

    // Saved: the settings when they closed, the profiles when the window closed.
    const std::string settings = readFile(run.saveDir.file("settings.dat"));
    EXPECT_NE(settings.find("music = 0.800000"), std::string::npos) << settings;
    EXPECT_NE(settings.find("fullscreen = 1"), std::string::npos) << settings;
    EXPECT_NE(readFile(run.saveDir.file("profile1.dat")).find("hint0 = 1"), std::string::npos);
}

}  // namespace
