#include "minigames/mini_game_results.h"

#include <cstdlib>

#include "app/game_objects.h"
#include "game/results.h"
#include "gui/keyboard_focus.h"
#include "shell/assets.h"
#include "shell/media/media.h"

void drawVeil(float alpha) {
    if (alpha <= 0) return;
    SetScale(1, 1);
    SetRotation(0);
    SetColor(0, 0, 0);
    SetAlpha(alpha);
    DrawRect(0, 0, 800, 600);
    SetColor(255, 255, 255);
    SetAlpha(1);
}

int countedValue(const TResultText& line) { return std::atoi(line.txt.c_str()); }

void tagNewBest(const TResultText& value) {
    SetImageFont(fonts.font_blueHigh26);
    const int width = TextWidth(value.txt);
    // The tag's smaller font sits on the value's line.
    drawNewBestTag(int(value.x) + width + 18, int(value.y) + 4, value.a);
}

void countUp(TResultText& line, int amount) { line.txt = std::to_string(countedValue(line) + amount); }

const std::string& continuePrompt(const std::string& mouseWords) {
    const TTeksty& t = objects().teksty;
    if (!keyboardFocusShown()) return mouseWords;
    return GamepadUsedLast() ? t.txtContinuePad : t.txtContinueKeys;
}
