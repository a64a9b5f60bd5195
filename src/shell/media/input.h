#pragma once
// Polled keyboard and mouse with hit counters, typed characters and the
// window's close request. Key codes are the game's virtual-key numbers.
#include <cstdint>

enum KeyCode : int {
    KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32,
    KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40,
    KEY_G = 71, KEY_L = 76, KEY_P = 80, KEY_F4 = 115, KEY_F11 = 122, KEY_LSHIFT = 160, KEY_RSHIFT = 161,
    KEY_LCTRL = 162, KEY_RCTRL = 163,
    KEY_LALT = 164, KEY_RALT = 165,
};

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
void inputCloseRequest();
// Everything back to the start (tests).
void inputReset();
}  // namespace media
