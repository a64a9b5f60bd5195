// The intro after loading hands the first screen a clean slate: whatever was
// pressed, typed or clicked during it is gone, and keys still held stay held.
#include <gtest/gtest.h>

#include "app/game_objects.h"
#include "app/studio_intro.h"
#include "gui/mouse.h"
#include "shell/media/media.h"
#include "test_support.h"

namespace {

using StudioIntro = testing_support::FreshInput;

TEST_F(StudioIntro, NothingPressedDuringItReachesTheFirstScreen) {
    struct Case {
        const char* how;
        int key;     // the skipping key, or 0 for a click
        int button;  // the skipping button
    };
    for (const Case& c : {Case{"Space", KEY_SPACE, 0}, Case{"Enter", KEY_ENTER, 0}, Case{"Escape", KEY_ESCAPE, 0},
                          Case{"a click", 0, 1}, Case{"a right click", 0, 2}}) {
        media::inputReset();
        // Keys the intro does not skip on, a letter typed, the skip itself
        // pressed twice, and the other buttons.
        for (int key : {int(KEY_P), int(KEY_L), int(KEY_G), int(KEY_SPACE), int(KEY_ESCAPE)}) press(key);
        media::inputChar('p');
        media::inputMouseDown(3);
        media::inputMouseUp(3);
        media::inputKeyDown(KEY_LALT);
        if (c.key) {
            media::inputKeyDown(c.key);
            media::inputKeyUp(c.key);
            media::inputKeyDown(c.key);
        } else {
            media::inputMouseDown(c.button);
        }
        TStudioIntro().run();
        for (int key : {int(KEY_P), int(KEY_L), int(KEY_G), int(KEY_SPACE), int(KEY_ENTER), int(KEY_ESCAPE)})
            EXPECT_EQ(KeyHit(key), 0) << c.how << ": key " << key << " reached the first screen";
        EXPECT_EQ(GetChar(), 0) << c.how;
        for (int button = 1; button <= 3; ++button) EXPECT_EQ(MouseHit(button), 0) << c.how << ": button " << button;
        EXPECT_EQ(objects().mouse.leftPressed, 0) << c.how;
        EXPECT_EQ(KeyDown(KEY_LALT), 1) << c.how << ": a held Alt was let go";
    }
}

}  // namespace
