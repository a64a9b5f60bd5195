#pragma once
// Letters on the screen for typing a name with a gamepad: a grid of the
// letters A to Z, a space, a key for capitals, one that rubs out the last
// letter and one that accepts the name. The d-pad moves over it, A presses
// the key under it; X rubs out, Y switches capitals and Start accepts
// whichever key is under it.
#include <string>

#include "gui/direction_keys.h"
#include "shell/media/font.h"

class TLetterPad {
public:
    static constexpr int kColumns = 10;
    static constexpr int kRows = 4;
    static constexpr int kCellW = 40, kCellH = 34;

    enum class Key { Letter, Space, Capitals, Erase, Accept };
    // One key of the grid: what it does, its letter, and the columns
    // [first, first + span) of its row it covers.
    struct Cell {
        Key key = Key::Letter;
        char letter = 0;
        int first = 0, span = 1;
    };

    // What a frame's input asks of the name.
    enum class Result { None, Changed, Accept };

    // The key at (row, column); every column of every row has one.
    static Cell cellAt(int row, int column);
    // Moves the cursor one step; it stops at the edges, and a wide key is
    // left in one step.
    void move(TStep step);
    // Presses the key under the cursor on `name` (at most `maxChars` characters).
    Result press(std::string& name, int maxChars);
    // Rubs out the last letter.
    static bool erase(std::string& name);
    // Reads the pad's keys (the arrows, Enter, KEY_PAD_X, KEY_PAD_Y, Pause)
    // for one frame and applies them to `name`.
    Result update(std::string& name, int maxChars, int now);
    // Capitals come by themselves at the start of a name and after a space.
    bool capitals(const std::string& name) const;

    // The grid with its top-left corner at (x, y), the cursor's key glowing,
    // the letters in the case the next one of `name` takes.
    void draw(const TImageFontPtr& font, int x, int y, const std::string& name) const;
    // The word on a key that is not a letter.
    std::string keyLabel(Key key) const;

    // The wide keys' words, in the game's language.
    std::string spaceLabel = "Space", eraseLabel = "Del";

    int row = 0, column = 0;
    // Y (or the capitals key) turns the next letter's case the other way.
    bool caseFlipped = false;

private:
    TDirectionKeys keys_{false};
};
