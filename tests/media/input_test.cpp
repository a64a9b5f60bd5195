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

}  // namespace
