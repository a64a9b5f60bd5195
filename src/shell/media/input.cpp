#include "shell/media/input.h"

#include <array>

#include "shell/media/backend.h"
#include "shell/media/replay.h"

namespace {

struct InputState {
    std::array<bool, 256> keyDown{};
    std::array<int, 256> keyHits{};
    std::array<bool, 4> buttonDown{};
    std::array<int, 4> buttonHits{};
    int mouseX = 0, mouseY = 0, wheel = 0;
    std::array<int, 256> chars{};  // ring buffer of typed characters
    int charHead = 0, charCount = 0;
    bool closeRequested = false;
    bool focusLost = false;
    bool quitChord = false;        // Alt+F4 arrived
    bool fullScreenChord = false;  // F11 or Alt+Enter arrived
};

InputState input;

bool validKey(int code) { return code >= 0 && code < 256; }
bool validButton(int b) { return b >= 1 && b <= 3; }

}  // namespace

void PollSystem() {
    media::replay::poll();
    media::backend::pumpEvents();
}

int KeyHit(int code) {
    PollSystem();
    if (!validKey(code)) return 0;
    int hits = input.keyHits[code];
    input.keyHits[code] = 0;
    return hits;
}

int KeyDown(int code) {
    PollSystem();
    return validKey(code) && input.keyDown[code] ? 1 : 0;
}

int GetChar() {
    PollSystem();
    if (input.charCount == 0) return 0;
    int c = input.chars[input.charHead];
    input.charHead = (input.charHead + 1) % int(input.chars.size());
    --input.charCount;
    return c;
}

void FlushKeys() {
    PollSystem();
    input.keyDown.fill(false);
    input.keyHits.fill(0);
    input.charHead = input.charCount = 0;
}

void FlushKeyHits() {
    PollSystem();
    input.keyHits.fill(0);
    input.charHead = input.charCount = 0;
}

int QuitChordHit() {
    PollSystem();
    const bool hit = input.quitChord;
    input.quitChord = false;
    return hit ? 1 : 0;
}

int FullScreenChordHit() {
    PollSystem();
    const bool hit = input.fullScreenChord;
    input.fullScreenChord = false;
    return hit ? 1 : 0;
}

int MouseX() {
    PollSystem();
    return input.mouseX;
}

int MouseY() {
    PollSystem();
    return input.mouseY;
}

int MouseZ() {
    PollSystem();
    return input.wheel;
}

int MouseHit(int button) {
    PollSystem();
    if (!validButton(button)) return 0;
    int hits = input.buttonHits[button];
    input.buttonHits[button] = 0;
    return hits;
}

int MouseDown(int button) {
    PollSystem();
    return validButton(button) && input.buttonDown[button] ? 1 : 0;
}

void FlushMouse() {
    PollSystem();
    input.buttonDown.fill(false);
    input.buttonHits.fill(0);
    input.wheel = 0;
}

void HideMouse() { media::backend::setCursorVisible(false); }
void ShowMouse() { media::backend::setCursorVisible(true); }

int AppTerminate() {
    PollSystem();
    bool requested = input.closeRequested;
    input.closeRequested = false;
    return requested ? 1 : 0;
}

int AppFocusLost() {
    PollSystem();
    bool lost = input.focusLost;
    input.focusLost = false;
    return lost ? 1 : 0;
}

namespace media {

void inputKeyDown(int code) {
    replay::event('k', code);
    if (!validKey(code)) return;
    // Held-key repeats add no hit.
    if (!input.keyDown[code]) {
        const bool alt = input.keyDown[KEY_LALT] || input.keyDown[KEY_RALT];
        if (code == KEY_F4 && alt) input.quitChord = true;
        if (code == KEY_F11 || (code == KEY_ENTER && alt)) input.fullScreenChord = true;
        // Alt+Enter switches full screen and presses nothing on the screen.
        if (!(code == KEY_ENTER && alt)) ++input.keyHits[code];
    }
    input.keyDown[code] = true;
}

void inputKeyUp(int code) {
    replay::event('u', code);
    if (validKey(code)) input.keyDown[code] = false;
}

void inputChar(int code) {
    replay::event('c', code);
    if (input.charCount >= int(input.chars.size())) return;
    input.chars[(input.charHead + input.charCount) % int(input.chars.size())] = code;
    ++input.charCount;
}

void inputMouseMove(int x, int y) {
    replay::event('m', x, y);
    input.mouseX = x;
    input.mouseY = y;
}

void inputMouseDown(int button) {
    replay::event('d', button);
    if (!validButton(button)) return;
    if (!input.buttonDown[button]) ++input.buttonHits[button];
    input.buttonDown[button] = true;
}

void inputMouseUp(int button) {
    replay::event('r', button);
    if (validButton(button)) input.buttonDown[button] = false;
}

void inputWheel(int delta) {
    replay::event('w', delta);
    input.wheel += delta;
}

void inputFocusLost() {
    replay::event('f');
    input.keyDown.fill(false);
    input.keyHits.fill(0);
    input.charHead = input.charCount = 0;
    input.buttonDown.fill(false);
    input.buttonHits.fill(0);
    input.wheel = 0;
    input.focusLost = true;
}

void inputCloseRequest() {
    replay::event('q');
    input.closeRequested = true;
}

void inputReset() { input = InputState{}; }

}  // namespace media
