// The keys every frame checks: Alt+F4 ends the game however quickly it was
// typed, and F4 alone does nothing.
#include <gtest/gtest.h>

#include "shell/delta_time.h"
#include "shell/frame_tick.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using FrameTick = testing_support::FreshInput;

using FrameTickDeathTest = FrameTick;

TEST_F(FrameTickDeathTest, AnAltF4OverBeforeTheFrameLooksStillQuits) {
    // Alt down, F4 down, Alt up: all between two frames.
    for (int alt : {int(KEY_LALT), int(KEY_RALT)}) {
        media::inputReset();
        media::inputKeyDown(alt);
        media::inputKeyDown(KEY_F4);
        media::inputKeyUp(alt);
        EXPECT_EXIT(frameTick(), ::testing::ExitedWithCode(0), "") << alt;
    }
}

TEST_F(FrameTick, F4AloneOrAfterAltWasLetGoGoesOn) {
    media::inputKeyDown(KEY_LALT);
    media::inputKeyUp(KEY_LALT);
    media::inputKeyDown(KEY_F4);
    media::inputKeyUp(KEY_F4);
    frameTick();
    frameTick();
    EXPECT_EQ(KeyHit(KEY_F4), 1) << "F4's own press is left to the screens";
}

}  // namespace
