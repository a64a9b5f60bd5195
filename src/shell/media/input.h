#pragma once
// Polled keyboard and mouse with hit counters, typed characters and the
// window's close request. Key codes are the game's virtual-key numbers.
#include <cstdint>

// Letters are their capitals ('A' to 'Z'), the digits above the letters
// their characters ('0' to '9').
enum KeyCode : int {
    KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_PAUSE = 19, KEY_ESCAPE = 27, KEY_SPACE = 32,
    KEY_PAGEUP = 33, KEY_PAGEDOWN = 34,
    KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40,
    KEY_0 = 48, KEY_1 = 49, KEY_9 = 57,
    KEY_A = 65, KEY_D = 68, KEY_G = 71, KEY_H = 72, KEY_L = 76, KEY_M = 77, KEY_N = 78, KEY_P = 80, KEY_R = 82,
    KEY_S = 83, KEY_W = 87, KEY_Y = 89,
    KEY_F2 = 113, KEY_F4 = 115, KEY_F5 = 116, KEY_F11 = 122, KEY_LSHIFT = 160, KEY_RSHIFT = 161,
    KEY_LCTRL = 162, KEY_RCTRL = 163,
    KEY_LALT = 164, KEY_RALT = 165,
    // A gamepad's X and Y buttons, which no keyboard key stands for.
    KEY_PAD_X = 232, KEY_PAD_Y = 233,
};

// A gamepad arrives as keys: the d-pad and the left stick as the arrow keys,
// A as Enter, B as Escape, Start as Pause, the shoulder buttons as Page Up
// and Page Down, X and Y as KEY_PAD_X and KEY_PAD_Y.
enum class PadButton { A, B, X, Y, Start, Back, LeftShoulder, RightShoulder, Up, Down, Left, Right };

void PollSystem();
int KeyHit(int code);
int KeyDown(int code);
int GetChar();
void FlushKeys();
// Forgets the key hits and typed characters so far; keys still held stay held.
void FlushKeyHits();
// 1 when F4 was pressed while either Alt key was down since the last call.
// Taken as the key arrives, so an Alt let go before the frame reads it still
// counts; no flush forgets it.
int QuitChordHit();
// 1 when F11, or Enter with either Alt key down, was pressed since the last
// call: the desktop's keys for switching full screen. Taken as the key
// arrives, as QuitChordHit is; an Alt+Enter gives no Enter hit to the screens.
int FullScreenChordHit();
// The right stick of the gamepad used last, each axis from -1 to 1, with a
// dead zone around the middle read as 0.
float PadRightX();
float PadRightY();
// What the player's latest key, button, click or mouse move came from, for
// the prompts that name keys or buttons.
enum class InputDevice { Mouse, Keyboard, Gamepad };
InputDevice LastInputDevice();
inline bool GamepadUsedLast() { return LastInputDevice() == InputDevice::Gamepad; }
int MouseX();
int MouseY();
int MouseZ();
int MouseHit(int button);
int MouseDown(int button);
void FlushMouse();
void HideMouse();
void ShowMouse();
int AppTerminate();
// 1 when the window lost its focus or was minimized since the last call.
int AppFocusLost();

namespace media {
// Where events enter the input state; the window backend and the tests call these.
void inputKeyDown(int code);
void inputKeyUp(int code);
void inputChar(int code);
void inputMouseMove(int x, int y);
void inputMouseDown(int button);
void inputMouseUp(int button);
void inputWheel(int delta);
void inputFocusLost();
// A gamepad's button and sticks (x, y from -1 to 1), and a pad unplugged:
// when it was the one in use, that counts as a lost focus, which pauses play.
void inputPadButton(PadButton button, bool down);
void inputPadLeftStick(float x, float y);
void inputPadRightStick(float x, float y);
void inputPadUnplugged();
void inputCloseRequest();
// Everything back to the start (tests).
void inputReset();
}  // namespace media
