#pragma once
// Gamepads through SDL's game controller support: every pad SDL knows a
// mapping for (its own database, plus SDL_GAMECONTROLLERCONFIG and
// SDL_GAMECONTROLLERCONFIG_FILE from the environment) is opened when it is
// plugged in, before or while the game runs, and its buttons and sticks
// enter the input state. Test scripts drive a virtual pad.
#include <SDL.h>

namespace media {
struct ScriptEvent;
}

namespace media::gamepad {

// Starts SDL's game controller support (no pad is no error).
void start();
// A controller event into the input state; false when the event is none.
bool handle(const SDL_Event& event);
// A script's pad line: plugs, unplugs, presses and moves the virtual pad.
void scripted(const ScriptEvent& event);

}  // namespace media::gamepad
