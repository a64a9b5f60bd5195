// Hit counters, held keys, the typed-character queue and flushes.
#include <gtest/gtest.h>

#include "shell/media/input.h"

namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { media::inputReset(); }
};

TEST_F(InputTest, KeyHitCountsPressesAndResetsWhenRead) {
    media::inputKeyDown(KEY_ESCAPE);
    media::inputKeyUp(KEY_ESCAPE);
    media::inputKeyDown(KEY_ESCAPE);
    EXPECT_EQ(KeyHit(KEY_ESCAPE), 2);
    EXPECT_EQ(KeyHit(KEY_ESCAPE), 0) << "a second read in the same frame sees nothing";
    EXPECT_EQ(KeyDown(KEY_ESCAPE), 1);
    media::inputKeyUp(KEY_ESCAPE);
    EXPECT_EQ(KeyDown(KEY_ESCAPE), 0);
}

TEST_F(InputTest, HeldKeyRepeatsCountOnce) {
    for (int i = 0; i < 30; ++i) media::inputKeyDown(KEY_SPACE);
    EXPECT_EQ(KeyHit(KEY_SPACE), 1);
}

TEST_F(InputTest, MouseButtonsCountPressesNotRepeats) {
    media::inputMouseDown(1);
    media::inputMouseDown(1);
    media::inputMouseUp(1);
    media::inputMouseDown(2);
    EXPECT_EQ(MouseHit(1), 1);
    EXPECT_EQ(MouseHit(1), 0);
    EXPECT_EQ(MouseHit(2), 1);
    EXPECT_EQ(MouseDown(2), 1);
    EXPECT_EQ(MouseHit(0), 0);
    EXPECT_EQ(MouseHit(7), 0);
}

TEST_F(InputTest, OutOfRangeCodesAreIgnored) {
    media::inputKeyDown(-1);
    media::inputKeyDown(300);
    EXPECT_EQ(KeyHit(-1), 0);
    EXPECT_EQ(KeyHit(300), 0);
    EXPECT_EQ(KeyDown(1000), 0);
}

TEST_F(InputTest, CharacterQueueKeepsOrderAndHoldsAtMost256) {
    for (int i = 0; i < 300; ++i) media::inputChar(1000 + i);
    for (int i = 0; i < 256; ++i) ASSERT_EQ(GetChar(), 1000 + i);
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, FlushesAndFocusLossClearEverything) {
    media::inputKeyDown(KEY_G);
    media::inputChar('g');
    media::inputMouseDown(1);
    media::inputWheel(3);
    FlushKeys();
    EXPECT_EQ(KeyHit(KEY_G), 0);
    EXPECT_EQ(KeyDown(KEY_G), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(MouseHit(1), 1) << "FlushKeys leaves the mouse alone";
    media::inputMouseDown(3);
    FlushMouse();
    EXPECT_EQ(MouseHit(3), 0);
    EXPECT_EQ(MouseZ(), 0);

    media::inputKeyDown(KEY_ENTER);
    media::inputMouseDown(1);
    media::inputChar('x');
    media::inputFocusLost();
    EXPECT_EQ(KeyHit(KEY_ENTER), 0);
    EXPECT_EQ(MouseDown(1), 0);
    EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, CloseRequestIsReportedOnce) {
    EXPECT_EQ(AppTerminate(), 0);
    media::inputCloseRequest();
    EXPECT_EQ(AppTerminate(), 1);
    EXPECT_EQ(AppTerminate(), 0);
}

TEST_F(InputTest, FocusLossIsReportedOnceAndApartFromClosing) {
    EXPECT_EQ(AppFocusLost(), 0);
    media::inputFocusLost();
    media::inputFocusLost();
    EXPECT_EQ(AppTerminate(), 0);
    EXPECT_EQ(AppFocusLost(), 1);
    EXPECT_EQ(AppFocusLost(), 0);
}

TEST_F(InputTest, AltF4IsTakenAsItArrivesWithEitherAlt) {
    // Both Alts down and up again before anyone looks: the chord stands.
    for (int alt : {int(KEY_LALT), int(KEY_RALT)}) {
        media::inputKeyDown(alt);
        media::inputKeyDown(KEY_F4);
        media::inputKeyUp(alt);
        media::inputKeyUp(KEY_F4);
        EXPECT_EQ(QuitChordHit(), 1) << alt;
        EXPECT_EQ(QuitChordHit(), 0) << alt << ": reported once";
    }
    KeyHit(KEY_F4);
    // F4 alone, F4 before Alt, and F4 after Alt was let go are no chord;
    // F4 keeps its own hits.
    media::inputKeyDown(KEY_F4);
    media::inputKeyUp(KEY_F4);
    media::inputKeyDown(KEY_LALT);
    media::inputKeyUp(KEY_LALT);
    media::inputKeyDown(KEY_F4);
    media::inputKeyDown(KEY_RALT);
    EXPECT_EQ(QuitChordHit(), 0);
    EXPECT_EQ(KeyHit(KEY_F4), 2);
    // A held F4's repeats while Alt comes down are no new press.
    media::inputKeyDown(KEY_F4);
    EXPECT_EQ(QuitChordHit(), 0);
}

TEST_F(InputTest, NoFlushForgetsAnAltF4) {
    media::inputKeyDown(KEY_LALT);
    media::inputKeyDown(KEY_F4);
    FlushKeys();
    FlushKeyHits();
    FlushMouse();
    media::inputFocusLost();
    EXPECT_EQ(QuitChordHit(), 1);
}

TEST_F(InputTest, FlushingKeyHitsKeepsHeldKeysHeld) {
    media::inputKeyDown(KEY_LALT);
    media::inputKeyDown(KEY_G);
    media::inputKeyUp(KEY_G);
    media::inputChar('g');
    media::inputMouseDown(1);
    FlushKeyHits();
    EXPECT_EQ(KeyHit(KEY_G), 0);
    EXPECT_EQ(KeyHit(KEY_LALT), 0);
    EXPECT_EQ(GetChar(), 0);
    EXPECT_EQ(KeyDown(KEY_LALT), 1) << "an Alt on its way to an Alt+F4 was let go";
    EXPECT_EQ(MouseHit(1), 1) << "the mouse is not the keyboard's to flush";
    // So the F4 that follows still makes the chord.
    media::inputKeyDown(KEY_F4);
    EXPECT_EQ(QuitChordHit(), 1);
}

TEST_F(InputTest, F11AndAltEnterSwitchFullScreenAndAltEnterPressesNothing) {
    media::inputKeyDown(KEY_F11);
    media::inputKeyUp(KEY_F11);
    EXPECT_EQ(FullScreenChordHit(), 1);
    EXPECT_EQ(FullScreenChordHit(), 0) << "reported once";
    EXPECT_EQ(KeyHit(KEY_F11), 1) << "F11 keeps its own hit";
    for (int alt : {int(KEY_LALT), int(KEY_RALT)}) {
        media::inputKeyDown(alt);
        media::inputKeyDown(KEY_ENTER);
        media::inputKeyUp(KEY_ENTER);
        media::inputKeyUp(alt);
        EXPECT_EQ(FullScreenChordHit(), 1) << alt;
        EXPECT_EQ(KeyHit(KEY_ENTER), 0) << alt << ": the chord is no Enter for the screen";
    }
    // Enter alone is Enter; a flush forgets no chord.
    media::inputKeyDown(KEY_ENTER);
    media::inputKeyUp(KEY_ENTER);
    EXPECT_EQ(FullScreenChordHit(), 0);
    EXPECT_EQ(KeyHit(KEY_ENTER), 1);
    media::inputKeyDown(KEY_F11);
    FlushKeys();
    EXPECT_EQ(FullScreenChordHit(), 1);
}

TEST_F(InputTest, APadArrivesAsTheGamesKeysAndSaysItWasUsedLast) {
    const std::pair<PadButton, int> keys[] = {
        {PadButton::A, KEY_ENTER},         {PadButton::B, KEY_ESCAPE},          {PadButton::Start, KEY_PAUSE},
        {PadButton::X, KEY_PAD_X},         {PadButton::Y, KEY_PAD_Y},           {PadButton::LeftShoulder, KEY_PAGEUP},
        {PadButton::RightShoulder, KEY_PAGEDOWN}, {PadButton::Up, KEY_UP},      {PadButton::Left, KEY_LEFT},
    };
    for (auto [button, key] : keys) {
        media::inputPadButton(button, true);
        EXPECT_EQ(KeyDown(key), 1) << key;
        media::inputPadButton(button, false);
        EXPECT_EQ(KeyHit(key), 1) << key;
        EXPECT_EQ(KeyDown(key), 0) << key;
    }
    EXPECT_TRUE(GamepadUsedLast());
    // A key or a mouse move hands the prompts back to the keyboard; a mouse
    // that reports the place it already had does not.
    media::inputKeyDown(KEY_SPACE);
    EXPECT_FALSE(GamepadUsedLast());
    media::inputPadButton(PadButton::A, true);
    media::inputMouseMove(0, 0);
    EXPECT_TRUE(GamepadUsedLast());
    media::inputMouseMove(5, 0);
    EXPECT_FALSE(GamepadUsedLast());
}

TEST_F(InputTest, TheLeftStickPressesArrowsPastHalfWayAndLetsGoNearerTheMiddle) {
    media::inputPadLeftStick(0.45f, 0);
    EXPECT_EQ(KeyDown(KEY_RIGHT), 0);
    media::inputPadLeftStick(0.6f, 0.7f);
    EXPECT_EQ(KeyHit(KEY_RIGHT), 1);
    EXPECT_EQ(KeyHit(KEY_DOWN), 1) << "a diagonal holds both arrows";
    // Between the two thresholds it stays held, with no new hit.
    media::inputPadLeftStick(0.4f, 0.4f);
    media::inputPadLeftStick(0.55f, 0.4f);
    EXPECT_EQ(KeyDown(KEY_RIGHT), 1);
    EXPECT_EQ(KeyHit(KEY_RIGHT), 0) << "a stick near the threshold must not chatter";
    media::inputPadLeftStick(0.3f, 0);
    EXPECT_EQ(KeyDown(KEY_RIGHT), 0);
    EXPECT_EQ(KeyDown(KEY_DOWN), 0);
    media::inputPadLeftStick(-1, -1);
    EXPECT_EQ(KeyHit(KEY_LEFT), 1);
    EXPECT_EQ(KeyHit(KEY_UP), 1);
}

TEST_F(InputTest, TheRightStickReadsZeroAtRestAndSpansTheRangeBeyond) {
    media::inputPadRightStick(0.15f, -0.1f);
    EXPECT_EQ(PadRightX(), 0);
    EXPECT_EQ(PadRightY(), 0);
    EXPECT_FALSE(GamepadUsedLast()) << "a pad drifting at rest is not a player";
    media::inputPadRightStick(1, -1);
    EXPECT_FLOAT_EQ(PadRightX(), 1);
    EXPECT_FLOAT_EQ(PadRightY(), -1);
    media::inputPadRightStick(0.6f, 0);
    EXPECT_FLOAT_EQ(PadRightX(), 0.5f);
    EXPECT_TRUE(GamepadUsedLast());
}

TEST_F(InputTest, UnpluggingThePadInUseLosesTheFocusAndLetsGoOfItsArrows) {
    media::inputPadLeftStick(1, 0);
    media::inputPadRightStick(1, 1);
    media::inputPadUnplugged();
    EXPECT_EQ(AppFocusLost(), 1) << "play pauses as when the window loses its focus";
    EXPECT_EQ(KeyDown(KEY_RIGHT), 0);
    EXPECT_EQ(PadRightX(), 0);
    // A spare pad unplugged while the keyboard plays pauses nothing.
    media::inputPadButton(PadButton::A, true);
    media::inputKeyDown(KEY_SPACE);
    media::inputPadUnplugged();
    EXPECT_EQ(AppFocusLost(), 0);
}

}  // namespace
