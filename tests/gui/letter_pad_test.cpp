// The letters a gamepad types a name on.
#include <gtest/gtest.h>

#include "gui/letter_pad.h"
#include "shell/media/input.h"

namespace {

TEST(LetterPad, TheCursorStopsAtTheEdgesAndLeavesAWideKeyInOneStep) {
    TLetterPad pad;
    pad.move({-1, -1});
    EXPECT_EQ(pad.row, 0);
    EXPECT_EQ(pad.column, 0);
    for (int i = 0; i < 20; ++i) pad.move({1, 0});
    EXPECT_EQ(pad.column, TLetterPad::kColumns - 1) << "no wrap past the row's end";
    // Down into the row with the space: the wide key covers the column.
    pad.move({0, 2});
    EXPECT_EQ(TLetterPad::cellAt(pad.row, pad.column).key, TLetterPad::Key::Space);
    pad.move({-1, 0});
    EXPECT_EQ(TLetterPad::cellAt(pad.row, pad.column).letter, 'Z') << "one step leaves the whole space key";
    pad.move({0, 1});
    EXPECT_EQ(TLetterPad::cellAt(pad.row, pad.column).key, TLetterPad::Key::Erase);
    pad.move({1, 0});
    EXPECT_EQ(TLetterPad::cellAt(pad.row, pad.column).key, TLetterPad::Key::Accept);
    pad.move({1, 0});
    EXPECT_EQ(TLetterPad::cellAt(pad.row, pad.column).key, TLetterPad::Key::Accept);
    pad.move({0, 1});
    EXPECT_EQ(pad.row, TLetterPad::kRows - 1);
    // Every column of every row has a key, and a wide key covers its columns.
    for (int r = 0; r < TLetterPad::kRows; ++r)
        for (int c = 0; c < TLetterPad::kColumns; ++c) {
            const auto cell = TLetterPad::cellAt(r, c);
            EXPECT_LE(cell.first, c);
            EXPECT_GT(cell.first + cell.span, c);
        }
}

TEST(LetterPad, NamesTakeCapitalsAtWordStartsAndStayWithinTheirLength) {
    TLetterPad pad;
    std::string name;
    auto typeAt = [&](int row, int column) {
        pad.row = row;
        pad.column = column;
        return pad.press(name, 8);
    };
    EXPECT_EQ(typeAt(2, 8), TLetterPad::Result::None) << "a name does not start with a space";
    typeAt(0, 0);
    typeAt(0, 3);
    EXPECT_EQ(name, "Ad");
    typeAt(2, 7);
    EXPECT_EQ(typeAt(2, 7), TLetterPad::Result::None) << "no two spaces in a row";
    typeAt(0, 1);
    EXPECT_EQ(name, "Ad B");
    // The capitals key turns the next letter only.
    typeAt(3, 0);
    typeAt(1, 0);
    typeAt(1, 0);
    EXPECT_EQ(name, "Ad BKk");
    typeAt(3, 4);
    EXPECT_EQ(name, "Ad BK");
    for (int i = 0; i < 10; ++i) typeAt(0, 2);
    EXPECT_EQ(name.size(), 8u);
    EXPECT_EQ(typeAt(3, 9), TLetterPad::Result::Accept);
    EXPECT_TRUE(TLetterPad::erase(name));
    std::string empty;
    EXPECT_FALSE(TLetterPad::erase(empty));
}

TEST(LetterPad, ThePadsButtonsTypeRubOutAndAccept) {
    media::inputReset();
    TLetterPad pad;
    std::string name;
    auto tap = [](PadButton b) {
        media::inputPadButton(b, true);
        media::inputPadButton(b, false);
    };
    tap(PadButton::Right);
    tap(PadButton::A);
    EXPECT_EQ(pad.update(name, 10, 0), TLetterPad::Result::Changed);
    EXPECT_EQ(name, "B");
    tap(PadButton::X);
    EXPECT_EQ(pad.update(name, 10, 16), TLetterPad::Result::Changed);
    EXPECT_EQ(name, "");
    tap(PadButton::Y);
    tap(PadButton::A);
    pad.update(name, 10, 32);
    EXPECT_EQ(name, "b") << "Y turns the first letter small";
    tap(PadButton::Start);
    EXPECT_EQ(pad.update(name, 10, 48), TLetterPad::Result::Accept);
    media::inputReset();
}

}  // namespace
