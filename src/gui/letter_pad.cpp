#include "gui/letter_pad.h"

#include <algorithm>
#include <cctype>

#include "gui/caption.h"
#include "shell/media/clock.h"
#include "shell/media/graphics.h"
#include "shell/media/input.h"
#include "shell/media/numbers.h"

namespace {

// Each row: its letters, then its wide keys.
constexpr const char* kLetterRows[3] = {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXYZ"};

}  // namespace

TLetterPad::Cell TLetterPad::cellAt(int row, int column) {
    row = std::clamp(row, 0, kRows - 1);
    column = std::clamp(column, 0, kColumns - 1);
    if (row < 3) {
        const std::string letters = kLetterRows[row];
        if (column < int(letters.size())) return {Key::Letter, letters[size_t(column)], column, 1};
        return {Key::Space, ' ', int(letters.size()), kColumns - int(letters.size())};
    }
    if (column < 3) return {Key::Capitals, 0, 0, 3};
    if (column < 6) return {Key::Erase, 0, 3, 3};
    return {Key::Accept, 0, 6, 4};
}

void TLetterPad::move(TStep step) {
    if (step.dx > 0) {
        const Cell cell = cellAt(row, column);
        column = std::min(cell.first + cell.span, kColumns - 1);
        // The last key of a row keeps the cursor where it was.
        if (cellAt(row, column).first == cell.first) column = cell.first;
    } else if (step.dx < 0) {
        column = std::max(cellAt(row, column).first - 1, 0);
    }
    row = std::clamp(row + step.dy, 0, kRows - 1);
    column = std::clamp(column, 0, kColumns - 1);
}

bool TLetterPad::capitals(const std::string& name) const {
    const bool wordStart = name.empty() || name.back() == ' ';
    return wordStart != caseFlipped;
}

bool TLetterPad::erase(std::string& name) {
    if (name.empty()) return false;
    name.pop_back();
    return true;
}

TLetterPad::Result TLetterPad::press(std::string& name, int maxChars) {
    const Cell cell = cellAt(row, column);
    switch (cell.key) {
        case Key::Letter:
        case Key::Space: {
            if (int(name.size()) >= maxChars) return Result::None;
            // No name starts with a space, nor has two in a row.
            if (cell.key == Key::Space && (name.empty() || name.back() == ' ')) return Result::None;
            const bool upper = capitals(name);
            name += cell.key == Key::Space ? ' '
                    : upper                ? cell.letter
                                           : char(std::tolower(static_cast<unsigned char>(cell.letter)));
            caseFlipped = false;
            return Result::Changed;
        }
        case Key::Capitals:
            caseFlipped = !caseFlipped;
            return Result::Changed;
        case Key::Erase:
            return erase(name) ? Result::Changed : Result::None;
        case Key::Accept:
            return Result::Accept;
    }
    return Result::None;
}

TLetterPad::Result TLetterPad::update(std::string& name, int maxChars, int now) {
    move(keys_.read(now));
    Result result = Result::None;
    // The case first, so a Y and an A in one frame type the turned letter.
    if (KeyHit(KEY_PAD_Y)) {
        caseFlipped = !caseFlipped;
        result = Result::Changed;
    }
    if (KeyHit(KEY_ENTER)) {
        const Result pressed = press(name, maxChars);
        if (pressed != Result::None) result = pressed;
    }
    if (KeyHit(KEY_PAD_X) && erase(name)) result = Result::Changed;
    if (KeyHit(KEY_PAUSE)) result = Result::Accept;
    return result;
}

std::string TLetterPad::keyLabel(Key key) const {
    switch (key) {
        case Key::Space: return spaceLabel;
        case Key::Capitals: return "Aa";
        case Key::Erase: return eraseLabel;
        case Key::Accept: return "OK";
        case Key::Letter: break;
    }
    return "";
}

void TLetterPad::draw(const TImageFontPtr& font, int x, int y, const std::string& name) const {
    SetImageFont(font);
    SetRotation(0);
    SetScale(1, 1);
    const float pulse = 0.7f + 0.3f * Sin(float(MilliSecs() % 1500) * 0.24f);
    const bool upper = capitals(name);
    const int under = cellAt(row, column).first;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns;) {
            const Cell cell = cellAt(r, c);
            c = cell.first + cell.span;
            const int left = x + cell.first * kCellW, top = y + r * kCellH;
            const int w = cell.span * kCellW - 4, h = kCellH - 4;
            const bool here = r == row && cell.first == under;
            // A key: a dark glass well, lighter under the cursor.
            SetBlend(ALPHABLEND);
            if (here) SetColor(110, 60, 170);
            else SetColor(30, 10, 60);
            SetAlpha(here ? 0.85f : 0.62f);
            DrawRect(float(left), float(top), float(w), float(h));
            std::string text = cell.key != Key::Letter ? keyLabel(cell.key)
                               : upper               ? std::string(1, cell.letter)
                                                     : std::string(1, char(std::tolower(static_cast<unsigned char>(cell.letter))));
            const int tx = left + w / 2, ty = top + h / 2 - TextHeight("A") / 2;
            if (here) {
                // The key's label glows gold around its own shape.
                SetBlend(LIGHTBLEND);
                SetColor(255, 196, 72);
                const int half = TextWidth(text) / 2;
                for (const float radius : {4.0f, 2.0f}) {
                    SetAlpha(pulse * (radius > 3 ? 0.45f : 0.75f));
                    for (int k = 0; k < 8; ++k)
                        DrawText(text, float(tx - half) + radius * Cos(45.0f * float(k)),
                                 float(ty) + radius * Sin(45.0f * float(k)));
                }
                SetBlend(ALPHABLEND);
            }
            SetAlpha(1);
            drawSpecText(text, tx, ty, here ? createRGB(255, 236, 150) : createRGB(255, 255, 255), createRGB(60, 0, 90),
                         0, 1);
        }
    }
    SetColor(255, 255, 255);
    SetAlpha(1);
}
