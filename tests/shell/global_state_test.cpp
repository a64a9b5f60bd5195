// What one test leaves behind in the process is gone before the next: the
// tests of a subsystem share one program, and a player, a pointer or a save
// folder left over would make a test pass or fail by the order it runs in.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "gui/keyboard_focus.h"
#include "quest/profile_manager.h"
#include "shell/delta_time.h"
#include "shell/media/media.h"
#include "shell/save_folder.h"
#include "sound/my_sound.h"
#include "test_support.h"

namespace {

TEST(GlobalState, NothingATestLeavesReachesTheNextOne) {
    testing_support::TempDir dir;
    saveFolder = dir.path();
    TProfileManager& players = objects().profileManager;
    players.loaded = true;
    players.clicked = players.addProfile("Ada");
    // Halfway through a drag, with a letter typed and a key held.
    TMouse& mouse = objects().mouse;
    media::inputMouseMove(300, 200);
    media::inputMouseDown(1);
    media::inputMouseDown(3);
    media::inputKeyDown(KEY_ESCAPE);
    media::inputChar('a');
    mouse.update();
    mouse.hide();
    media::resetClock(true, 5000);
    delta = 3;
    TMySound::volume = TMyMusic::volume = 0.2f;
    showKeyboardFocus(true);

    testing_support::resetGlobalState();

    EXPECT_EQ(players.profile, nullptr);
    EXPECT_EQ(players.clicked, nullptr);
    EXPECT_TRUE(players.profilesList.empty());
    EXPECT_FALSE(players.loaded) << "a save now would replace files it never read";
    EXPECT_FALSE(canSave()) << "the folder goes with the test that made it";
    EXPECT_EQ(KeyDown(KEY_ESCAPE), 0);
    EXPECT_EQ(KeyHit(KEY_ESCAPE), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(mouse._v, 1);
    // The next test's first snapshot sees no press and no movement.
    mouse.update();
    EXPECT_EQ(mouse.leftPressed + mouse.leftHolded + mouse.middleHit + mouse.middleHold, 0);
    EXPECT_EQ(mouse.x, 0);
    EXPECT_EQ(mouse.vx, 0);
    EXPECT_EQ(mouse.vy, 0);
    EXPECT_FALSE(media::clockIsVirtual());
    EXPECT_EQ(delta, 1.0f);
    EXPECT_EQ(TMySound::volume, 1.0f);
    EXPECT_EQ(TMyMusic::volume, 1.0f);
    EXPECT_FALSE(keyboardFocusShown()) << "the next screen test would start with the focus drawn";
}

}  // namespace
