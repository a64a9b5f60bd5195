#include "shell/media/input.h"

#include <algorithm>
#include <array>
#include <cmath>

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
    InputDevice lastDevice = InputDevice::Mouse;
    float padRightX = 0, padRightY = 0;
    // Which arrow each stick direction holds down (left, up, right, down).
    std::array<bool, 4> stickArrow{};
};

InputState input;

bool validKey(int code) { return code >= 0 && code < 256; }
bool validButton(int b) { return b >= 1 && b <= 3; }

void keyDown(int code) {
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

void keyUp(int code) {
    if (validKey(code)) input.keyDown[code] = false;
}

int padKey(PadButton button) {
    switch (button) {
        case PadButton::A: return KEY_ENTER;
        case PadButton::B: return KEY_ESCAPE;
        case PadButton::X: return KEY_PAD_X;
        case PadButton::Y: return KEY_PAD_Y;
        case PadButton::Start: return KEY_PAUSE;
        case PadButton::Back: return KEY_ESCAPE;
        case PadButton::LeftShoulder: return KEY_PAGEUP;
        case PadButton::RightShoulder: return KEY_PAGEDOWN;
        case PadButton::Up: return KEY_UP;
        case PadButton::Down: return KEY_DOWN;
        case PadButton::Left: return KEY_LEFT;
        case PadButton::Right: return KEY_RIGHT;
    }
    return -1;
}

// A stick's axis from -1 to 1 with the middle's play taken out, so a pad at
// rest reads 0 and the rest of the travel still spans the whole range.
float withoutDeadZone(float v) {
    constexpr float dead = 0.2f;
    v = std::clamp(v, -1.0f, 1.0f);
    if (std::fabs(v) < dead) return 0;
    return (v - std::copysign(dead, v)) / (1 - dead);
}

// Pushes or lets go of the arrow one stick direction stands for. Pushed past
// half way it presses; it lets go nearer the middle than that, so a stick
// held near the threshold does not chatter.
void stickToArrow(int which, int code, float along) {
    bool& held = input.stickArrow[size_t(which)];
    const bool now = held ? along > 0.35f : along > 0.5f;
    if (now == held) return;
    held = now;
    if (now) keyDown(code);
    else keyUp(code);
}

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

float PadRightX() {
    PollSystem();
    return input.padRightX;
}

float PadRightY() {
    PollSystem();
    return input.padRightY;
}

InputDevice LastInputDevice() {
    PollSystem();
    return input.lastDevice;
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
    input.lastDevice = InputDevice::Keyboard;
    keyDown(code);
}

void inputKeyUp(int code) {
    replay::event('u', code);
    keyUp(code);
}

void inputPadButton(PadButton button, bool down) {
    replay::event('b', int(button), down ? 1 : 0);
    input.lastDevice = InputDevice::Gamepad;
    if (down) keyDown(padKey(button));
    else keyUp(padKey(button));
}

void inputPadLeftStick(float x, float y) {
    replay::event('l', int(std::lround(x * 1000)), int(std::lround(y * 1000)));
    x = std::clamp(x, -1.0f, 1.0f);
    y = std::clamp(y, -1.0f, 1.0f);
    if (std::fabs(x) > 0.5f || std::fabs(y) > 0.5f) input.lastDevice = InputDevice::Gamepad;
    stickToArrow(0, KEY_LEFT, -x);
    stickToArrow(1, KEY_UP, -y);
    stickToArrow(2, KEY_RIGHT, x);
    stickToArrow(3, KEY_DOWN, y);
}

void inputPadRightStick(float x, float y) {
    replay::event('j', int(std::lround(x * 1000)), int(std::lround(y * 1000)));
    input.padRightX = withoutDeadZone(x);
    input.padRightY = withoutDeadZone(y);
    if (input.padRightX != 0 || input.padRightY != 0) input.lastDevice = InputDevice::Gamepad;
}

void inputPadUnplugged() {
    replay::event('h');
    input.padRightX = input.padRightY = 0;
    for (int i = 0; i < 4; ++i)
        if (input.stickArrow[size_t(i)]) keyUp(KEY_LEFT + i);
    input.stickArrow.fill(false);
    // Losing the pad in use is losing the player's hands: play pauses.
    if (input.lastDevice == InputDevice::Gamepad) inputFocusLost();
}

void inputChar(int code) {
    replay::event('c', code);
    if (input.charCount >= int(input.chars.size())) return;
    input.chars[(input.charHead + input.charCount) % int(input.chars.size())] = code;
    ++input.charCount;
}

void inputMouseMove(int x, int y) {
    replay::event('m', x, y);
    if (x != input.mouseX || y != input.mouseY) input.lastDevice = InputDevice::Mouse;
    input.mouseX = x;
    input.mouseY = y;
}

void inputMouseDown(int button) {
    replay::event('d', button);
    if (!validButton(button)) return;
    input.lastDevice = InputDevice::Mouse;
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
    input.stickArrow.fill(false);
    input.padRightX = input.padRightY = 0;
    input.focusLost = true;
}

void inputCloseRequest() {
    replay::event('q');
    input.closeRequested = true;
}

void inputReset() { input = InputState{}; }

}  // namespace media
