// The arrow keys and W A S D as a cursor's steps, with a held key's repeat.
#include <gtest/gtest.h>

#include "gui/direction_keys.h"
#include "shell/media/input.h"

namespace {

class DirectionKeysTest : public ::testing::Test {
protected:
    void SetUp() override { media::inputReset(); }
    void TearDown() override { media::inputReset(); }
};

TEST_F(DirectionKeysTest, APressStepsOnceAndAHeldKeyRepeatsAfterAPause) {
    TDirectionKeys keys;
    media::inputKeyDown(KEY_RIGHT);
    EXPECT_EQ(keys.read(1000).dx, 1);
    EXPECT_FALSE(keys.read(1016).any());
    EXPECT_FALSE(keys.read(1000 + TDirectionKeys::kFirstRepeatMs - 1).any());
    EXPECT_EQ(keys.read(1000 + TDirectionKeys::kFirstRepeatMs).dx, 1);
    EXPECT_FALSE(keys.read(1000 + TDirectionKeys::kFirstRepeatMs + 10).any());
    EXPECT_EQ(keys.read(1000 + TDirectionKeys::kFirstRepeatMs + TDirectionKeys::kRepeatMs).dx, 1);
    media::inputKeyUp(KEY_RIGHT);
    EXPECT_FALSE(keys.read(5000).any());
    // A tap shorter than a frame still steps.
    media::inputKeyDown(KEY_UP);
    media::inputKeyUp(KEY_UP);
    EXPECT_EQ(keys.read(5016).dy, -1);
}

TEST_F(DirectionKeysTest, LettersStepWhereNoNameIsTypedAndOppositeKeysCancel) {
    TDirectionKeys withLetters, arrowsOnly(false);
    media::inputKeyDown(KEY_S);
    EXPECT_EQ(withLetters.read(0).dy, 1);
    media::inputKeyUp(KEY_S);
    media::inputKeyDown(KEY_A);
    EXPECT_FALSE(arrowsOnly.read(0).any());
    media::inputKeyUp(KEY_A);
    media::inputKeyDown(KEY_LEFT);
    media::inputKeyDown(KEY_RIGHT);
    EXPECT_FALSE(withLetters.read(100).any());
}

TEST_F(DirectionKeysTest, AKeyHeldFromAnotherScreenStepsOnlyWhenPressedAgain) {
    TDirectionKeys keys;
    media::inputKeyDown(KEY_DOWN);
    EXPECT_EQ(keys.read(0).dy, 1);
    keys.reset();
    EXPECT_FALSE(keys.read(2000).any());
    EXPECT_FALSE(keys.read(4000).any());
}

}  // namespace
